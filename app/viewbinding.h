#pragma once

#include "form/controlmodels.h"

class PickList;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QWidget;
class SourceView;

// Each bind() makes a widget mirror its control model and hands the user's
// actions to the model. A model change updates the widget with its signals
// blocked, so nothing echoes back.
namespace viewbinding {

void bind(TextBoxModel &model, QLineEdit *widget);
void bind(TextBoxModel &model, QPlainTextEdit *widget);
void bind(TextBoxModel &model, SourceView *widget);
void bind(TextBoxModel &model, QLabel *caption);
void bind(CheckBoxModel &model, QCheckBox *widget);
void bind(ComboBoxModel &model, PickList *widget);
void bind(PictureModel &model, QLabel *widget);

// Text boxes hold CR LF line breaks whatever the desktop's own are.
QString toModelText(QString widgetText);
QString toWidgetText(QString modelText);

}  // namespace viewbinding
