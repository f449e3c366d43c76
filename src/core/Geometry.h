#pragma once

namespace vesperon {

// A rectangle in global screen coordinates (top-left origin, as Qt reports screens).
struct Rect {
    double x = 0;
    double y = 0;
    double width = 0;
    double height = 0;

    friend bool operator==(const Rect&, const Rect&) = default;
};

} // namespace vesperon
