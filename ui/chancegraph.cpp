#include "ui/chancegraph.h"
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace ui {

namespace {

// Darker than the score panels' tints, so that a thin line still shows its seat.
const QColor SeatColours[] = {{}, {0xD0, 0x20, 0x20}, {0x20, 0x40, 0xD0}, {0x10, 0x90, 0x30}, {0x20, 0x20, 0x20}};
const QColor CurrentColour(0xFF, 0x8C, 0x00); // the last-move ring's orange
const QColor GridColour(0xD8, 0xD8, 0xD8);
constexpr int LabelWidth = 36; // "100%" beside the plot
constexpr int Margin = 7;      // room for a notch above the plot and the lines' width
constexpr double Notch = 5;
constexpr float Quarters[] = {0, 0.25f, 0.5f, 0.75f, 1};

} // namespace

ChanceGraph::ChanceGraph(QWidget* parent) : QWidget(parent)
{
    setAccessibleName(tr("得点の取り分の見込みのグラフ"));
    setCursor(Qt::PointingHandCursor);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setFocusPolicy(Qt::NoFocus); // the arrow keys step through the moves wherever the focus is
}

QSize ChanceGraph::sizeHint() const
{
    return {400, 130};
}

QSize ChanceGraph::minimumSizeHint() const
{
    return {150, 130};
}

void ChanceGraph::setAnalysis(const std::vector<ai::Judgement>& judgements, const std::vector<ai::MoveReview>& reviews)
{
    chances_.clear();
    for (const ai::Judgement& judgement : judgements)
        chances_.push_back(judgement.standing);
    mistakes_.clear();
    movers_.clear();
    for (std::size_t k = 0; k < reviews.size(); ++k)
        if (reviews[k].mistake()) {
            mistakes_.push_back(int(k) + 1);
            movers_.push_back(reviews[k].seat);
        }
    describe();
    update();
}

void ChanceGraph::setCurrent(int played)
{
    if (played == current_)
        return;
    current_ = played;
    describe();
    update();
}

// What a listener hears of the position shown: each seat's standing.
void ChanceGraph::describe()
{
    if (current_ < 0 || std::size_t(current_) >= chances_.size()) {
        setAccessibleDescription(QString());
        return;
    }
    QStringList seats;
    for (int seat = 1; seat <= rules::Seats; ++seat)
        seats << tr("%1番席 %2%").arg(seat).arg(std::lround(chances_[std::size_t(current_)][seat] * 100));
    setAccessibleDescription(seats.join(tr("、")));
}

QRectF ChanceGraph::plot() const
{
    return QRectF(rect()).adjusted(LabelWidth, Margin + Notch, -Margin, -Margin);
}

int ChanceGraph::columnOf(int played) const
{
    const QRectF area = plot();
    const int moves = std::max(int(chances_.size()) - 1, 1);
    return int(std::lround(area.left() + area.width() * played / moves));
}

int ChanceGraph::movesAt(int x) const
{
    const QRectF area = plot();
    const int moves = std::max(int(chances_.size()) - 1, 0);
    const long played = std::lround((x - area.left()) * moves / std::max(area.width(), 1.0));
    return int(std::clamp(played, 0L, long(moves)));
}

QPointF ChanceGraph::pointOf(int played, float chance) const
{
    const QRectF area = plot();
    return {double(columnOf(played)), area.bottom() - area.height() * double(chance)};
}

void ChanceGraph::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().base());
    paintGrid(painter);
    if (chances_.empty())
        return;
    painter.setRenderHint(QPainter::Antialiasing);
    const int x = columnOf(current_);
    painter.setPen(QPen(CurrentColour, 2));
    painter.drawLine(QPointF(x, plot().top()), QPointF(x, plot().bottom()));
    paintLines(painter);
    paintMistakes(painter);
}

void ChanceGraph::paintGrid(QPainter& painter) const
{
    const QRectF area = plot();
    painter.setPen(GridColour);
    for (const float quarter : Quarters) {
        const double y = area.bottom() - area.height() * double(quarter);
        painter.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
    }
    painter.setPen(palette().color(QPalette::Text));
    for (const float label : {0.0f, 0.5f, 1.0f}) {
        const double y = area.bottom() - area.height() * double(label);
        const QRectF box(0, y - 8, LabelWidth - 4, 16);
        painter.drawText(box, Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("%1%").arg(int(label * 100)));
    }
}

void ChanceGraph::paintLines(QPainter& painter) const
{
    for (int seat = rules::Seats; seat >= 1; --seat) {
        QPainterPath line(pointOf(0, chances_[0][seat]));
        for (std::size_t k = 1; k < chances_.size(); ++k)
            line.lineTo(pointOf(int(k), chances_[k][seat]));
        painter.strokePath(line, QPen(SeatColours[seat], 2));
    }
}

// A notch above the plot at the position a mistake left.
void ChanceGraph::paintMistakes(QPainter& painter) const
{
    const double top = plot().top();
    painter.setPen(Qt::NoPen);
    for (std::size_t i = 0; i < mistakes_.size(); ++i) {
        const double x = columnOf(mistakes_[i]);
        painter.setBrush(SeatColours[movers_[i]]);
        painter.drawPolygon(
            QPolygonF({QPointF(x - Notch, top - Notch), QPointF(x + Notch, top - Notch), QPointF(x, top)}));
    }
}

void ChanceGraph::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && !chances_.empty())
        emit moveChosen(movesAt(event->position().toPoint().x()));
}

void ChanceGraph::mouseMoveEvent(QMouseEvent* event)
{
    if ((event->buttons() & Qt::LeftButton) && !chances_.empty())
        emit moveChosen(movesAt(event->position().toPoint().x()));
}

} // namespace ui
