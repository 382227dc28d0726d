#pragma once

#include "form/controls.h"

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
namespace viewBinding {

void bind(TextBox &model, QLineEdit *widget);
void bind(TextBox &model, QPlainTextEdit *widget);
void bind(TextBox &model, SourceView *widget);
void bind(TextBox &model, QLabel *caption);
void bind(CheckBox &model, QCheckBox *widget);
void bind(ComboBox &model, PickList *widget);
void bind(Picture &model, QLabel *widget);

// Text boxes hold CR LF line breaks whatever the desktop's own are.
QString toModelText(QString widgetText);
QString toWidgetText(QString modelText);

}  // namespace viewBinding
