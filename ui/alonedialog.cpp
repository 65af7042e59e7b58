#include "ui/alonedialog.h"
#include "rules/cell.h"
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>

namespace ui {

namespace {

const char* const SeatColours[] = {
    QT_TRANSLATE_NOOP("ui::AloneDialog", "赤"), QT_TRANSLATE_NOOP("ui::AloneDialog", "青"),
    QT_TRANSLATE_NOOP("ui::AloneDialog", "緑"), QT_TRANSLATE_NOOP("ui::AloneDialog", "黒")};

QString seatText(int seat)
{
    return AloneDialog::tr("%1番席（%2）").arg(seat).arg(AloneDialog::tr(SeatColours[seat - 1]));
}

} // namespace

AloneDialog::AloneDialog(const AloneSetup& setup, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("一人で遊ぶ"));
    auto* form = new QFormLayout(this);
    seat_ = new QComboBox;
    seat_->setObjectName(QStringLiteral("AloneSeat"));
    for (int seat = 1; seat <= rules::Seats; ++seat)
        seat_->addItem(seatText(seat));
    seat_->setCurrentIndex(setup.seat - 1);
    seat_->setAccessibleName(tr("あなたの席"));
    form->addRow(tr("あなたの席"), seat_);
    for (std::size_t i = 0; i < levels_.size(); ++i) {
        levels_[i] = new QComboBox;
        levels_[i]->setObjectName(QStringLiteral("AloneLevel%1").arg(i + 1));
        for (const ai::Level level : {ai::Level::Random, ai::Level::Greedy, ai::Level::Strong, ai::Level::Strongest})
            levels_[i]->addItem(shownLevelName(level), int(level));
        levels_[i]->setCurrentIndex(levels_[i]->findData(int(setup.levels[i])));
        // A label of its own from the start: an empty text would leave the row without one.
        auto* label = new QLabel;
        label->setBuddy(levels_[i]);
        form->addRow(label, levels_[i]);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(seat_, &QComboBox::currentIndexChanged, this, &AloneDialog::showOpponents);
    showOpponents();
}

// Each level's row names the seat its computer plays, which follows the person's seat.
void AloneDialog::showOpponents()
{
    auto* form = static_cast<QFormLayout*>(layout());
    std::size_t computer = 0;
    for (int seat = 1; seat <= rules::Seats; ++seat) {
        if (seat == seat_->currentIndex() + 1)
            continue;
        QComboBox* level = levels_[computer++];
        const QString text = tr("CPU%1：%2").arg(computer).arg(seatText(seat));
        if (auto* label = qobject_cast<QLabel*>(form->labelForField(level)))
            label->setText(text);
        level->setAccessibleName(text);
    }
}

AloneSetup AloneDialog::setup() const
{
    AloneSetup chosen;
    chosen.seat = seat_->currentIndex() + 1;
    for (std::size_t i = 0; i < levels_.size(); ++i)
        chosen.levels[i] = ai::Level(levels_[i]->currentData().toInt());
    return chosen;
}

} // namespace ui
