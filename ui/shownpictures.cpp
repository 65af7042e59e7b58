#include "ui/shownpictures.h"
#include <QImage>
#include <algorithm>
#include <cmath>

namespace ui {

namespace {

// A picture's side beside an interior of that size, as its design side beside 24.
int sideFor(int design, int interior)
{
    return std::max(1, int(std::lround(double(design) * interior / ShownPictures::DesignInterior)));
}

} // namespace

void ShownPictures::setSources(const BoardImages* images, const BoardImages* larger)
{
    images_ = images;
    larger_ = larger;
    made_ = {};
}

const QPixmap& ShownPictures::at(int image, int interior)
{
    static const QPixmap none;
    if (!images_ || image < 0 || std::size_t(image) >= images_->size())
        return none;
    const QPixmap& usual = (*images_)[std::size_t(image)];
    if (usual.isNull() || interior == DesignInterior)
        return usual;
    const QPixmap* larger = larger_ ? &(*larger_)[std::size_t(image)] : nullptr;
    const QPixmap& source = larger && !larger->isNull() ? *larger : usual;
    Made& made = made_[std::size_t(image)];
    if (made.source != source.cacheKey() || made.interior != interior) {
        const QSize size(sideFor(usual.width(), interior), sideFor(usual.height(), interior));
        made.pixmap =
            QPixmap::fromImage(source.toImage().scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        made.source = source.cacheKey();
        made.interior = interior;
    }
    return made.pixmap;
}

int ShownPictures::largestSide(int interior) const
{
    int design = DesignInterior;
    if (images_)
        for (const QPixmap& picture : *images_)
            design = std::max({design, picture.width(), picture.height()});
    return sideFor(design, interior);
}

} // namespace ui
