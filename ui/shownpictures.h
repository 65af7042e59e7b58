#pragma once
#include "ui/boardpictures.h"
#include <QPixmap>
#include <array>

namespace ui {

// The board's pictures at the size a cell's interior takes on screen, each made once per size:
// smoothly from the larger picture where there is one, else from the usual one. At the
// interior's design size of 24 pixels they are the pictures as loaded, pixel for pixel.
class ShownPictures {
public:
    static constexpr int DesignInterior = 24;

    // Read at each call, so they must outlive this; either may be null.
    void setSources(const BoardImages* images, const BoardImages* larger);
    // Null when the picture is not loaded; interior is in device pixels.
    const QPixmap& at(int image, int interior);
    // The largest side a picture takes beside an interior of that size.
    int largestSide(int interior) const;

private:
    struct Made {
        qint64 source = 0; // cache key of the picture it was made from
        int interior = 0;
        QPixmap pixmap;
    };

    const BoardImages* images_ = nullptr;
    const BoardImages* larger_ = nullptr;
    std::array<Made, std::tuple_size_v<BoardImages>> made_;
};

} // namespace ui
