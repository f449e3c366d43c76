#pragma once

#include <QObject>

#include <functional>

class QSocketNotifier;

namespace vesperon {

// SIGTERM, SIGINT and SIGHUP, delivered on the main thread through a signalfd so that they run the
// same orderly termination as the menu's quit.
class QtTerminationSignals : public QObject {
public:
    // Call first in main, before any thread exists, so that no thread takes the signals itself.
    static void block();

    explicit QtTerminationSignals(std::function<void()> onSignal);
    ~QtTerminationSignals() override;

private:
    int fd_ = -1;
    QSocketNotifier* notifier_ = nullptr;
    std::function<void()> onSignal_;
};

} // namespace vesperon
