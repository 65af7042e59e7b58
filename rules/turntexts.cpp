#include "rules/game.h"
#include <QCoreApplication>

namespace rules {

QString turnCaption(const Game& game, int seat, int mySeat)
{
    if (mySeat == seat)
        return QCoreApplication::translate("rules::Game", "Kuralo 【あなたの番です】");
    return QCoreApplication::translate("rules::Game", "Kuralo 【%1さんの番です】").arg(game.name(seat));
}

QString gameOverCaption()
{
    return QCoreApplication::translate("rules::Game", "ゲーム終了　");
}

QString stoppedCaption()
{
    return QCoreApplication::translate("rules::Game", "ゲーム中断　");
}

QString scoreText(const Game& game, int score)
{
    const QString unit = game.countMode() ? QCoreApplication::translate("rules::Game", "%1個")
                                          : QCoreApplication::translate("rules::Game", "%1点");
    return unit.arg(score);
}

// The faces of one placement: in the count rule with the placed one, else the points.
QString gainText(const Game& game, int taken)
{
    if (game.countMode())
        return QCoreApplication::translate("rules::Game", "%1個").arg(taken + 1);
    return QCoreApplication::translate("rules::Game", "＋%1点").arg(gainFor(Scoring::Points, taken));
}

} // namespace rules
