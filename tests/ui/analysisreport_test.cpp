#include "record/recordstore.h"
#include "tests/support/computergame.h"
#include "ui/analysisreport.h"
#include <QTemporaryDir>
#include <QTextStream>
#include <gtest/gtest.h>

namespace {

constexpr int Effort = 300;

struct Printed {
    int status;
    QString out;
    QString err;
};

Printed printed(const QString& file)
{
    Printed p;
    QTextStream out(&p.out);
    QTextStream err(&p.err);
    p.status = ui::printAnalysis(file, Effort, out, err);
    return p;
}

// "C4" back to its cell; "pass" to a pass.
rules::Cell cellOf(const QString& name)
{
    if (name == QStringLiteral("pass"))
        return rules::Pass;
    return {name[0].unicode() - u'A', name.mid(1).toInt() - 1};
}

struct GameKind {
    int size;
    rules::Scoring scoring;
    bool rotation;
};

class AnalysedRecord : public testing::TestWithParam<GameKind> {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        const auto saved = record::saveRecord(dir_.path(), game_);
        ASSERT_TRUE(saved.error.isEmpty());
        file_ = saved.path;
    }
    QTemporaryDir dir_;
    record::Record game_ = computerGame(21, GetParam().size, GetParam().scoring, GetParam().rotation);
    QString file_;
};

// What a script may rely on: a commented header naming the seats, a line a move whose first nine
// columns are as they always were, chances and standings that are shares of one, legal preferred
// cells, a last line that agrees with the result, and a commented summary.
TEST_P(AnalysedRecord, PrintsAHeaderALineAMoveAndASummary)
{
    const Printed p = printed(file_);
    ASSERT_EQ(p.status, 0) << p.err.toStdString();
    QStringList lines = p.out.split(u'\n', Qt::SkipEmptyParts);
    for (int seat = 1; seat <= 4; ++seat)
        EXPECT_TRUE(lines.contains(QStringLiteral("# seat %1: CPU%1").arg(seat))) << seat;
    while (!lines.isEmpty() && lines.front().startsWith(u'#'))
        lines.removeFirst();
    const record::Replay replay(game_);
    ASSERT_GT(lines.size(), qsizetype(game_.moves.size()));
    std::vector<float> last;
    const auto shares = [](const QStringList& fields, int first) {
        std::vector<float> four;
        for (int seat = 0; seat < 4; ++seat)
            four.push_back(fields[first + seat].toFloat());
        for (const float share : four)
            EXPECT_TRUE(share >= 0 && share <= 1);
        EXPECT_NEAR(four[0] + four[1] + four[2] + four[3], 1, 0.01);
        return four;
    };
    for (std::size_t k = 0; k < game_.moves.size(); ++k) {
        const QStringList fields = lines[qsizetype(k)].split(u'\t');
        ASSERT_EQ(fields.size(), 14) << lines[qsizetype(k)].toStdString();
        EXPECT_EQ(fields[0].toInt(), int(k) + 1);
        EXPECT_EQ(fields[1].toInt(), game_.moves[k].seat);
        EXPECT_EQ(cellOf(fields[2]), game_.moves[k].cell());
        last = shares(fields, 3);
        shares(fields, 9);
        const rules::Cell preferred = cellOf(fields[7]);
        const rules::Position& before = replay.after(int(k));
        EXPECT_TRUE(preferred.isPass() ? before.legalCells().empty() : before.isLegal(preferred)) << k;
        EXPECT_GE(fields[8].toFloat(), 0);
        EXPECT_EQ(fields[13], fields[8].toFloat() > ai::mistakeMargin(Effort) ? "1" : "0") << k;
    }
    const auto& scores = *game_.finalScores;
    const auto winner = std::max_element(scores.begin(), scores.end()) - scores.begin();
    EXPECT_EQ(*std::max_element(last.begin(), last.end()), last[std::size_t(winner)]);
    ASSERT_GE(lines.size(), qsizetype(game_.moves.size()) + 6); // the summary: a title, four seats, the mistakes
    for (qsizetype i = qsizetype(game_.moves.size()); i < lines.size(); ++i)
        EXPECT_TRUE(lines[i].startsWith(u'#')) << lines[i].toStdString();
}

TEST_P(AnalysedRecord, PrintsTheSameTwice)
{
    const Printed first = printed(file_);
    ASSERT_EQ(first.status, 0);
    EXPECT_EQ(first.out, printed(file_).out);
}

INSTANTIATE_TEST_SUITE_P(, AnalysedRecord,
                         testing::Values(GameKind{6, rules::Scoring::Points, true}, GameKind{8, rules::Scoring::Count, false}));

} // namespace
