#pragma once
#include "canvas.h"

#include <string>
#include <vector>

constexpr int waveRate = 22050;

// 24-bit uncompressed Windows bitmap with a BITMAPINFOHEADER, rows bottom-up.
void writeBitmap(const std::string& path, const Image& image);

// 16-bit mono PCM at waveRate; samples lie in -1..1 and are clipped there.
void writeWave(const std::string& path, const std::vector<double>& samples);
