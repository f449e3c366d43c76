#pragma once

#include <QIconEngine>
#include <QPixmap>

#include <map>
#include <utility>

namespace vesperon {

// One of the project's glyphs as a light shape in a dark outline, which reads on dark panels and
// light ones alike, whatever the theme. Each size is drawn when first asked for, and kept: a tray
// asks for one, and drawing all at start would delay the icon.
class OutlinedIconEngine : public QIconEngine {
public:
    explicit OutlinedIconEngine(QString resource) : resource_(std::move(resource)) {}

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override;
    // The sizes panels ask for; any other is drawn too.
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override;
    QIconEngine* clone() const override { return new OutlinedIconEngine(resource_); }
    QString key() const override { return QStringLiteral("vesperon-outlined"); }

private:
    QPixmap draw(int size) const;

    QString resource_;
    std::map<int, QPixmap> drawn_; // by side
};

} // namespace vesperon
