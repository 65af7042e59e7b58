#include "pictures.h"

#include <cmath>
#include <numbers>

namespace {

constexpr double centre = cellSize / 2.0;
constexpr double girdle = 10.4; // apothem of the outline
constexpr double table = 5.0;   // apothem of the flat top
constexpr int facets = 16;
const Rgb white = hexColour(0xFFFFFF);

// How far inside a regular octagon with flat sides along the axes; negative outside.
double insideOctagon(double dx, double dy, double apothem)
{
    const double reach = std::max({std::abs(dx), std::abs(dy), (std::abs(dx) + std::abs(dy)) / std::numbers::sqrt2});
    return apothem - reach;
}

// Dark, body and light tones of a cut stone for a light level of 0..1.
Rgb tone(Rgb body, double light)
{
    return light < 0.5 ? mix(scaled(body, 0.35), body, light / 0.5)
                       : mix(body, mix(body, white, 0.7), (light - 0.5) / 0.5);
}

// Crown facets lean outwards; alternate ones lean more, so neighbours catch the light differently.
Rgb crown(Rgb body, double dx, double dy)
{
    const double step = 2 * std::numbers::pi / facets;
    const int facet = int(std::floor((std::atan2(dy, dx) + step / 2) / step) + facets) % facets;
    const double heading = facet * step;
    const double tilt = facet % 2 == 0 ? 0.55 : 0.8;
    const double nx = std::sin(tilt) * std::cos(heading);
    const double ny = std::sin(tilt) * std::sin(heading);
    const double nz = std::cos(tilt);
    const double light = -0.5 * nx - 0.6 * ny + 0.62 * nz;
    return tone(body, std::clamp((light - 0.1) * 1.1, 0.0, 1.0));
}

Rgb tableTop(Rgb body, double dx, double dy)
{
    return tone(body, 0.55 - 0.05 * (dx + dy));
}

// A four-pointed glint on the upper left of the table.
double sparkle(double x, double y)
{
    const double dx = x - 9.3;
    const double dy = y - 8.6;
    const double horizontal = std::exp(-(dx * dx / 5.0 + dy * dy / 0.09));
    const double vertical = std::exp(-(dx * dx / 0.09 + dy * dy / 5.0));
    const double core = std::exp(-(dx * dx + dy * dy) / 1.0);
    return std::min(1.0, horizontal + vertical + core);
}

} // namespace

Image jewelPicture(Rgb body, int scale)
{
    const Scene scene = [=](double x, double y) -> std::optional<Rgb> {
        const double dx = x - centre;
        const double dy = y - centre;
        const double depth = insideOctagon(dx, dy, girdle);
        if (depth < 0)
            return std::nullopt;
        Rgb colour = insideOctagon(dx, dy, table) >= 0 ? tableTop(body, dx, dy) : crown(body, dx, dy);
        colour = mix(colour, scaled(body, 0.25), 0.9 * (1.0 - smoothstep(0.2, 1.2, depth)));
        return mix(colour, white, 0.9 * sparkle(x, y));
    };
    return renderSquare(cellSize, scale, scene, boardColour);
}
