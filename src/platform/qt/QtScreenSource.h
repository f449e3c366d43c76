#pragma once

#include "platform/ScreenSource.h"

#include <QObject>
#include <QTimer>

class QScreen;

namespace vesperon {

class NotificationCenter;

// The screens Qt knows, primary first, each with a stable identifier. Posts
// screenParametersDidChange once per change of the screen set or geometry: the several Qt signals
// that one change produces are gathered into one notification.
class QtScreenSource : public QObject, public ScreenSource {
public:
    explicit QtScreenSource(NotificationCenter& notifications);

    std::vector<ScreenDescription> screens() const override;

private:
    void watch(QScreen* screen);

    NotificationCenter& notifications_;
    QTimer settle_;
};

} // namespace vesperon
