#pragma once

#include <cstdlib>

namespace vesperon {

// A factor on every watched idle time, from VESPERON_TEST_IDLE_SCALE (above 0, at most 1): the
// end-to-end tests wait seconds where users wait minutes. 1 when unset or unreadable.
inline double idleTestScale()
{
    const char* text = std::getenv("VESPERON_TEST_IDLE_SCALE");
    const double scale = text ? std::atof(text) : 1.0;
    return scale > 0 && scale <= 1 ? scale : 1.0;
}

} // namespace vesperon
