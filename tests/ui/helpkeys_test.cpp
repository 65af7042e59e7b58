#include "tests/support/computergame.h"
#include "tests/ui/main_fixture.h"
#include "ui/helpkeys.h"
#include "ui/howtoplay.h"
#include "ui/replaywindow.h"
#include <QAbstractButton>
#include <QAction>
#include <QShortcut>
#include <QTextBrowser>

// Every key the help names is the key its window binds, and the help names each of them.

namespace {

// Every key a window answers to: its actions', its buttons' and its shortcuts'.
QList<QKeySequence> boundKeys(const QWidget& window)
{
    QList<QKeySequence> keys;
    for (const QAction* action : window.findChildren<QAction*>())
        keys += action->shortcuts();
    for (const QAction* action : window.actions())
        keys += action->shortcuts();
    for (const QAbstractButton* button : window.findChildren<QAbstractButton*>())
        keys += button->shortcut();
    for (const QShortcut* shortcut : window.findChildren<QShortcut*>())
        keys += shortcut->keys();
    return keys;
}

class HelpKeys : public MainFormTest {};

} // namespace

TEST_F(HelpKeys, EachKeyTheHelpNamesIsBoundInItsWindowAndNamedInTheHelp)
{
    create(8);
    const record::Record game = computerGame(5, 6, rules::Scoring::Points, false);
    const ui::ReplayWindow replay(record::Reading{game, {}, 0}, form->images(), {});
    const QWidget* windows[] = {boot.get(), form.get(), &replay};
    control<QAction>(*form, "HelpAction")->trigger();
    const QString help = form->findChild<ui::HowToPlay*>()->Text->toPlainText();
    for (const ui::HelpKey& key : ui::helpKeys()) {
        const QString shown = key.key.toString(QKeySequence::NativeText);
        EXPECT_TRUE(boundKeys(*windows[key.window]).contains(key.key)) << shown.toStdString();
        EXPECT_TRUE(help.contains(key.line())) << shown.toStdString();
    }
}
