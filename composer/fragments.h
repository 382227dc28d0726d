#pragma once

#include "editorstate.h"

#include <array>

// The HTML templates of the listing. Each template is spelled once; where two
// callers want the same shape with one literal changed, the literal is a
// parameter.
namespace fragments {

using Pieces = std::array<QString, EditorState::layoutPieceCount>;

enum class Section { Title, Description, Other };

// The two spellings of the white in the standard frame's title heading.
inline const QString quotedWhite = QStringLiteral("\"#ffffff\"");
inline const QString plainWhite = QStringLiteral("#ffffff");

// The two headings of the standard frame's payment section.
inline const QString paymentHeading = QStringLiteral("■支払方法■");
inline const QString paymentHeadingWithKana = QStringLiteral("■支払い方法■");

// Standard frame: a bordered table per section.
QString standardHead(const EditorState &s, const QString &label, const QString &white = plainWhite);
QString standardTitleHead(const EditorState &s, const QString &white = quotedWhite);
QString standardTitleBody(const EditorState &s);
QString standardBody(const EditorState &s, const QString &text);
// A body fragment is its opening, the section's text and this closing.
QString standardBodyOpening(const EditorState &s);
inline const QString standardBodyClosing = QStringLiteral("</font></Tr></td><br>");
QString standardPayment(const EditorState &s, const QString &heading = paymentHeading);
// Rebuilds one section's two fragments, as its text box's handler does.
void buildStandardSection(EditorState &s, Section section);
// Rebuilds all seven, as the switch to the standard frame does.
void buildStandardSet(EditorState &s);

// Custom frame and file-defined layout share one template: 31 fixed pieces
// interleaved with the colours, labels and texts. The custom frame is that
// template filled with its own pieces.
const Pieces &customPieces();
// The custom pieces as the frame switch writes them: a space before the ">"
// that follows the title size.
const Pieces &customPiecesOfSwitch();
Pieces piecesOf(const EditorState &s);

QString layoutTitleBody(const EditorState &s, const Pieces &pieces);
void buildLayoutSet(EditorState &s, const Pieces &pieces);

// The listing as refreshListing joins it, leaving out omitted sections.
QString joinListing(const EditorState &s);
// All nine parts, whatever the omission flags say (start-up, New).
QString joinAll(const EditorState &s);

}  // namespace fragments
