#include "ui/recordswindow.h"
#include "record/standings.h"
#include "ui/errorbox.h"
#include "ui/replaywindow.h"
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace ui {

namespace {

QTableWidget* table(const QStringList& headings, const QString& name)
{
    auto* t = new QTableWidget(0, int(headings.size()));
    t->setHorizontalHeaderLabels(headings);
    t->setAccessibleName(name);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setSelectionBehavior(QAbstractItemView::SelectRows);
    t->setSelectionMode(QAbstractItemView::SingleSelection);
    t->verticalHeader()->hide();
    t->horizontalHeader()->setStretchLastSection(true);
    return t;
}

void setRow(QTableWidget* t, int row, const QStringList& cells)
{
    for (int col = 0; col < cells.size(); ++col)
        t->setItem(row, col, new QTableWidgetItem(cells[col]));
}

QString ruleName(rules::Scoring scoring)
{
    return scoring == rules::Scoring::Count ? RecordsWindow::tr("個数") : RecordsWindow::tr("得点");
}

} // namespace

RecordsWindow::RecordsWindow(QString folder, const BoardImages& images, const BoardImages& larger, QWidget* parent)
    : QWidget(parent, Qt::Window), folder_(std::move(folder)), images_(images), larger_(larger)
{
    setWindowTitle(tr("記録"));
    createControls();
    reload();
    resize(760, 480);
}

void RecordsWindow::createControls()
{
    filter_ = new QLineEdit;
    filter_->setPlaceholderText(tr("名前で絞り込む"));
    filter_->setAccessibleName(tr("名前で絞り込む"));
    filter_->setClearButtonEnabled(true);
    connect(filter_, &QLineEdit::textChanged, this, [this] { showGames(); });
    auto* reread = new QPushButton(tr("再読込"));
    connect(reread, &QPushButton::clicked, this, &RecordsWindow::reload);
    auto* open = new QPushButton(tr("再生"));
    connect(open, &QPushButton::clicked, this, [this] { openGame(games_->currentRow()); });
    games_ = table({tr("日時"), tr("盤"), tr("得点方法"), tr("参加者"), tr("勝者")}, tr("対戦"));
    connect(games_, &QTableWidget::cellActivated, this, [this](int row, int) { openGame(row); });
    standings_ =
        table({tr("名前"), tr("対戦数"), tr("1位"), tr("2位"), tr("3位"), tr("4位"), tr("平均順位"), tr("最高得点")},
              tr("成績"));
    auto* tabs = new QTabWidget;
    tabs->addTab(games_, tr("対戦"));
    tabs->addTab(standings_, tr("成績"));
    auto* top = new QHBoxLayout;
    top->addWidget(filter_, 1);
    top->addWidget(open);
    top->addWidget(reread);
    folderLabel_ = new QLabel(folder_);
    folderLabel_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* whole = new QVBoxLayout(this);
    whole->addLayout(top);
    whole->addWidget(tabs, 1);
    whole->addWidget(folderLabel_);
}

void RecordsWindow::reload()
{
    listed_ = record::listRecords(folder_);
    showGames();
}

void RecordsWindow::setFilter(const QString& name)
{
    filter_->setText(name);
}

void RecordsWindow::showGames()
{
    const QString name = filter_->text().trimmed();
    rows_.clear();
    std::vector<record::Record> shown;
    // Newest first.
    for (std::size_t i = listed_.size(); i-- > 0;) {
        const record::Record& game = listed_[i].game;
        if (!name.isEmpty() && !record::hasPlayer(game, name))
            continue;
        rows_.push_back(i);
        shown.push_back(game);
    }
    games_->setRowCount(int(rows_.size()));
    for (std::size_t row = 0; row < shown.size(); ++row) {
        const record::Record& game = shown[row];
        const QStringList winners = record::winners(game);
        setRow(games_, int(row),
               {game.played.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm")), tr("%1×%1").arg(game.boardSize),
                ruleName(game.scoring), QStringList(game.names.begin(), game.names.end()).join(tr("、")),
                game.finished() ? winners.join(tr("、")) : tr("（未完了）")});
    }
    games_->resizeColumnsToContents();
    showStandings(shown);
}

void RecordsWindow::showStandings(const std::vector<record::Record>& shown)
{
    const QString name = filter_->text().trimmed();
    std::vector<record::Standing> rows;
    for (const record::Standing& s : record::standings(shown))
        if (name.isEmpty() || s.name.contains(name, Qt::CaseInsensitive))
            rows.push_back(s);
    standings_->setRowCount(int(rows.size()));
    for (std::size_t row = 0; row < rows.size(); ++row) {
        const record::Standing& s = rows[row];
        setRow(standings_, int(row),
               {s.name, QString::number(s.games), QString::number(s.timesInPlace[0]),
                QString::number(s.timesInPlace[1]), QString::number(s.timesInPlace[2]),
                QString::number(s.timesInPlace[3]), QString::number(s.averagePlace, 'f', 2),
                QString::number(s.bestScore)});
    }
    standings_->resizeColumnsToContents();
}

QWidget* RecordsWindow::openGame(int row)
{
    if (row < 0 || std::size_t(row) >= rows_.size())
        return nullptr;
    // The list keeps no moves: the file is read now, as it is now.
    const QString& path = listed_[rows_[std::size_t(row)]].path;
    const record::Reading reading = record::openRecord(path);
    if (!reading.game) {
        showError(QStringLiteral("%1: %2").arg(path, reading.problem));
        return nullptr;
    }
    auto* replay = new ReplayWindow(reading, images_, larger_, this);
    replay->show();
    return replay;
}

} // namespace ui
