#include "record/recordtext.h"
#include <QTimeZone>
#include <gtest/gtest.h>
#include <random>

using record::Move;
using record::Record;
using record::readRecord;
using record::recordText;

namespace {

Record randomGame(std::mt19937& random)
{
    const auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    Record game;
    game.played = QDateTime(QDate(2026, 1, 1), QTime(0, 0), QTimeZone(3600 * pick(-12, 14))).addSecs(pick(0, 1 << 30));
    game.boardSize = pick(rules::MinBoardSize, rules::MaxBoardSize);
    game.scoring = pick(0, 1) ? rules::Scoring::Count : rules::Scoring::Points;
    game.timeLimit = pick(rules::MinTimeLimit, rules::NoLimit);
    game.rotation = pick(0, 1) == 1;
    const QString names[] = {QStringLiteral("あおい"), QStringLiteral("CPU1(強い)"), QStringLiteral(" two  spaces "),
                             QStringLiteral("ゲスト1"), QStringLiteral("move 1 A1"), QString()};
    for (auto& name : game.names)
        name = names[pick(0, 5)];
    game.ownSeat = pick(0, 4);
    const int turns = pick(0, 4 * game.boardSize * game.boardSize);
    for (int turn = 0; turn < turns; ++turn)
        game.moves.push_back(pick(0, 9) == 0 ? Move{pick(1, 4), -1, -1}
                                             : Move{pick(1, 4), pick(0, game.boardSize - 1), pick(0, game.boardSize - 1)});
    if (pick(0, 3) > 0)
        game.finalScores = std::array<int, 4>{pick(0, 5000), pick(0, 5000), pick(0, 5000), pick(0, 5000)};
    return game;
}

const char* const Small = "taisen record 1\n"
                          "date 2026-12-08T20:15:00+09:00\n"
                          "board 8\n"
                          "rule count\n"
                          "time 30\n"
                          "rotation on\n"
                          "seat 1 あおい\nseat 2 Bob\nseat 3 CPU1(強い)\nseat 4 ゆうと\n"
                          "station 2\n"
                          "move 1 C4\nmove 2 pass\nmove 3 H8\n"
                          "final 1 place 1 score 30\nfinal 2 place 3 score 12\nfinal 3 place 1 score 30\nfinal 4 place 4 score 2\n";

} // namespace

TEST(RecordText, RandomGamesOfEverySizeReadBackAsWritten)
{
    std::mt19937 random(20261208);
    for (int i = 0; i < 300; ++i) {
        const Record game = randomGame(random);
        const auto reading = readRecord(recordText(game));
        ASSERT_TRUE(reading.game.has_value()) << reading.problem.toStdString();
        EXPECT_TRUE(reading.problem.isEmpty()) << reading.problem.toStdString();
        EXPECT_EQ(*reading.game, game) << recordText(game).toStdString();
    }
}

TEST(RecordText, AWholeRecordReads)
{
    const auto reading = readRecord(Small);
    ASSERT_TRUE(reading.game && reading.problem.isEmpty());
    const Record& game = *reading.game;
    EXPECT_EQ(game.scoring, rules::Scoring::Count);
    EXPECT_EQ(game.timeLimit, 30);
    EXPECT_EQ(game.ownSeat, 2);
    EXPECT_EQ(game.name(3), QStringLiteral("CPU1(強い)"));
    EXPECT_EQ(game.moves, (std::vector<Move>{{1, 2, 3}, {2, -1, -1}, {3, 7, 7}}));
    EXPECT_EQ(game.finalScores, (std::array<int, 4>{30, 12, 30, 2}));
    EXPECT_EQ(game.played.toUTC(), QDateTime(QDate(2026, 12, 8), QTime(11, 15), QTimeZone::utc()));
}

// A damaged record opens up to its last sound move, unfinished, and says which line stopped it.
struct Damage {
    const char* name;
    QByteArray (*damage)(QByteArray);
    bool opens;
    int moves;
    int line;
};

class DamagedRecord : public testing::TestWithParam<Damage> {};

TEST_P(DamagedRecord, StopsWhereTheDamageIs)
{
    const auto reading = readRecord(GetParam().damage(Small));
    EXPECT_FALSE(reading.problem.isEmpty());
    EXPECT_EQ(reading.problemLine, GetParam().line);
    ASSERT_EQ(reading.game.has_value(), GetParam().opens);
    if (reading.game) {
        EXPECT_EQ(int(reading.game->moves.size()), GetParam().moves);
        EXPECT_FALSE(reading.game->finished());
    }
}

QByteArray replaced(QByteArray text, const char* from, const char* to)
{
    return text.replace(from, to);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DamagedRecord,
    testing::Values(
        Damage{"CutInTheMoves", [](QByteArray t) { return t.left(t.indexOf("move 3")); }, true, 2, 14},
        Damage{"CutInTheResult", [](QByteArray t) { return t.left(t.indexOf("final 3")); }, true, 3, 17},
        Damage{"CellOffTheBoard", [](QByteArray t) { return replaced(t, "move 3 H8", "move 3 I8"); }, true, 2, 14},
        Damage{"RowOffTheBoard", [](QByteArray t) { return replaced(t, "move 3 H8", "move 3 H9"); }, true, 2, 14},
        Damage{"SeatFive", [](QByteArray t) { return replaced(t, "move 2 pass", "move 5 pass"); }, true, 1, 13},
        Damage{"Garbage", [](QByteArray t) { return replaced(t, "move 2 pass", "\xff\xfe"); }, false, 0, 0},
        Damage{"UnknownLine", [](QByteArray t) { return replaced(t, "move 2 pass", "jump 2"); }, true, 1, 13},
        Damage{"LineAfterTheResult", [](QByteArray t) { return t + "move 1 A1\n"; }, true, 3, 19},
        Damage{"OtherVersion", [](QByteArray t) { return replaced(t, "record 1", "record 2"); }, false, 0, 1},
        Damage{"BoardTooLarge", [](QByteArray t) { return replaced(t, "board 8", "board 27"); }, false, 0, 3},
        Damage{"NameWithAControl", [](QByteArray t) { return replaced(t, "Bob", "B\x1b[2Job"); }, false, 0, 8},
        Damage{"Empty", [](QByteArray) { return QByteArray(); }, false, 0, 1},
        Damage{"Huge", [](QByteArray t) { return t + QByteArray(record::MaxBytes, 'x'); }, false, 0, 0},
        Damage{"NulBytes", [](QByteArray t) { return t.replace('\n', '\0'); }, false, 0, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RecordText, TooManyMovesStopAtTheBound)
{
    QByteArray text = QByteArray(Small).left(QByteArray(Small).indexOf("move 1"));
    for (int i = 0; i <= record::MaxMoves; ++i)
        text += "move 1 pass\n";
    const auto reading = readRecord(text);
    ASSERT_TRUE(reading.game.has_value());
    EXPECT_EQ(int(reading.game->moves.size()), record::MaxMoves);
    EXPECT_FALSE(reading.problem.isEmpty());
}
