// New, Open and Save of memo files.
#include "composer/colourtables.h"
#include "memo/cp932.h"
#include "memo/diskfile.h"
#include "memo/memofile.h"
#include "mainform.h"
#include "paymentmethods.h"
#include "userinterface.h"

#include <array>

// The file dialog's one file type and the name it starts with.
static const QString fileFilter = QStringLiteral("ルミタファイル (*.qip)");
static const QString initialName = QStringLiteral("*.qip");

// Far beyond any listing typed by hand, and what the window can take: a
// file within these limits opens in well under a second (docs/performance.md).
// A text box spends its time per byte and per line; a file of line breaks
// alone has a line for every byte. The length of one line is not limited:
// the description, the numbers and the layout pieces share a line of the
// file, so such a limit would refuse files this program wrote.
static constexpr qint64 largestMemoFile = 1024 * 1024;
static constexpr qsizetype mostMemoLines = 20'000;

// The unrepresentable characters named in Save's question; the rest are counted.
static constexpr int namedCharactersAtMost = 10;

// The lists a memo file stores, in file order.
static_assert(memoBoxes.size() == MemoRecord::checkCount);
static const std::array<ComboBoxModel MainForm::*, MemoRecord::colourListCount> memoColourLists{
    &MainForm::Combo1, &MainForm::Combo5, &MainForm::Combo2,
    &MainForm::Combo3, &MainForm::Combo6, &MainForm::Combo7};

void MainForm::newMemo()
{
    EditorState &s = state;
    s.confirmAnswer =
        m_ui.ask(QStringLiteral("新規作成"),
                 QStringLiteral("現在のデーターは失われます！\r\n  新規作成しますか？"));
    if (s.confirmAnswer != UserInterface::yes)
        return;
    for (TextBoxModel *box : {&Text1, &Text2, &Text3})
        box->setText({});
    for (ComboBoxModel *list : {&Combo1, &Combo5, &Combo2, &Combo3, &Combo4, &Combo6, &Combo7})
        list->select(0);
    // Bank transfer stays ticked, keeping the wording it started with.
    for (CheckBoxModel MainForm::*box : memoBoxes)
        if (box != &MainForm::Check5)
            (this->*box).setValue(0);
    Check5.setValue(1);
    Check1.setValue(1);
    // The first colours of the lists, also when a list already showed its
    // first item and so ran no handler.
    s.frameColour = colourtables::frame.values.first();
    s.textColour = colourtables::text.values.first();
    fragments::buildStandardSet(s);
    s.syuturyoku = fragments::joinAll(s);
    m_listingJoined = false;
    // The empty listing is in place for preview and paste, but the source
    // box stays empty until the next change.
    Text4.setText({});
    s.openAnswer = UserInterface::yes;
    s.editedFlag = 0;
    rememberInputAsSaved();
}

// Puts a read record into the window; every control change runs its handler,
// which re-derives payment lines, flags, size and colours.
static void applyMemo(MainForm &form, const MemoRecord &record)
{
    EditorState &s = form.state;
    for (int n = 1; n <= EditorState::layoutPieceCount; ++n)
        s.layoutPiece(n) = record.pieces[n - 1];
    form.Text1.setText(record.title);
    form.Text2.setText(record.description);
    form.Text3.setText(record.other);
    for (int i = 0; i < MemoRecord::checkCount; ++i)
        (form.*memoBoxes[i]).setValue(record.checks[i]);
    form.Combo4.select(record.titleSize);
    s.layoutMode = record.layoutMode;
    for (int i = 0; i < MemoRecord::colourListCount; ++i)
        (form.*memoColourLists[i]).select(record.colours[i]);
    // Ticking a frame box switches the window only when it was unticked; the
    // fragments are built here either way.
    switch (s.layoutMode) {
    case 1:
        form.Check1.setValue(1);
        fragments::buildStandardSet(s);
        break;
    case 2:
        form.Check11.setValue(1);
        fragments::buildLayoutSet(s, fragments::customPiecesOfSwitch());
        break;
    case 3:
        // The window shows the custom frame while the listing uses the file's pieces.
        form.Check11.setValue(1);
        fragments::buildLayoutSet(s, fragments::piecesOf(s));
        s.layoutMode = 3;
        break;
    }
    form.refreshListing();
    form.Text1.setFocus();
}

// The number of lines as the text boxes show them, broken at CR LF, a lone
// CR or a lone LF. No trail byte of a double-byte character is a CR or an LF.
static qsizetype lineCount(const QByteArray &bytes)
{
    qsizetype lines = 1;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] != '\r' && bytes[i] != '\n')
            continue;
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
            ++i;
        ++lines;
    }
    return lines;
}

// Whether Open would take a file of these bytes for its size and its lines;
// error receives why not.
static bool withinOpenLimits(const QByteArray &bytes, QString *error)
{
    if (bytes.size() > largestMemoFile)
        *error = diskfile::tooLarge(largestMemoFile);
    else if (lineCount(bytes) > mostMemoLines)
        *error = QStringLiteral("行が多すぎます。開けるのは %1 行までです。").arg(mostMemoLines);
    else
        return true;
    return false;
}

void MainForm::openMemo()
{
    EditorState &s = state;
    if (s.editedFlag == 1)
        s.openAnswer = m_ui.ask(QStringLiteral("読み込み"),
                                QStringLiteral("読み込みをすると現在のデーターは失われます？"));
    if (s.openAnswer == UserInterface::no)
        return;
    const QString path = m_ui.chooseFileToOpen(fileFilter, initialName);
    if (!path.isEmpty())
        openMemoFile(path);
}

void MainForm::openMemoFile(const QString &path)
{
    // The whole file is read and checked before anything changes, so a bad
    // file leaves the window and the pieces as they were.
    QString reason;
    const std::optional<QByteArray> bytes = diskfile::load(path, largestMemoFile, &reason);
    std::optional<MemoRecord> record;
    if (bytes && withinOpenLimits(*bytes, &reason))
        record = memofile::read(*bytes, &reason);
    if (!record) {
        m_ui.tell(programTitle,
                  QStringLiteral("ファイル「%1」を読み込めませんでした。\r\n%2").arg(path, reason),
                  UserInterface::Icon::Warning);
        return;
    }
    applyMemo(*this, *record);
    rememberInputAsSaved();
}

static MemoRecord memoOf(const MainForm &form)
{
    MemoRecord record;
    record.title = form.Text1.text();
    record.description = form.Text2.text();
    record.other = form.Text3.text();
    for (int i = 0; i < MemoRecord::checkCount; ++i)
        record.checks[i] = (form.*memoBoxes[i]).value();
    // A list without a selection shows its first item and is stored as such.
    auto indexOf = [](const ComboBoxModel &list) { return qint16(qMax(list.index(), 0)); };
    record.titleSize = indexOf(form.Combo4);
    record.layoutMode = form.state.layoutMode;
    for (int i = 0; i < MemoRecord::colourListCount; ++i)
        record.colours[i] = indexOf(form.*memoColourLists[i]);
    for (int n = 1; n <= EditorState::layoutPieceCount; ++n)
        record.pieces[n - 1] = form.state.layoutPiece(n);
    return record;
}

QByteArray MainForm::inputAsSaved() const { return memofile::compose(memoOf(*this)); }

// The characters as the user sees them, each with its code point, so that
// invisible ones can be found too. A lone half of a surrogate pair has no
// look of its own and shows as the replacement character.
static QString nameCharacters(const QStringList &characters)
{
    QStringList names;
    for (const QString &character :
         characters.first(qMin(characters.size(), namedCharactersAtMost))) {
        const char32_t point = cp932::codePointOf(character);
        names << QStringLiteral("「%1」(U+%2)")
                     .arg(QChar::isSurrogate(point) ? QString(QChar::ReplacementCharacter)
                                                    : character,
                          QString::number(point, 16).toUpper().rightJustified(4, u'0'));
    }
    QString text = names.join(QStringLiteral("　"));
    if (characters.size() > namedCharactersAtMost)
        text += QStringLiteral("　ほか %1 文字").arg(characters.size() - namedCharactersAtMost);
    return text;
}

void MainForm::saveMemo()
{
    // Refused or asked before the file dialog, so that a choice of file is
    // never wasted. A marker inside a text would shift every later field.
    const std::pair<const TextBoxModel *, const char16_t *> boxes[] = {
        {&Text1, u"タイトル"}, {&Text2, u"説明本文"}, {&Text3, u"その他"}};
    for (const auto &[box, name] : boxes) {
        if (box->text().contains(memofile::marker)) {
            m_ui.tell(programTitle,
                      QStringLiteral("「%1」に「%2」という文字列があるため、保存できません。\r\n"
                                     "この文字列を消すか書き換えてから保存してください。")
                          .arg(QString::fromUtf16(name), memofile::marker),
                      UserInterface::Icon::Warning);
            return;
        }
    }
    const QString text = memofile::text(memoOf(*this));
    const QStringList missing = cp932::unrepresentable(text);
    if (!missing.isEmpty() &&
        m_ui.ask(programTitle, QStringLiteral("次の文字はルミタファイルに保存できません。\r\n%1\r\n"
                                              "これらを「?」に置き換えて保存しますか？")
                                   .arg(nameCharacters(missing))) != UserInterface::yes)
        return;

    // A file Open would refuse keeps the work on disk, but the user should
    // know before choosing it that it cannot be read back here.
    const QByteArray bytes = cp932::encode(text);
    QString beyondLimits;
    if (!withinOpenLimits(bytes, &beyondLimits) &&
        m_ui.ask(programTitle,
                 QStringLiteral("この内容で保存したファイルは、ルミタで読み込めません。\r\n%1\r\n"
                                "それでも保存しますか？")
                     .arg(beyondLimits)) != UserInterface::yes)
        return;

    const QString path = m_ui.chooseFileToSave(fileFilter, initialName);
    if (path.isEmpty())
        return;
    QString failure;
    if (!diskfile::save(path, bytes, &failure)) {
        m_ui.tell(programTitle,
                  QStringLiteral("ファイル「%1」を保存できませんでした。\r\n%2").arg(path, failure),
                  UserInterface::Icon::Warning);
        return;
    }
    m_savedInput = bytes;
}
