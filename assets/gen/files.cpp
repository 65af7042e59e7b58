#include "files.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <stdexcept>
#include <string_view>

namespace {

class LittleEndianFile {
public:
    explicit LittleEndianFile(const std::string& path) : out_(path, std::ios::binary)
    {
        if (!out_)
            throw std::runtime_error("cannot write " + path);
    }
    void u16(unsigned value) { bytes(value, 2); }
    void u32(std::uint32_t value) { bytes(value, 4); }
    void text(std::string_view tag) { out_.write(tag.data(), std::streamsize(tag.size())); }
    void raw(const std::uint8_t* data, std::size_t size)
    {
        out_.write(reinterpret_cast<const char*>(data), std::streamsize(size));
    }

private:
    void bytes(std::uint32_t value, int count)
    {
        for (int i = 0; i < count; ++i)
            out_.put(char((value >> (8 * i)) & 0xFF));
    }
    std::ofstream out_;
};

} // namespace

void writeBitmap(const std::string& path, const Image& image)
{
    const std::uint32_t stride = (std::uint32_t(image.width) * 3 + 3) & ~3u;
    const std::uint32_t pixelBytes = stride * std::uint32_t(image.height);
    constexpr std::uint32_t headers = 14 + 40;
    LittleEndianFile file(path);
    file.text("BM");
    file.u32(headers + pixelBytes);
    file.u32(0);
    file.u32(headers);
    file.u32(40);
    file.u32(std::uint32_t(image.width));
    file.u32(std::uint32_t(image.height));
    file.u16(1);
    file.u16(24);
    file.u32(0); // BI_RGB
    file.u32(pixelBytes);
    file.u32(2835); // 72 dpi
    file.u32(2835);
    file.u32(0);
    file.u32(0);
    std::vector<std::uint8_t> row(stride, 0);
    for (int y = image.height - 1; y >= 0; --y) {
        for (int x = 0; x < image.width; ++x) {
            const std::uint8_t* pixel = &image.rgb[std::size_t((y * image.width + x) * 3)];
            row[std::size_t(x * 3)] = pixel[2];
            row[std::size_t(x * 3 + 1)] = pixel[1];
            row[std::size_t(x * 3 + 2)] = pixel[0];
        }
        file.raw(row.data(), row.size());
    }
}

void writeWave(const std::string& path, const std::vector<double>& samples)
{
    const auto dataBytes = std::uint32_t(samples.size() * 2);
    LittleEndianFile file(path);
    file.text("RIFF");
    file.u32(36 + dataBytes);
    file.text("WAVE");
    file.text("fmt ");
    file.u32(16);
    file.u16(1); // PCM
    file.u16(1); // mono
    file.u32(waveRate);
    file.u32(waveRate * 2);
    file.u16(2);
    file.u16(16);
    file.text("data");
    file.u32(dataBytes);
    std::vector<std::uint8_t> pcm;
    pcm.reserve(dataBytes);
    for (double sample : samples) {
        const auto value = std::int16_t(std::lround(std::clamp(sample, -1.0, 1.0) * 32767));
        pcm.push_back(std::uint8_t(std::uint16_t(value) & 0xFF));
        pcm.push_back(std::uint8_t(std::uint16_t(value) >> 8));
    }
    file.raw(pcm.data(), pcm.size());
}
