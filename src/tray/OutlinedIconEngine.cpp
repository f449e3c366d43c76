#include "tray/OutlinedIconEngine.h"

#include <QIcon>
#include <QPainter>

#include <algorithm>

namespace vesperon {

namespace {

// The glyph's shape in one colour.
QPixmap tinted(QPixmap glyph, const QColor& colour)
{
    QPainter painter(&glyph);
    painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
    painter.fillRect(glyph.rect(), colour);
    return glyph;
}

} // namespace

QPixmap OutlinedIconEngine::pixmap(const QSize& size, QIcon::Mode, QIcon::State)
{
    const int side = std::max(3, std::min(size.width(), size.height())); // room for the outline
    auto it = drawn_.find(side);
    if (it == drawn_.end())
        it = drawn_.emplace(side, draw(side)).first;
    return it->second;
}

void OutlinedIconEngine::paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state)
{
    painter->drawPixmap(rect, pixmap(rect.size(), mode, state));
}

QList<QSize> OutlinedIconEngine::availableSizes(QIcon::Mode, QIcon::State)
{
    QList<QSize> sizes;
    for (int side : {16, 22, 24, 32, 48, 64})
        sizes.append(QSize(side, side));
    return sizes;
}

// A 1 px outline: the dark shape drawn at the nine offsets around the light one.
QPixmap OutlinedIconEngine::draw(int size) const
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    const QPixmap glyph = QIcon(resource_).pixmap(QSize(size - 2, size - 2));
    if (glyph.isNull())
        return pixmap;
    QPainter painter(&pixmap);
    const QPixmap outline = tinted(glyph, QColor(0x1a, 0x1a, 0x1a));
    for (int dx : {0, 1, 2})
        for (int dy : {0, 1, 2})
            painter.drawPixmap(dx, dy, outline);
    painter.drawPixmap(1, 1, tinted(glyph, QColor(0xf4, 0xf4, 0xf4)));
    return pixmap;
}

} // namespace vesperon
