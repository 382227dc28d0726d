#include "mainform.h"

#include "composer/choicetable.h"
#include "composer/colourtables.h"
#include "paymentmethods.h"

#include <QVarLengthArray>

#include <algorithm>

const QString MainForm::programTitle = QStringLiteral("ルミタ");

MainForm::MainForm(UserInterface &ui, const QString &programFolder, QObject *parent)
    : QObject(parent),
      Combo4("Combo4", titleSizes.items),
      Combo1("Combo1", colourtables::frame.items),
      Combo5("Combo5", colourtables::text.items),
      Combo2("Combo2", colourtables::headCell.items),
      Combo3("Combo3", colourtables::bodyCell.items),
      Combo6("Combo6", colourtables::headText.items),
      Combo7("Combo7", colourtables::bodyText.items),
      m_ui(ui),
      m_programFolder(programFolder)
{
    // As children the controls can be found by name, as the window's are.
    QList<ControlModel *> controls{&Text1, &Text2, &Text3, &Text4};
    for (CheckBoxModel MainForm::*box : memoBoxes)
        controls << &(this->*box);
    controls << QList<ControlModel *>{&Check1, &Check11,  &Combo4,   &Combo1,   &Combo5,
                                      &Combo2, &Combo3,   &Combo6,   &Combo7,   &Image1,
                                      &Image2, &Label5_0, &Label5_2, &Label5_3, &Label5_4};
    for (ControlModel *control : controls)
        control->setParent(this);

    // The window as designed, before start-up changes it.
    for (CheckBoxModel MainForm::*box : memoBoxes)
        (this->*box).setBackground(panelGrey);
    Check5.setValue(1);
    Check1.setValue(1);
    Check1.setBackground(lightCyan);
    Check11.setBackground(lightPink);
    for (TextBoxModel *box : {&Text1, &Text2, &Text3})
        box->setBackground(white);
    Text4.setBackground({192, 192, 192});
    Label5_0.setText("タイトル");
    Label5_2.setText("シハライ");
    Label5_3.setText("セツメイ");
    Label5_4.setText("ソノタ");

    Text1.setHandler([this] { onInputTextChanged(fragments::Section::Title); });
    Text2.setHandler([this] { onInputTextChanged(fragments::Section::Description); });
    Text3.setHandler([this] { onInputTextChanged(fragments::Section::Other); });
    for (int method = 0; method < paymentMethodCount; ++method)
        (this->*paymentMethods[method].box).setHandler([this, method] {
            onPaymentMethodToggled(method);
        });
    Check12.setHandler([this] { onOmitPaymentToggled(); });
    Check13.setHandler([this] { onOmitOtherToggled(); });
    Combo4.setHandler([this] { onTitleSizePicked(); });
    Check1.setHandler([this] { onStandardFrameToggled(); });
    Check11.setHandler([this] { onCustomFrameToggled(); });
    Combo1.setHandler([this] { onFrameColourPicked(); });
    Combo5.setHandler([this] { onTextColourPicked(); });
    Combo2.setHandler([this] { onCustomColourPicked(CustomColour::HeadCell); });
    Combo3.setHandler([this] { onCustomColourPicked(CustomColour::BodyCell); });
    Combo6.setHandler([this] { onCustomColourPicked(CustomColour::HeadText); });
    Combo7.setHandler([this] { onCustomColourPicked(CustomColour::BodyText); });
}

void MainForm::startUp()
{
    EditorState &s = state;
    s.frameColour = colourtables::frame.values.first();
    s.textColour = colourtables::text.values.first();
    s.appFolder = m_programFolder.endsWith('/') ? m_programFolder : m_programFolder + '/';
    // The memo list positions start at 0 and the file dialog's filter and
    // overwrite question are fixed: both live with the file commands.
    s.tableWidth = "550";
    s.omitOther = 0;
    s.omitPayment = 0;
    s.titleSize = "3";
    s.layoutMode = 1;
    for (TextBoxModel *box : {&Text1, &Text2, &Text3})
        box->setPointSize(12);
    Label5_0.setPointSize(9);
    Label5_0.setText("【タイトル】");
    Label5_2.setPointSize(9);
    Label5_2.setText("【支払方法】");
    Label5_3.setPointSize(9);
    Label5_3.setText("【説明本文】");
    Label5_4.setPointSize(11);
    Label5_4.setText("【その他】");
    for (ComboBoxModel *list : {&Combo2, &Combo3, &Combo6, &Combo7})
        list->setEnabled(false);
    s.headCellColour = colourtables::headCell.values.first();
    s.bodyCellColour = colourtables::bodyCell.values.first();
    s.headTextColour = colourtables::headText.values.first();
    s.bodyTextColour = colourtables::bodyText.values.first();
    Check11.setBackground(panelGrey);
    Image2.setFile(s.appFolder + "kime2.jpg");
    s.listingOpen = "<center><body>";
    s.listingClose = "</table></center></body>";
    s.titleLabel = "■商品名■";
    s.paymentFootnote =
        "</font></center><center><font color=#000000 size=2>"
        "［上記のお支払方法がご利用頂けます。］</font></center>";
    s.descriptionLabel = "■商品説明■";
    s.otherLabel = "■その他■";
    // The ticked bank transfer box starts with a wording of its own, which
    // stays until the box is clicked.
    s.paymentLineBankTransfer = " ○銀行振り込み ";
    rebuildPaymentText();
    s.paymentFragment = fragments::standardPayment(s, fragments::paymentHeadingWithKana);
    s.syuturyoku = fragments::joinAll(s);
    m_listingJoined = false;
    s.editedFlag = 0;
    rememberInputAsSaved();
}

void MainForm::refreshListing()
{
    state.syuturyoku = fragments::joinListing(state);
    Text4.setText(state.syuturyoku);
    Text4.setCursorPosition(Text4.text().length());
    m_listingJoined = true;
}

// One scan for the line breaks and one allocation: this runs over the whole
// text at every keystroke, where QString::replace walks it character by
// character and grows its result step by step.
static QString withBreakTags(const QString &text)
{
    constexpr QStringView tag = u"<br>";
    const QStringView view(text);
    QVarLengthArray<qsizetype, 256> breaks;
    for (qsizetype at = view.indexOf(u'\n'); at >= 0; at = view.indexOf(u'\n', at + 1))
        breaks.append(at);
    QString out(text.size() + breaks.size() * (tag.size() - 1), Qt::Uninitialized);
    QChar *to = out.data();
    qsizetype from = 0;
    for (qsizetype at : breaks) {
        to = std::copy(view.begin() + from, view.begin() + at, to);
        to = std::copy(tag.begin(), tag.end(), to);
        from = at + 1;
    }
    std::copy(view.begin() + from, view.end(), to);
    return out;
}

static qsizetype withBreakTagsSize(QStringView text) { return text.size() + text.count(u'\n') * 3; }

static bool holdsAt(QStringView text, qsizetype at, QStringView part)
{
    return at >= 0 && at <= text.size() - part.size() && text.sliced(at, part.size()) == part;
}

void MainForm::onInputTextChanged(fragments::Section section)
{
    EditorState &s = state;
    s.editedFlag = 1;
    if (section != fragments::Section::Title && s.layoutMode == 1 && spliceStandardSection(section))
        return;
    switch (section) {
    case fragments::Section::Title:
        s.titleText = Text1.text();
        break;
    case fragments::Section::Description:
        s.descriptionText = withBreakTags(Text2.text());
        break;
    case fragments::Section::Other:
        s.otherText = withBreakTags(Text3.text());
        break;
    }
    if (s.layoutMode == 1)
        fragments::buildStandardSection(s, section);
    else
        rebuildAllByLayout();
    refreshListing();
}

// A keystroke in a long text changes a few characters of the section's
// converted text, its body fragment and the listing: the same edit, converted,
// is made to each in place, which gives the bytes a rebuild would give at a
// cost that does not grow with the text. False, having changed nothing, when
// they are not as a rebuild before the edit left them (a rebuild then follows).
bool MainForm::spliceStandardSection(fragments::Section section)
{
    EditorState &s = state;
    const bool description = section == fragments::Section::Description;
    const TextBoxModel &box = description ? Text2 : Text3;
    const TextEdit &edit = box.lastEdit();
    QString &converted = description ? s.descriptionText : s.otherText;
    QString &body = description ? s.descriptionBodyFragment : s.otherBodyFragment;
    const QString &head = description ? s.descriptionHeadFragment : s.otherHeadFragment;
    const QString opening = fragments::standardBodyOpening(s);
    if (edit.whole || !m_listingJoined ||
        head != fragments::standardHead(s, description ? s.descriptionLabel : s.otherLabel) ||
        body.size() != opening.size() + converted.size() + fragments::standardBodyClosing.size() ||
        !QStringView(body).startsWith(opening))
        return false;

    // Where the edit falls in the converted text, counted from the nearer end.
    const QStringView text(box.text());
    const qsizetype unchangedAfter = text.size() - edit.position - edit.added;
    const qsizetype at = edit.position < unchangedAfter
                             ? withBreakTagsSize(text.first(edit.position))
                             : converted.size() - withBreakTagsSize(text.last(unchangedAfter)) -
                                   withBreakTagsSize(edit.removed);
    const QString removed = withBreakTags(edit.removed);
    const QString added = withBreakTags(text.sliced(edit.position, edit.added).toString());
    if (!holdsAt(converted, at, removed))
        return false;

    // In the listing, the body is followed by the other notes (when shown) and the close.
    const bool other = s.omitOther != 1;
    const bool listed = description || other;
    const qsizetype followingBody =
        (description && other ? s.otherHeadFragment.size() + s.otherBodyFragment.size() : 0) +
        s.listingClose.size();
    const qsizetype bodyAt = s.syuturyoku.size() - followingBody - body.size();
    const qsizetype listingAt = bodyAt + opening.size() + at;
    if (listed &&
        (Text4.text().size() != s.syuturyoku.size() || !holdsAt(s.syuturyoku, bodyAt, opening) ||
         !holdsAt(s.syuturyoku, listingAt, removed) ||
         !holdsAt(s.syuturyoku, bodyAt + body.size() - fragments::standardBodyClosing.size(),
                  fragments::standardBodyClosing)))
        return false;

    spliceText(converted, at, removed.size(), added);
    spliceText(body, opening.size() + at, removed.size(), added);
    if (!listed)
        return true;
    spliceText(s.syuturyoku, listingAt, removed.size(), added);
    Text4.replace(listingAt, removed.size(), added);
    Text4.setCursorPosition(Text4.text().length());
    return true;
}

void MainForm::rebuildAllByLayout()
{
    if (state.layoutMode == 2)
        fragments::buildLayoutSet(state, fragments::customPieces());
    else if (state.layoutMode == 3)
        fragments::buildLayoutSet(state, fragments::piecesOf(state));
}
