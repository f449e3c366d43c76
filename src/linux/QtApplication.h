#pragma once

#include "platform/Application.h"

#include <QObject>

namespace vesperon {

// The Qt application: quitting ends its event loop, and `activated` follows Qt's application state.
class QtApplication : public Application {
public:
    QtApplication();
    void quit() override;

private:
    QObject context_;
};

} // namespace vesperon
