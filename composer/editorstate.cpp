#include "editorstate.h"

#include <array>

static constexpr std::array<QString EditorState::*, EditorState::layoutPieceCount> pieceMembers{
    &EditorState::layoutPiece01, &EditorState::layoutPiece02, &EditorState::layoutPiece03,
    &EditorState::layoutPiece04, &EditorState::layoutPiece05, &EditorState::layoutPiece06,
    &EditorState::layoutPiece07, &EditorState::layoutPiece08, &EditorState::layoutPiece09,
    &EditorState::layoutPiece10, &EditorState::layoutPiece11, &EditorState::layoutPiece12,
    &EditorState::layoutPiece13, &EditorState::layoutPiece14, &EditorState::layoutPiece15,
    &EditorState::layoutPiece16, &EditorState::layoutPiece17, &EditorState::layoutPiece18,
    &EditorState::layoutPiece19, &EditorState::layoutPiece20, &EditorState::layoutPiece21,
    &EditorState::layoutPiece22, &EditorState::layoutPiece23, &EditorState::layoutPiece24,
    &EditorState::layoutPiece25, &EditorState::layoutPiece26, &EditorState::layoutPiece27,
    &EditorState::layoutPiece28, &EditorState::layoutPiece29, &EditorState::layoutPiece30,
    &EditorState::layoutPiece31};

QString &EditorState::layoutPiece(int n) { return this->*pieceMembers.at(n - 1); }

const QString &EditorState::layoutPiece(int n) const { return this->*pieceMembers.at(n - 1); }
