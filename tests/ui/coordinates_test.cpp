#include "tests/ui/main_fixture.h"
#include "rules/notation.h"
#include "ui/boardcoordinates.h"
#include "ui/lookcontrols.h"
#include <QAccessible>
#include <QStatusBar>

// The letters and numbers along the board: only where the window has room for them, never at
// the cost of the smallest window's board; and every cell named alike wherever it is named.

namespace {

class Coordinates : public MainFormTest {
protected:
    ui::BoardCoordinates* strips() const { return form->findChild<ui::BoardCoordinates*>(); }
    ui::LookControls* looks() const { return form->findChild<ui::LookControls*>(); }
};

} // namespace

TEST_F(Coordinates, ShowOnlyWhereTheWindowHasRoomAndWhenWanted)
{
    startShown(8);
    form->resize(1, 1);
    QApplication::processEvents();
    EXPECT_EQ(boardGrid()->geometry(), QRect(0, 0, 200, 200));
    EXPECT_FALSE(strips()->isVisible());

    form->resize(form->size() + QSize(40, 40));
    QApplication::processEvents();
    EXPECT_EQ(boardGrid()->pos(), QPoint(ui::BoardCoordinates::Margin, ui::BoardCoordinates::Margin));
    EXPECT_TRUE(strips()->isVisible());
    EXPECT_EQ(strips()->geometry().bottomRight(), boardGrid()->geometry().bottomRight());
    EXPECT_LT(boardGrid()->geometry().right(), control<QFrame>(*form, "Panel")->x());

    ui::LookSetting off = looks()->setting();
    off.coordinates = false;
    looks()->apply(off);
    EXPECT_EQ(boardGrid()->pos(), QPoint(0, 0));
    EXPECT_FALSE(strips()->isVisible());
    EXPECT_FALSE(ui::readLookSetting(folder.path(QStringLiteral("setting.ini"))).coordinates);
}

TEST_F(Coordinates, EveryCellOfTheLargestBoardIsNamedAlikeInTheStatusBarAndToAScreenReader)
{
    startShown(26);
    openTurn();
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(boardGrid());
    ASSERT_NE(table, nullptr);
    for (int col = 0; col < 26; ++col)
        for (int row = 0; row < 26; ++row) {
            const QString name = rules::cellName(col, row);
            hover(col * 25 + 12, row * 25 + 12);
            if (col != 0 || row != 0) { // the hover cell of a new game writes nothing until left
                ASSERT_EQ(control<QStatusBar>(*form, "StatusBar")->currentMessage(), QStringLiteral("移動中：") + name);
            }
            ASSERT_EQ(table->tableInterface()->cellAt(row, col)->text(QAccessible::Name).section(u'、', 0, 0), name);
        }
    for (int i = 0; i < 26; ++i)
        EXPECT_EQ(table->tableInterface()->columnDescription(i) + table->tableInterface()->rowDescription(i),
                  rules::cellName(i, i));
}
