#include "icon.h"

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <cstdio>
#include <stdexcept>
#include <variant>
#include <vector>

namespace {

// Shapes on a 256 × 256 canvas.
struct RoundRect {
    double x, y, w, h, r;
};
struct Disc {
    double cx, cy, r;
};
struct Line {
    double x1, y1, x2, y2;
};
struct Polygon {
    std::vector<QPointF> points;
};

struct Shape {
    std::variant<RoundRect, Disc, Line, Polygon> form;
    const char* fill;   // "none" or #rrggbb
    const char* stroke; // "none" or #rrggbb
    double strokeWidth = 0;
    double opacity = 1; // of the fill; shapes with a see-through fill have no stroke
};

constexpr double cell = 52;
constexpr double gridStart = 24;

std::vector<Shape> drawing()
{
    std::vector<Shape> shapes{{RoundRect{10, 10, 236, 236, 36}, "#506060", "#2f3b3b", 8}};
    for (int i = 1; i < 4; ++i) {
        const double at = gridStart + i * cell;
        shapes.push_back({Line{at, gridStart, at, gridStart + 4 * cell}, "none", "#b8c4c4", 4});
        shapes.push_back({Line{gridStart, at, gridStart + 4 * cell, at}, "none", "#b8c4c4", 4});
    }
    // Seats 1 to 4 clockwise from the top left: red, blue, green, black.
    const struct {
        double cx, cy;
        const char* body;
        const char* rim;
    } seats[] = {{102, 102, "#e23a3a", "#7a1414"},
                 {154, 102, "#3a6ae4", "#142a6a"},
                 {154, 154, "#2eae4e", "#0e4a1e"},
                 {102, 154, "#323232", "#0a0a0a"}};
    for (const auto& seat : seats) {
        shapes.push_back({Disc{seat.cx, seat.cy, 21}, seat.body, seat.rim, 3});
        shapes.push_back({Disc{seat.cx - 7, seat.cy - 7, 6.5}, "#ffffff", "none", 0, 0.45});
    }
    shapes.push_back({Polygon{{{128, 110}, {146, 128}, {128, 146}, {110, 128}}}, "#ffd24a", "#8a6a00", 3});
    return shapes;
}

std::string number(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%g", value);
    return text;
}

std::string svgElement(const Shape& shape)
{
    std::string paint = " fill=\"" + std::string(shape.fill) + "\" stroke=\"" + shape.stroke + "\"";
    if (shape.strokeWidth > 0)
        paint += " stroke-width=\"" + number(shape.strokeWidth) + "\"";
    if (shape.opacity < 1)
        paint += " fill-opacity=\"" + number(shape.opacity) + "\"";
    if (const auto* r = std::get_if<RoundRect>(&shape.form))
        return "<rect x=\"" + number(r->x) + "\" y=\"" + number(r->y) + "\" width=\"" + number(r->w) + "\" height=\"" +
               number(r->h) + "\" rx=\"" + number(r->r) + "\"" + paint + "/>";
    if (const auto* d = std::get_if<Disc>(&shape.form))
        return "<circle cx=\"" + number(d->cx) + "\" cy=\"" + number(d->cy) + "\" r=\"" + number(d->r) + "\"" + paint +
               "/>";
    if (const auto* l = std::get_if<Line>(&shape.form))
        return "<line x1=\"" + number(l->x1) + "\" y1=\"" + number(l->y1) + "\" x2=\"" + number(l->x2) + "\" y2=\"" +
               number(l->y2) + "\"" + paint + "/>";
    std::string points;
    for (const QPointF& p : std::get<Polygon>(shape.form).points)
        points += (points.empty() ? "" : " ") + number(p.x()) + "," + number(p.y());
    return "<polygon points=\"" + points + "\"" + paint + "/>";
}

QPainterPath outline(const Shape& shape)
{
    QPainterPath path;
    if (const auto* r = std::get_if<RoundRect>(&shape.form))
        path.addRoundedRect(QRectF(r->x, r->y, r->w, r->h), r->r, r->r);
    else if (const auto* d = std::get_if<Disc>(&shape.form))
        path.addEllipse(QPointF(d->cx, d->cy), d->r, d->r);
    else if (const auto* l = std::get_if<Line>(&shape.form)) {
        path.moveTo(l->x1, l->y1);
        path.lineTo(l->x2, l->y2);
    } else {
        const auto& points = std::get<Polygon>(shape.form).points;
        path.addPolygon(QPolygonF(QList<QPointF>(points.begin(), points.end())));
        path.closeSubpath();
    }
    return path;
}

void paint(QPainter& painter, const Shape& shape)
{
    painter.setOpacity(shape.opacity);
    const bool filled = std::string_view(shape.fill) != "none";
    const bool stroked = std::string_view(shape.stroke) != "none";
    painter.setBrush(filled ? QBrush(QColor(shape.fill)) : QBrush(Qt::NoBrush));
    painter.setPen(stroked ? QPen(QColor(shape.stroke), shape.strokeWidth, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin)
                           : QPen(Qt::NoPen));
    painter.drawPath(outline(shape));
}

} // namespace

std::string iconSvg()
{
    std::string svg =
        "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\" viewBox=\"0 0 256 256\">\n";
    for (const Shape& shape : drawing())
        svg += "  " + svgElement(shape) + "\n";
    return svg + "</svg>\n";
}

void writeIconPng(const std::string& path, int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 256.0, size / 256.0);
    for (const Shape& shape : drawing())
        paint(painter, shape);
    painter.end();
    if (!image.save(QString::fromStdString(path), "PNG"))
        throw std::runtime_error("cannot write " + path);
}
