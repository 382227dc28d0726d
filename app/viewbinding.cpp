#include "viewbinding.h"

#include "picklist.h"
#include "sourceview.h"
#include "typinglimit.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSignalBlocker>

#include <memory>

namespace viewBinding {

QString toModelText(QString widgetText) { return widgetText.replace('\n', QStringLiteral("\r\n")); }

QString toWidgetText(QString modelText) { return modelText.replace(QStringLiteral("\r\n"), QStringLiteral("\n")); }

static QColor colourOf(Rgb rgb, const QWidget *widget)
{
    if (rgb == buttonFace)
        return widget->palette().color(QPalette::Button);
    return QColor(rgb.red, rgb.green, rgb.blue);
}

// What every control shares: enabled state, background, font size, focus.
static void mirrorCommon(const Control &model, QWidget *widget, QPalette::ColorRole backgroundRole)
{
    widget->setEnabled(model.isEnabled());
    if (const auto rgb = model.background()) {
        QPalette palette = widget->palette();
        const QColor background = colourOf(*rgb, widget);
        for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
            palette.setColor(group, backgroundRole, background);
        widget->setPalette(palette);
    }
    if (model.pointSize() > 0 && widget->font().pointSize() != model.pointSize()) {
        QFont font = widget->font();
        font.setPointSize(model.pointSize());
        widget->setFont(font);
    }
}

template <typename Widget, typename Mirror>
static void connectModel(Control &model, Widget *widget, Mirror mirror)
{
    auto update = [widget, mirror] {
        const QSignalBlocker blocker(widget);
        mirror();
    };
    QObject::connect(&model, &Control::changed, widget, update);
    QObject::connect(&model, &Control::focusRequested, widget, [widget] { widget->setFocus(); });
    update();
}

void bind(TextBox &model, QLineEdit *widget)
{
    // The widget's length limit holds for typing only: a longer text set by
    // code (a title from a memo file) is shown whole.
    const int typedLimit = widget->maxLength();
    TypingLimit::attach(widget);
    connectModel(model, widget, [&model, widget, typedLimit] {
        mirrorCommon(model, widget, QPalette::Base);
        if (widget->text() != model.text()) {
            widget->setMaxLength(qMax(typedLimit, int(model.text().size())));
            widget->setText(model.text());
        }
    });
    QObject::connect(widget, &QLineEdit::textChanged, &model,
                     [&model](const QString &text) { model.setText(text); });
}

void bind(TextBox &model, QPlainTextEdit *widget)
{
    // While the user's own edit travels to the model, the widget already shows
    // the text: comparing a long text again would cost a copy per keystroke.
    auto typing = std::make_shared<bool>(false);
    connectModel(model, widget, [&model, widget, typing] {
        mirrorCommon(model, widget, QPalette::Base);
        if (*typing)
            return;
        const QString shown = toWidgetText(model.text());
        if (widget->toPlainText() != shown)
            widget->setPlainText(shown);
    });
    QObject::connect(widget, &QPlainTextEdit::textChanged, &model, [&model, widget, typing] {
        *typing = true;
        model.setText(toModelText(widget->toPlainText()));
        *typing = false;
    });
}

void bind(TextBox &model, SourceView *widget)
{
    // The caret goes to the end, scrolled to it, when the listing or the
    // model's caret changes; a refresh that changes neither leaves the caret
    // and the scroll where the user put them.
    auto mirroredCursor = std::make_shared<int>(-1);
    connectModel(model, widget, [&model, widget, mirroredCursor] {
        mirrorCommon(model, widget, QPalette::Base);
        const bool changed = widget->showText(toWidgetText(model.text()));
        if (!changed && model.cursorPosition() == *mirroredCursor)
            return;
        *mirroredCursor = model.cursorPosition();
        if (model.cursorPosition() == model.text().length())
            widget->moveCursor(QTextCursor::End);
    });
}

void bind(TextBox &model, QLabel *caption)
{
    connectModel(model, caption, [&model, caption] {
        mirrorCommon(model, caption, QPalette::Window);
        caption->setText(model.text());
    });
}

void bind(CheckBox &model, QCheckBox *widget)
{
    // A check box's own fill is the button colour; its background here is
    // the colour behind it, as for every other control.
    widget->setBackgroundRole(QPalette::Window);
    widget->setAutoFillBackground(true);
    connectModel(model, widget, [&model, widget] {
        mirrorCommon(model, widget, QPalette::Window);
        widget->setCheckState(model.value() == 1   ? Qt::Checked
                              : model.value() == 2 ? Qt::PartiallyChecked
                                                   : Qt::Unchecked);
    });
    QObject::connect(widget, &QCheckBox::clicked, &model, [&model] { model.click(); });
}

void bind(ComboBox &model, PickList *widget)
{
    widget->addItems(model.items());
    connectModel(model, widget, [&model, widget] {
        mirrorCommon(model, widget, QPalette::Base);
        widget->setCurrentIndex(model.index());
        if (model.index() < 0)
            widget->setEditText(model.items().value(0));
    });
    QObject::connect(widget, &PickList::picked, &model, [&model](int index) { model.pick(index); });
}

void bind(Picture &model, QLabel *widget)
{
    connectModel(model, widget, [&model, widget] {
        // A missing or unreadable file keeps the picture shown before.
        QPixmap picture;
        if (!model.path().isEmpty() && picture.load(model.path()))
            widget->setPixmap(picture);
    });
}

}  // namespace viewBinding
