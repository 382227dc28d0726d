#include "fragments.h"

#include <QStringBuilder>

#include <initializer_list>

// The fragments are joined with QStringBuilder's '%', which sizes the result
// once and copies each part once: the description rides through here at every
// keystroke, and a chain of '+' would copy it again at every step.
namespace fragments {

QString standardHead(const EditorState &s, const QString &label, const QString &white)
{
    return "<table border=1><tr><td width=" % s.tableWidth % " bgcolor=" % s.frameColour %
           "><font color=" % white % " size=2>" % label % "</font></td></tr>";
}

QString standardTitleHead(const EditorState &s, const QString &white)
{
    return standardHead(s, s.titleLabel, white);
}

QString standardTitleBody(const EditorState &s)
{
    return "<tr><td width=" % s.tableWidth % " bgColor=\"#ffffff\"><font color=" %
           s.textColour.toString() % " size=" % s.titleSize % ">" % s.titleText %
           "</font></Tr></td>";
}

static QString standardBodyRowOpening(const EditorState &s, const QString &fontAttributes)
{
    return "<tr><td width=" % s.tableWidth % " ><font color=" % fontAttributes % ">";
}

static QString standardBodyRow(const EditorState &s, const QString &fontAttributes,
                               const QString &text)
{
    return standardBodyRowOpening(s, fontAttributes) % text % standardBodyClosing;
}

QString standardBodyOpening(const EditorState &s)
{
    return standardBodyRowOpening(s, s.textColour.toString());
}

QString standardBody(const EditorState &s, const QString &text)
{
    return standardBodyOpening(s) % text % standardBodyClosing;
}

QString standardPayment(const EditorState &s, const QString &heading)
{
    // The payment lines are always blue, whatever text colour is chosen.
    return standardHead(s, heading) %
           standardBodyRow(s, QStringLiteral("#0000ff size=2"), s.paymentText);
}

void buildStandardSection(EditorState &s, Section section)
{
    switch (section) {
    case Section::Title:
        s.titleHeadFragment = standardTitleHead(s);
        s.titleBodyFragment = standardTitleBody(s);
        break;
    case Section::Description:
        s.descriptionHeadFragment = standardHead(s, s.descriptionLabel);
        s.descriptionBodyFragment = standardBody(s, s.descriptionText);
        break;
    case Section::Other:
        s.otherHeadFragment = standardHead(s, s.otherLabel);
        s.otherBodyFragment = standardBody(s, s.otherText);
        break;
    }
}

void buildStandardSet(EditorState &s)
{
    buildStandardSection(s, Section::Title);
    s.paymentFragment = standardPayment(s);
    buildStandardSection(s, Section::Description);
    buildStandardSection(s, Section::Other);
}

const Pieces &customPieces()
{
    static const Pieces pieces{
        // title heading: 1 to 4
        "<table><tr><TD width=\"100\" bgcolor=", " height=\"50\"><font color=",
        " size=2></center><center>", "</font></td>",
        // title body: 5 to 9
        " <TD width=\"450\" bgcolor=", " height=\"50\"><font color=", " size=",
        "></center><center>", "</font></Tr></td>",
        // payment: 10 to 15
        "<table><tr><TD width=\"100\" bgcolor=", " height=\"50\"><font color=",
        " size=2></center><center>■支払方法■</font></td><TD width=\"450\" bgcolor=",
        " height=\"50\"><font color=", " size=2>", "</font></Tr></td>",
        // description heading: 16 to 19
        "<table><tr><TD width=\"100\" bgcolor=", " height=\"50\"><font color=",
        " size=2></center><center>", "</font></td>",
        // description body: 20 to 23
        " <TD width=\"450\" bgcolor=", " height=\"100\"><font color=", ">", "</font></Tr></td>",
        // other heading: 24 to 27
        "<table><tr><TD width=\"100\" bgcolor=", " height=\"50\"><font color=",
        " size=2></center><center>", "</font></td>",
        // other body: 28 to 31
        " <TD width=\"450\" bgcolor=", " height=\"100\"><font color=", ">", "</font></Tr></td>"};
    return pieces;
}

const Pieces &customPiecesOfSwitch()
{
    static const Pieces pieces = [] {
        Pieces p = customPieces();
        p[7] = " " + p[7];  // piece 8 follows the title size
        return p;
    }();
    return pieces;
}

Pieces piecesOf(const EditorState &s)
{
    Pieces pieces;
    for (int n = 1; n <= EditorState::layoutPieceCount; ++n)
        pieces[n - 1] = s.layoutPiece(n);
    return pieces;
}

// pieces[first] + values[0] + pieces[first + 1] + ... + pieces[first + values.size()]
static QString interleave(const Pieces &pieces, int first, std::initializer_list<QString> values)
{
    // Sized once: in the custom frame every keystroke rebuilds all seven.
    qsizetype size = pieces[first - 1].size();
    for (int n = first; const QString &value : values)
        size += value.size() + pieces[n++].size();
    QString out = pieces[first - 1];
    out.reserve(size);
    for (int n = first; const QString &value : values)
        out.append(value).append(pieces[n++]);
    return out;
}

QString layoutTitleBody(const EditorState &s, const Pieces &p)
{
    return interleave(p, 5, {s.bodyCellColour, s.bodyTextColour, s.titleSize, s.titleText});
}

void buildLayoutSet(EditorState &s, const Pieces &p)
{
    s.titleHeadFragment = interleave(p, 1, {s.headCellColour, s.headTextColour, s.titleLabel});
    s.titleBodyFragment = layoutTitleBody(s, p);
    s.paymentFragment = interleave(
        p, 10,
        {s.headCellColour, s.headTextColour, s.bodyCellColour, s.bodyTextColour, s.paymentText});
    s.descriptionHeadFragment =
        interleave(p, 16, {s.headCellColour, s.headTextColour, s.descriptionLabel});
    s.descriptionBodyFragment =
        interleave(p, 20, {s.bodyCellColour, s.bodyTextColour, s.descriptionText});
    s.otherHeadFragment = interleave(p, 24, {s.headCellColour, s.headTextColour, s.otherLabel});
    s.otherBodyFragment = interleave(p, 28, {s.bodyCellColour, s.bodyTextColour, s.otherText});
}

QString joinListing(const EditorState &s)
{
    static const QString omitted;
    const bool payment = s.omitPayment != 1, other = s.omitOther != 1;
    return s.listingOpen % s.titleHeadFragment % s.titleBodyFragment %
           (payment ? s.paymentFragment : omitted) % s.descriptionHeadFragment %
           s.descriptionBodyFragment % (other ? s.otherHeadFragment : omitted) %
           (other ? s.otherBodyFragment : omitted) % s.listingClose;
}

QString joinAll(const EditorState &s)
{
    return s.listingOpen % s.titleHeadFragment % s.titleBodyFragment % s.paymentFragment %
           s.descriptionHeadFragment % s.descriptionBodyFragment % s.otherHeadFragment %
           s.otherBodyFragment % s.listingClose;
}

}  // namespace fragments
