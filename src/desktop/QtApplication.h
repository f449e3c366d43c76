#pragma once

#include "platform/Application.h"

namespace vesperon {

// The Qt application: quitting ends its event loop.
class QtApplication : public Application {
public:
    void quit() override;
};

} // namespace vesperon
