#pragma once
#include "rules/ranking.h"
#include "rules/scoring.h"
#include <QFont>
#include <QString>
#include <vector>

// The texts of a finished game's result.
namespace ui {

// The lobby's chat line: "◆結果　1位 A 58点、1位 C 58点、3位 …", in the unit of the game's
// scoring rule (点 or 個), as the score labels show it. It stays on this station.
QString resultChatLine(const std::vector<rules::Place>& places, rules::Scoring scoring);

// A score in the unit of the scoring rule: "58点", "12個".
QString scoreText(int score, rules::Scoring scoring);

// The game window's result panel: a heading and one row per seat, best first (rich text).
QString resultPanelText(const std::vector<rules::Place>& places, rules::Scoring scoring);

// The places with every name shortened, where it must, so that the panel's rows fit `width`
// pixels of that font (bold, as the first place shows).
std::vector<rules::Place> namesFitted(std::vector<rules::Place> places, rules::Scoring scoring, const QFont& font,
                                      int width);

} // namespace ui
