#include "rules/notation.h"
#include <QSet>
#include <gtest/gtest.h>

// One name for a cell wherever a person reads it.

TEST(Notation, NamesTheColumnByLetterAndTheRowFromOneAtTheTop)
{
    struct Case {
        int col, row;
        const char* name;
    };
    for (const Case c : {Case{0, 0, "A1"}, Case{2, 9, "C10"}, Case{9, 2, "J3"}, Case{25, 25, "Z26"}, Case{25, 0, "Z1"}})
        EXPECT_EQ(rules::cellName(c.col, c.row), QString::fromLatin1(c.name)) << c.name;
}

TEST(Notation, EveryCellOfTheLargestBoardHasANameOfItsOwn)
{
    QSet<QString> names;
    for (int col = 0; col < 26; ++col)
        for (int row = 0; row < 26; ++row)
            names.insert(rules::cellName(col, row));
    EXPECT_EQ(names.size(), 26 * 26);
}
