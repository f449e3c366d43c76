#pragma once

#include "platform/ScreenSource.h"

#include <QObject>
#include <QTimer>

class QScreen;

namespace vesperon {

// The screens Qt knows, primary first, each with a stable identifier. Emits `changed` once per
// change of the screen set or geometry: the several Qt signals that one change produces are
// gathered into one.
class QtScreenSource : public QObject, public ScreenSource {
public:
    QtScreenSource();

    std::vector<ScreenDescription> screens() const override;

private:
    void watch(QScreen* screen);

    QTimer settle_;
};

} // namespace vesperon
