#pragma once

#include "core/Subscription.h"
#include "platform/ScreenSource.h"

#include <QObject>
#include <QTimer>

class QScreen;

namespace vesperon {

class EdidSource;

// The screens Qt knows, primary first, each with a stable identifier. Emits `changed` once per
// change of the screen set or geometry: the several Qt signals that one change produces are
// gathered into one.
class QtScreenSource : public QObject, public ScreenSource {
public:
    QtScreenSource();

    std::vector<ScreenDescription> screens() const override;
    // Completes what Qt reports of each monitor from `source`, which outlives this; null for none.
    void completeWith(EdidSource* source);
    // Frames in device pixels, as the server itself counts them, instead of Qt's scaled ones.
    void useDevicePixels(bool devicePixels) { devicePixels_ = devicePixels; }

private:
    void watch(QScreen* screen);

    QTimer settle_;
    EdidSource* edids_ = nullptr;
    bool devicePixels_ = false;
    Subscription edidsObserver_;
};

} // namespace vesperon
