#pragma once

#include "platform/ScreenSource.h"

namespace vesperon::testing {

// Screens set by the test; counts how often they were asked for.
class FakeScreenSource : public ScreenSource {
public:
    std::vector<ScreenDescription> screens() const override
    {
        ++queries;
        return list;
    }

    // Adds an external monitor at x = 1920 * n.
    void addMonitor(std::uint32_t id, std::string name = {}, bool builtIn = false)
    {
        const double x = 1920.0 * static_cast<double>(list.size());
        list.push_back(ScreenDescription{id, std::move(name), Rect{x, 0, 1920, 1080}, builtIn});
    }

    std::vector<ScreenDescription> list;
    mutable int queries = 0;
};

} // namespace vesperon::testing
