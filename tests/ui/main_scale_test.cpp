#include "tests/ui/main_fixture.h"
#include "tests/support/controls.h"
#include "rules/notation.h"
#include <QAccessible>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

// The game window larger than its smallest size, names that fill the host's 24 bytes, and
// what assistive technology reads.

TEST_F(MainFormTest, EnlargedWindowGrowsTheBoardAndShrinksBackToThePrescribedCells)
{
    startShown(8);
    const QSize smallest = form->size();
    form->resize(smallest + QSize(300, 300));
    EXPECT_GT(boardGrid()->shownCell(), 25);
    EXPECT_EQ(boardGrid()->width(), 8 * boardGrid()->shownCell());
    EXPECT_EQ(control<QFrame>(*form, "Panel")->x(), boardGrid()->geometry().right() + 1 + 10);
    EXPECT_LE(control<QFrame>(*form, "Panel")->geometry().right(), form->width());

    form->resize(smallest);
    EXPECT_EQ(boardGrid()->shownCell(), 25);
    EXPECT_EQ(boardGrid()->geometry(), QRect(0, 0, 200, 200));
    EXPECT_EQ(control<QFrame>(*form, "Panel")->pos(), QPoint(210, 8));
}

TEST_F(MainFormTest, LongestNamesFitOrShowWholeInTheirTooltip)
{
    startShown(8);
    const QString longest = QStringLiteral("W").repeated(24);
    form->showName(2, longest);
    const QWidget* name = control(*form, "Name2");
    EXPECT_LE(name->width(), ui::Tmainform::NameWidth + 2);
    EXPECT_EQ(name->toolTip(), longest);
    form->showName(2, QStringLiteral("青"));
    EXPECT_TRUE(name->toolTip().isEmpty());

    std::vector<rules::Place> places;
    for (int seat = 1; seat <= 4; ++seat)
        places.push_back({seat, seat, longest, 746});
    form->showResult(places);
    const QWidget* result = control(*form, "PanelResult");
    EXPECT_GE(result->width(), result->sizeHint().width());
    EXPECT_LE(result->geometry().right(), form->width());
}

TEST_F(MainFormTest, BoardIsATableOfNamedCells)
{
    startShown(8);
    openTurn();
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(boardGrid());
    ASSERT_NE(table, nullptr);
    ASSERT_NE(table->tableInterface(), nullptr);
    EXPECT_EQ(table->tableInterface()->rowCount(), 8);
    EXPECT_EQ(table->childCount(), 64);
    const auto legal = form->game().legalCells();
    ASSERT_FALSE(legal.empty());
    const auto [col, row] = legal.front();
    QAccessibleInterface* cell = table->tableInterface()->cellAt(row, col);
    ASSERT_NE(cell, nullptr);
    EXPECT_EQ(cell->text(QAccessible::Name),
              rules::cellName(col, row) + QStringLiteral("、空き、打てる"));
    EXPECT_EQ(table->indexOfChild(cell), row * 8 + col);
    for (int c = 0; c < 8; ++c)
        for (int r = 0; r < 8; ++r)
            if (form->game().board()[c][r] == 2) {
                EXPECT_EQ(table->tableInterface()->cellAt(r, c)->text(QAccessible::Name),
                          rules::cellName(c, r) + QStringLiteral("、青の顔"));
            }
}

TEST_F(MainFormTest, EveryControlOfBothWindowsHasAName)
{
    startShown(8);
    boot->show();
    for (QWidget* window : {static_cast<QWidget*>(boot.get()), static_cast<QWidget*>(form.get())})
        for (QWidget* control : window->findChildren<QWidget*>())
            if (control->focusPolicy() != Qt::NoFocus && control->isVisibleTo(window)) {
                EXPECT_FALSE(QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name).isEmpty())
                    << control->objectName().toStdString() << " " << control->metaObject()->className();
            }
}

TEST_F(MainFormTest, EachSeatIsOneNameThatFollowsTheTurn)
{
    startShown(8);
    form->showName(2, QStringLiteral("葵"));
    form->showScore(2, 45);
    form->showLamp(2, true);
    EXPECT_EQ(control<QLabel>(*form, "Light2")->accessibleName(), QStringLiteral("葵、2番席、45点、手番"));
    form->showLamp(2, false);
    EXPECT_EQ(control<QLabel>(*form, "Light2")->accessibleName(), QStringLiteral("葵、2番席、45点"));
}
