#pragma once
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

// Pictures are described as scenes: a colour for every point inside the shape, nothing outside.
// Rendering supersamples each pixel; pixels the shape misses entirely become the transparent
// white, and partly covered edge pixels blend towards the surface the picture is drawn on.

struct Rgb {
    double r = 0, g = 0, b = 0; // 0..255
};

Rgb hexColour(unsigned rgb);
Rgb mix(Rgb from, Rgb to, double amount); // amount 0 gives from, 1 gives to
Rgb scaled(Rgb colour, double factor);

using Scene = std::function<std::optional<Rgb>(double x, double y)>;

struct Image {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgb; // top row first, three bytes a pixel
};

// edge: the colour the picture will be drawn on, used for anti-aliased edge pixels.
Image render(int width, int height, const Scene& scene, Rgb edge);
// A square picture of size × size design pixels, drawn with scale × scale pixels for each.
Image renderSquare(int size, int scale, const Scene& scene, Rgb edge);

// Shape helpers shared by the pictures; coordinates in pixels, pixel centres at i + 0.5.
double smoothstep(double edge0, double edge1, double x);
// 1 inside a band of the given half-width around the curve value 0, fading over one pixel.
double band(double distance, double halfWidth);
