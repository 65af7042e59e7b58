#pragma once
#include <string>

// The program's icon: a slate board with the four seats' faces round the centre and a gold
// jewel where they meet. One drawing gives both the scalable SVG and the PNG sizes.

constexpr int iconSizes[] = {48, 64, 128, 256};

std::string iconSvg();
// PNG of size × size pixels with an alpha channel.
void writeIconPng(const std::string& path, int size);
