#pragma once

namespace vesperon {

// A point in global screen coordinates.
struct Point {
    double x = 0;
    double y = 0;

    friend bool operator==(const Point&, const Point&) = default;
};

// A rectangle in global screen coordinates (top-left origin, as Qt reports screens).
struct Rect {
    double x = 0;
    double y = 0;
    double width = 0;
    double height = 0;

    bool contains(const Point& p) const { return p.x >= x && p.x < x + width && p.y >= y && p.y < y + height; }

    friend bool operator==(const Rect&, const Rect&) = default;
};

} // namespace vesperon
