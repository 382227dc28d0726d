#pragma once

#include "composer/editorstate.h"

#include <QString>
#include <array>

// What a memo file holds: the values Save gathers from the window and Open
// gives back to it. Numbers stay as the file writes them (list indexes from 0).
struct MemoRecord {
    // The nine payment boxes in listing order, then the two omission boxes:
    // Check20, Check5, Check2, Check3, Check7, Check6, Check9, Check4, Check8,
    // Check12, Check13.
    static constexpr int checkCount = 11;
    // Combo1, Combo5, Combo2, Combo3, Combo6, Combo7.
    static constexpr int colourListCount = 6;

    QString title;        // Text1
    QString description;  // Text2, line breaks as CR LF
    QString other;        // Text3, line breaks as CR LF
    std::array<qint16, checkCount> checks{};
    qint16 titleSize = 0;  // Combo4's index
    qint16 layoutMode = 1;
    std::array<qint16, colourListCount> colours{};
    std::array<QString, EditorState::layoutPieceCount> pieces;

    friend bool operator==(const MemoRecord &, const MemoRecord &) = default;
};
