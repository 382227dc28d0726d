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
#include <QTextBlock>
#include <QTimer>

#include <memory>
#include <utility>

namespace viewbinding {

QString toModelText(QString widgetText) { return widgetText.replace('\n', QStringLiteral("\r\n")); }

QString toWidgetText(QString modelText)
{
    return modelText.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

static QColor colourOf(Rgb rgb, const QWidget *widget)
{
    if (rgb == buttonFace)
        return widget->palette().color(QPalette::Button);
    return QColor(rgb.red, rgb.green, rgb.blue);
}

// What every control shares: enabled state, background, font size, focus.
static void mirrorCommon(const ControlModel &model, QWidget *widget,
                         QPalette::ColorRole backgroundRole)
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
static void connectModel(ControlModel &model, Widget *widget, Mirror mirror)
{
    auto update = [widget, mirror] {
        const QSignalBlocker blocker(widget);
        mirror();
    };
    QObject::connect(&model, &ControlModel::changed, widget, update);
    QObject::connect(&model, &ControlModel::focusRequested, widget,
                     [widget] { widget->setFocus(); });
    update();
}

void bind(TextBoxModel &model, QLineEdit *widget)
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

// The characters a range of the document holds, as the model keeps them: a
// block break as CR LF, and what toPlainText() changes changed the same way.
static QString modelTextOf(const QTextDocument *document, int position, int length)
{
    QTextCursor range(const_cast<QTextDocument *>(document));
    range.setPosition(position);
    range.setPosition(position + length, QTextCursor::KeepAnchor);
    QString text = range.selectedText();
    for (QChar &c : text) {
        if (c == QChar::ParagraphSeparator)
            c = u'\n';
        else if (c == QChar::Nbsp)
            c = u' ';
    }
    return toModelText(text);
}

// Whether a text reads back from a box as it went in: line breaks as CR LF,
// and none of the characters a document keeps otherwise or reads back changed.
static bool keptAsShown(QStringView text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        switch (text[i].unicode()) {
        case u'\r':
            if (i + 1 == text.size() || text[i + 1] != u'\n')
                return false;
            ++i;
            break;
        case u'\n':
        case QChar::LineSeparator:
        case QChar::ParagraphSeparator:
        case QChar::Nbsp:
        case 0xfdd0:  // a frame's start and end in a document
        case 0xfdd1:
            return false;
        }
    }
    return true;
}

void bind(TextBoxModel &model, QPlainTextEdit *widget)
{
    // An edit in the box reaches the model as the edit of a range, found from
    // the document's report of what changed: reading a long text back whole
    // at every keystroke would cost more than the box's own work. That needs
    // the model's text to be the box's, line breaks aside ("aligned"); a text
    // given by code with a lone CR, or a pasted line separator, is read back
    // whole instead.
    struct Sync {
        bool typing = false, mirroring = false, aligned = false;
        int length = 0;  // the document's characters, its final block's end aside
    };
    auto sync = std::make_shared<Sync>();
    QTextDocument *document = widget->document();
    auto readWhole = [&model, widget, document, sync] {
        model.setText(toModelText(widget->toPlainText()));
        sync->aligned = !document->toRawText().contains(QChar::LineSeparator);
        sync->length = document->characterCount() - 1;
    };
    auto show = [&model, widget, document, sync] {
        if (sync->typing)
            return;
        sync->mirroring = true;
        widget->setPlainText(model.text());  // a CR LF is one line break to the document
        sync->mirroring = false;
        sync->aligned = keptAsShown(model.text());
        sync->length = document->characterCount() - 1;
    };
    connectModel(model, widget, [&model, widget] { mirrorCommon(model, widget, QPalette::Base); });
    QObject::connect(&model, &TextBoxModel::textChanged, widget, show);
    show();
    QObject::connect(
        document, &QTextDocument::contentsChange, &model,
        [&model, document, sync, readWhole](int position, int removed, int added) {
            if (sync->mirroring)
                return;
            sync->typing = true;
            // The document may count its final block's end in the change.
            const int length = document->characterCount() - 1;
            const int beyond = qMax(0, position + added - length);
            removed -= beyond;
            added -= beyond;
            const QString &old = model.text();
            // Before the position, each block break is a CR LF in the model.
            const qsizetype at = position + document->findBlock(position).blockNumber();
            qsizetype end = at;
            for (int n = 0; n < removed && end < old.size(); ++n)
                end += old[end] == u'\r' ? 2 : 1;
            const QString text = modelTextOf(document, position, qMax(added, 0));
            const bool ranged = sync->aligned && removed >= 0 && added >= 0 && end <= old.size() &&
                                sync->length - removed + added == length &&
                                !text.contains(QChar::LineSeparator);
            if (ranged) {
                sync->length = length;
                model.replace(at, end - at, text);
            } else {
                readWhole();
            }
            sync->typing = false;
        });
}

void bind(TextBoxModel &model, SourceView *widget)
{
    // The listing follows every keystroke; the box catches up once the
    // events waiting have been handled, so a burst of keys lays out and
    // paints it once. A line of many thousand characters costs the toolkit
    // a layout of the whole line at each change: in one, the box waits for a
    // pause in the typing, so that the description box alone lays it out
    // while keys come. Until it catches up, the box gathers what the edits
    // may have changed: all but the characters kept at both ends by every
    // edit. The caret goes to the end, scrolled to it, when the listing or
    // the model's caret changes; a refresh that changes neither leaves the
    // caret and the scroll where the user put them.
    constexpr qsizetype longLine = 8 * 1024;
    constexpr int typingPause = 300;  // ms, longer than a held key's repeat
    struct Pending {
        bool whole = false, edited = false, inLongLine = false;
        qsizetype keptAtStart = 0, keptAtEnd = 0;
        int mirroredCursor = -1;
    };
    auto pending = std::make_shared<Pending>();
    auto *catchUpTimer = new QTimer(widget);
    catchUpTimer->setSingleShot(true);
    auto catchUp = [&model, widget, pending] {
        const Pending now = std::exchange(*pending, Pending{});
        pending->mirroredCursor = now.mirroredCursor;
        pending->inLongLine = now.inLongLine;
        mirrorCommon(model, widget, QPalette::Base);
        qsizetype line = -1;
        if (now.whole)
            line = widget->showText(model.text());
        else if (now.edited)
            line = widget->showText(model.text(), now.keptAtStart, now.keptAtEnd);
        if (line >= 0)
            pending->inLongLine = line > longLine;
        if (line < 0 && model.cursorPosition() == now.mirroredCursor)
            return;
        pending->mirroredCursor = model.cursorPosition();
        if (model.cursorPosition() == model.text().length())
            widget->moveCursor(QTextCursor::End);
    };
    QObject::connect(catchUpTimer, &QTimer::timeout, widget, catchUp);
    QObject::connect(&model, &TextBoxModel::textChanged, widget, [&model, pending, catchUpTimer] {
        const TextEdit &edit = model.lastEdit();
        if (edit.whole)  // a command's change is shown at once
            catchUpTimer->start(0);
        pending->whole = pending->whole || edit.whole;
        const qsizetype keptAtEnd = model.text().size() - edit.position - edit.added;
        pending->keptAtStart =
            pending->edited ? qMin(pending->keptAtStart, edit.position) : edit.position;
        pending->keptAtEnd = pending->edited ? qMin(pending->keptAtEnd, keptAtEnd) : keptAtEnd;
        pending->edited = true;
    });
    QObject::connect(&model, &ControlModel::changed, widget, [catchUpTimer, pending] {
        if (pending->inLongLine)
            catchUpTimer->start(typingPause);
        else if (!catchUpTimer->isActive())
            catchUpTimer->start(0);
    });
    QObject::connect(&model, &ControlModel::focusRequested, widget,
                     [widget] { widget->setFocus(); });
    pending->whole = true;
    catchUp();
}

void bind(TextBoxModel &model, QLabel *caption)
{
    connectModel(model, caption, [&model, caption] {
        mirrorCommon(model, caption, QPalette::Window);
        caption->setText(model.text());
    });
}

void bind(CheckBoxModel &model, QCheckBox *widget)
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

void bind(ComboBoxModel &model, PickList *widget)
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

void bind(PictureModel &model, QLabel *widget)
{
    connectModel(model, widget, [&model, widget] {
        // A missing or unreadable file keeps the picture shown before.
        QPixmap picture;
        if (!model.file().isEmpty() && picture.load(model.file()))
            widget->setPixmap(picture);
    });
}

}  // namespace viewbinding
