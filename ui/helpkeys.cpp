#include "ui/helpkeys.h"
#include <QCoreApplication>

namespace ui {

QString HelpKey::line() const
{
    return key.toString(QKeySequence::NativeText) + QLatin1Char(' ') + QCoreApplication::translate("HelpKey", what);
}

const std::vector<HelpKey>& helpKeys()
{
    static const std::vector<HelpKey> keys{
        {HelpKey::Lobby, QKeySequence(Qt::CTRL | Qt::Key_R), QT_TRANSLATE_NOOP("HelpKey", "記録と成績")},
        {HelpKey::Lobby, QKeySequence::HelpContents, QT_TRANSLATE_NOOP("HelpKey", "遊び方（この画面）")},
        {HelpKey::Game, QKeySequence(Qt::Key_L), QT_TRANSLATE_NOOP("HelpKey", "打てる所を表示")},
        {HelpKey::Game, QKeySequence(Qt::Key_H), QT_TRANSLATE_NOOP("HelpKey", "ヒント")},
        {HelpKey::Game, QKeySequence(Qt::CTRL | Qt::Key_Z), QT_TRANSLATE_NOOP("HelpKey", "待った")},
        {HelpKey::Game, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QT_TRANSLATE_NOOP("HelpKey", "やり直し")},
        {HelpKey::Game, QKeySequence(Qt::CTRL | Qt::Key_N), QT_TRANSLATE_NOOP("HelpKey", "新しいゲーム")},
        {HelpKey::Game, QKeySequence(Qt::Key_F2), QT_TRANSLATE_NOOP("HelpKey", "新しいゲーム")},
        {HelpKey::Game, QKeySequence(Qt::Key_M), QT_TRANSLATE_NOOP("HelpKey", "消音と音の戻し")},
        {HelpKey::Game, QKeySequence::HelpContents, QT_TRANSLATE_NOOP("HelpKey", "遊び方（この画面）")},
        {HelpKey::Replay, QKeySequence(Qt::Key_Left), QT_TRANSLATE_NOOP("HelpKey", "一手戻る")},
        {HelpKey::Replay, QKeySequence(Qt::Key_Right), QT_TRANSLATE_NOOP("HelpKey", "一手進む")},
        {HelpKey::Replay, QKeySequence(Qt::Key_A), QT_TRANSLATE_NOOP("HelpKey", "分析")},
    };
    return keys;
}

} // namespace ui
