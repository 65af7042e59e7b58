#include "canvas.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int subsamples = 8; // per axis

std::uint8_t channel(double value)
{
    return std::uint8_t(std::lround(std::clamp(value, 0.0, 255.0)));
}

} // namespace

Rgb hexColour(unsigned rgb)
{
    return {double((rgb >> 16) & 0xFF), double((rgb >> 8) & 0xFF), double(rgb & 0xFF)};
}

Rgb mix(Rgb from, Rgb to, double amount)
{
    const double a = std::clamp(amount, 0.0, 1.0);
    return {from.r + (to.r - from.r) * a, from.g + (to.g - from.g) * a, from.b + (to.b - from.b) * a};
}

Rgb scaled(Rgb colour, double factor)
{
    return {colour.r * factor, colour.g * factor, colour.b * factor};
}

Image renderSquare(int size, int scale, const Scene& scene, Rgb edge)
{
    const double step = 1.0 / scale;
    return render(
        size * scale, size * scale, [&](double x, double y) { return scene(x * step, y * step); }, edge);
}

Image render(int width, int height, const Scene& scene, Rgb edge)
{
    Image image{width, height, std::vector<std::uint8_t>(std::size_t(width * height * 3))};
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            Rgb sum;
            int inside = 0;
            for (int sy = 0; sy < subsamples; ++sy) {
                for (int sx = 0; sx < subsamples; ++sx) {
                    const auto colour = scene(x + (sx + 0.5) / subsamples, y + (sy + 0.5) / subsamples);
                    if (!colour)
                        continue;
                    ++inside;
                    sum = {sum.r + colour->r, sum.g + colour->g, sum.b + colour->b};
                }
            }
            std::uint8_t* pixel = &image.rgb[std::size_t((y * width + x) * 3)];
            if (inside == 0) {
                std::fill(pixel, pixel + 3, 0xFF);
                continue;
            }
            const int outside = subsamples * subsamples - inside;
            const Rgb blended = scaled({sum.r + edge.r * outside, sum.g + edge.g * outside, sum.b + edge.b * outside},
                                       1.0 / (subsamples * subsamples));
            pixel[0] = channel(blended.r);
            pixel[1] = channel(blended.g);
            pixel[2] = channel(blended.b);
            // Pure white is the transparent colour: a white highlight must not punch a hole.
            if (pixel[0] == 0xFF && pixel[1] == 0xFF && pixel[2] == 0xFF)
                std::fill(pixel, pixel + 3, 0xFE);
        }
    }
    return image;
}

double smoothstep(double edge0, double edge1, double x)
{
    const double t = std::clamp((x - edge0) / (edge1 - edge0), 0.0, 1.0);
    return t * t * (3 - 2 * t);
}

double band(double distance, double halfWidth)
{
    return 1.0 - smoothstep(halfWidth - 0.5, halfWidth + 0.5, std::abs(distance));
}
