// Writes the game's pictures into <assets>/img (and the pieces drawn larger into img/x4), its
// sounds into <assets>/snd and the program's icon into <assets>/icon.
#include "files.h"
#include "icon.h"
#include "pictures.h"
#include "sounds.h"

#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

struct Seat {
    const char* suffix;
    unsigned face;
    unsigned features;
    unsigned jewel;
};

constexpr Seat seats[] = {
    {"red", 0xE23A3A, 0x3A0C0C, 0xE8204A},
    {"blu", 0x3A6AE4, 0x0C1640, 0x2A5CF0},
    {"grn", 0x2EAE4E, 0x0A3014, 0x18B860},
    {"blk", 0x323232, 0xF2F2F2, 0x3C3C4A},
};

void writePieces(const std::filesystem::path& img, int scale)
{
    for (const Seat& seat : seats) {
        const std::string suffix = std::string(seat.suffix) + ".bmp";
        writeBitmap((img / ("f_" + suffix)).string(),
                    facePicture(hexColour(seat.face), hexColour(seat.features), scale));
        writeBitmap((img / ("koma_" + suffix)).string(), jewelPicture(hexColour(seat.jewel), scale));
    }
    writeBitmap((img / "old.bmp").string(), lastMovePicture(scale));
}

void writePictures(const std::filesystem::path& img)
{
    writePieces(img, 1);
    const std::filesystem::path larger = img / ("x" + std::to_string(detailScale));
    std::filesystem::create_directories(larger);
    writePieces(larger, detailScale);
    writeBitmap((img / "select.bmp").string(), cursorPicture());
    writeBitmap((img / "light0.bmp").string(), lampPicture(false));
    writeBitmap((img / "light1.bmp").string(), lampPicture(true));
}

void writeSounds(const std::filesystem::path& snd)
{
    writeWave((snd / "kako.wav").string(), chimeSound());
    writeWave((snd / "put.wav").string(), placeSound());
    writeWave((snd / "buz.wav").string(), buzzSound());
    writeWave((snd / "change.wav").string(), flipSound());
    writeWave((snd / "rotate.wav").string(), rotateSound());
}

void writeIcon(const std::filesystem::path& folder)
{
    std::ofstream((folder / "taisen.svg").string(), std::ios::binary) << iconSvg();
    for (const int size : iconSizes)
        writeIconPng((folder / ("taisen-" + std::to_string(size) + ".png")).string(), size);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_assets <assets folder>\n");
        return 2;
    }
    try {
        const std::filesystem::path root(argv[1]);
        std::filesystem::create_directories(root / "img");
        std::filesystem::create_directories(root / "snd");
        std::filesystem::create_directories(root / "icon");
        writePictures(root / "img");
        writeSounds(root / "snd");
        writeIcon(root / "icon");
    } catch (const std::exception& error) {
        std::fprintf(stderr, "make_assets: %s\n", error.what());
        return 1;
    }
    return 0;
}
