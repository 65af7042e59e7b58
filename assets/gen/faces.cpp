#include "pictures.h"

#include <cmath>
#include <numbers>

namespace {

constexpr double centre = cellSize / 2.0;
constexpr double radius = 10.6;
const Rgb white = hexColour(0xFFFFFF);

bool inEllipse(double x, double y, double cx, double cy, double rx, double ry)
{
    const double u = (x - cx) / rx;
    const double v = (y - cy) / ry;
    return u * u + v * v <= 1.0;
}

// Diffuse light from the upper left on a ball.
Rgb shadedBall(Rgb body, double nx, double ny)
{
    const double nz = std::sqrt(std::max(0.0, 1.0 - nx * nx - ny * ny));
    const double lit = std::max(0.0, -0.48 * nx - 0.58 * ny + 0.66 * nz);
    return lit < 0.55 ? mix(scaled(body, 0.45), body, lit / 0.55)
                      : mix(body, mix(body, white, 0.35), (lit - 0.55) / 0.45);
}

// A soft glossy spot, tilted along the ball's upper-left curve.
double shine(double x, double y)
{
    const double angle = -std::numbers::pi / 5;
    const double dx = x - 7.9;
    const double dy = y - 6.4;
    const double u = (dx * std::cos(angle) - dy * std::sin(angle)) / 2.7;
    const double v = (dx * std::sin(angle) + dy * std::cos(angle)) / 1.4;
    return 0.8 * (1.0 - smoothstep(0.35, 1.0, std::sqrt(u * u + v * v)));
}

bool smile(double x, double y)
{
    const double dx = x - centre;
    const double dy = y - 12.4;
    const double along = std::atan2(dy, dx) * 180 / std::numbers::pi;
    if (along >= 32 && along <= 148)
        return std::abs(std::hypot(dx, dy) - 4.6) <= 0.8;
    const auto cap = [&](double degrees) {
        const double a = degrees * std::numbers::pi / 180;
        return std::hypot(dx - 4.6 * std::cos(a), dy - 4.6 * std::sin(a)) <= 0.8;
    };
    return cap(32) || cap(148);
}

bool eyes(double x, double y)
{
    return inEllipse(x, y, 8.9, 10.4, 1.25, 1.8) || inEllipse(x, y, 15.1, 10.4, 1.25, 1.8);
}

bool cheeks(double x, double y)
{
    return inEllipse(x, y, 6.4, 14.3, 1.7, 1.05) || inEllipse(x, y, 17.6, 14.3, 1.7, 1.05);
}

} // namespace

Image facePicture(Rgb body, Rgb features, int scale)
{
    const Scene scene = [=](double x, double y) -> std::optional<Rgb> {
        const double distance = std::hypot(x - centre, y - centre);
        if (distance > radius)
            return std::nullopt;
        Rgb colour = shadedBall(body, (x - centre) / radius, (y - centre) / radius);
        colour = mix(colour, white, shine(x, y));
        colour = mix(colour, scaled(body, 0.3), 0.85 * smoothstep(radius - 1.4, radius - 0.1, distance));
        if (cheeks(x, y))
            colour = mix(colour, hexColour(0xFF8FA0), 0.45);
        if (eyes(x, y) || smile(x, y))
            colour = features;
        return colour;
    };
    return renderSquare(cellSize, scale, scene, boardColour);
}
