#pragma once

#include <QStringList>
#include <optional>

// A list's items and the value that each item selects, by position. Lists are
// looked up by index only: the same name can mean different values in
// different lists.
struct ChoiceTable {
    QStringList items;
    QStringList values;

    std::optional<QString> valueAt(int index) const
    {
        if (index < 0 || index >= values.size())
            return std::nullopt;
        return values.at(index);
    }
};

// Combo4: the HTML font size of the title ("特大" is 9, not 7).
inline const ChoiceTable titleSizes{{"普通", "　大", "特大"}, {"3", "5", "9"}};
