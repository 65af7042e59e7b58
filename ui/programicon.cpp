#include "ui/programicon.h"
#include <QIconEngine>
#include <QPainter>

namespace ui {

namespace {

constexpr int Sides[] = {48, 64, 128, 256};

// The icon's pictures are decoded when a window first shows them, once for every window: a
// window system that never asks for them (as with no display) never pays for them.
class ProgramIconEngine : public QIconEngine {
public:
    QIconEngine* clone() const override { return new ProgramIconEngine; }
    QString key() const override { return QStringLiteral("taisen-program-icon"); }
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        decoded().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return decoded().pixmap(size, qreal(1), mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return decoded().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        QList<QSize> sizes;
        for (const int side : Sides)
            sizes.append(QSize(side, side));
        return sizes;
    }

private:
    static const QIcon& decoded()
    {
        // Lives to the end of the process, past the application object.
        static const QIcon* const icon = [] {
            auto* made = new QIcon;
            for (const int side : Sides)
                made->addFile(QStringLiteral(":/icon/taisen-%1.png").arg(side), QSize(side, side));
            return made;
        }();
        return *icon;
    }
};

} // namespace

QIcon programIcon()
{
    return QIcon(new ProgramIconEngine);
}

} // namespace ui
