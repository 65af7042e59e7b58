#include "pictures.h"

#include <algorithm>
#include <cmath>

namespace {

const Rgb gold = hexColour(0xFFD24A);
const Rgb amber = hexColour(0xFF9A2E);

// Signed distance to a rounded square filling the cell; negative inside.
double roundedSquare(double x, double y, double corner)
{
    const double half = cellSize / 2.0;
    const double qx = std::abs(x - half) - (half - corner);
    const double qy = std::abs(y - half) - (half - corner);
    return std::hypot(std::max(qx, 0.0), std::max(qy, 0.0)) + std::min(std::max(qx, qy), 0.0) - corner;
}

// A small triangle in each corner, one pixel in from the cell's edge so the bottom-left pixel
// stays clear.
bool cornerTriangle(double x, double y)
{
    const double fx = std::min(x, cellSize - x);
    const double fy = std::min(y, cellSize - y);
    return fx >= 1.0 && fy >= 1.0 && fx + fy <= 5.0;
}

} // namespace

Image cursorPicture()
{
    const Scene scene = [](double x, double y) -> std::optional<Rgb> {
        const double edge = roundedSquare(x, y, 3.5);
        if (edge > 0)
            return boardColour;
        const Rgb frame = mix(hexColour(0xFFF0A0), hexColour(0xE8A020), y / cellSize);
        if (edge > -2.0)
            return frame;
        return mix(boardColour, gold, 0.3 * std::exp((edge + 2.0) / 1.5));
    };
    return render(cellSize, cellSize, scene, boardColour);
}

Image lastMovePicture(int scale)
{
    const Scene scene = [](double x, double y) -> std::optional<Rgb> {
        const double distance = std::hypot(x - cellSize / 2.0, y - cellSize / 2.0);
        if (distance >= 9.8 && distance <= 11.9)
            return mix(gold, amber, (distance - 9.8) / 2.1);
        if (cornerTriangle(x, y))
            return amber;
        return std::nullopt;
    };
    return renderSquare(cellSize, scale, scene, boardColour);
}

Image lampPicture(bool lit)
{
    const Scene scene = [lit](double x, double y) -> std::optional<Rgb> {
        const double dx = x - lampSize / 2.0;
        const double dy = y - lampSize / 2.0;
        const double distance = std::hypot(dx, dy);
        if (distance > 8.2)
            return std::nullopt;
        if (distance > 6.2) // a metal bezel lit from the upper left
            return mix(hexColour(0xF4F4F4), hexColour(0x68686C), 0.5 + (dx + dy) / 16.0);
        if (distance > 5.5)
            return hexColour(0x3A3A3A);
        const double glow = distance / 5.5;
        Rgb glass = lit ? mix(mix(hexColour(0xFFFBD8), hexColour(0xFFC81E), glow / 0.7), hexColour(0xE07800),
                              std::max(0.0, glow - 0.7) / 0.3)
                        : mix(hexColour(0x707868), hexColour(0x2C302A), glow);
        const double spot = std::hypot(dx + 1.9, dy + 2.0);
        return mix(glass, hexColour(0xFFFFFF), (lit ? 0.6 : 0.45) * (1.0 - smoothstep(0.5, 1.7, spot)));
    };
    return render(lampSize, lampSize, scene, panelColour);
}
