#pragma once

#include "core/Geometry.h"

#include <QKeyEvent>
#include <QWidget>

#include <memory>

namespace vesperon::testing {

// A plain window of the test's own that counts the clicks and keys it receives.
struct Window : QWidget {
    explicit Window(std::uint32_t rgb)
    {
        setAutoFillBackground(true);
        QPalette colours = palette();
        colours.setColor(QPalette::Window, QColor::fromRgb(rgb));
        setPalette(colours);
    }
    void mousePressEvent(QMouseEvent*) override { ++clicks; }
    void keyPressEvent(QKeyEvent* event) override { ++keys, typed += event->text(); }
    // Shown at `frame`, as a bare X server puts a window where it asks to be.
    static std::unique_ptr<Window> at(const Rect& frame, std::uint32_t rgb)
    {
        auto window = std::make_unique<Window>(rgb);
        window->setGeometry(int(frame.x), int(frame.y), int(frame.width), int(frame.height));
        window->show();
        return window;
    }
    int clicks = 0, keys = 0;
    QString typed;
};

} // namespace vesperon::testing
