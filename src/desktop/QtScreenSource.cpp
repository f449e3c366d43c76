#include "desktop/QtScreenSource.h"

#include "display/ScreenIdentity.h"
#include "platform/EdidSource.h"

#include <QGuiApplication>
#include <QScreen>

#include <cmath>

namespace vesperon {

namespace {

// RandR reports one change as several events; Qt turns each into a signal.
constexpr int settleMilliseconds = 20;

} // namespace

QtScreenSource::QtScreenSource()
{
    settle_.setSingleShot(true);
    settle_.setInterval(settleMilliseconds);
    connect(&settle_, &QTimer::timeout, this, [this] { changed.emit(); });

    auto* app = qGuiApp;
    connect(app, &QGuiApplication::screenAdded, this, [this](QScreen* screen) {
        watch(screen);
        settle_.start();
    });
    connect(app, &QGuiApplication::screenRemoved, this, [this] { settle_.start(); });
    connect(app, &QGuiApplication::primaryScreenChanged, this, [this] { settle_.start(); });
    for (QScreen* screen : QGuiApplication::screens())
        watch(screen);
}

void QtScreenSource::completeWith(EdidSource* source)
{
    edids_ = source;
    edidsObserver_ = source ? source->changed.connect([this] { settle_.start(); }) : Subscription();
}

void QtScreenSource::watch(QScreen* screen)
{
    connect(screen, &QScreen::geometryChanged, this, [this] { settle_.start(); });
}

std::vector<ScreenDescription> QtScreenSource::screens() const
{
    QList<QScreen*> screens = QGuiApplication::screens();
    QScreen* primary = QGuiApplication::primaryScreen();
    if (primary && screens.removeOne(primary))
        screens.prepend(primary);

    std::vector<ScreenIdentity> identities;
    for (const QScreen* screen : screens) {
        identities.push_back(ScreenIdentity{screen->manufacturer().toStdString(), screen->model().toStdString(),
            screen->serialNumber().toStdString(), screen->name().toStdString()});
        if (edids_)
            edids_->complete(identities.back());
    }
    const std::vector<std::uint32_t> ids = stableScreenIdentifiers(identities);

    std::vector<ScreenDescription> descriptions;
    for (qsizetype i = 0; i < screens.size(); ++i) {
        const QScreen* screen = screens[i];
        // Qt keeps a screen's native top-left and divides only its size by the device pixel ratio.
        const QRect geometry = screen->geometry();
        const double scale = devicePixels_ ? screen->devicePixelRatio() : 1.0;
        ScreenDescription description;
        // A screen without an area (Qt's stand-in while no monitor is connected) is no display.
        if (!geometry.isEmpty())
            description.id = ids[static_cast<std::size_t>(i)];
        description.name = identities[static_cast<std::size_t>(i)].model;
        description.frame = Rect{static_cast<double>(geometry.x()), static_cast<double>(geometry.y()),
            std::round(geometry.width() * scale), std::round(geometry.height() * scale)};
        description.connector = screen->name().toStdString();
        description.isBuiltIn = isBuiltInConnector(description.connector);
        description.isPrimary = screen == primary;
        descriptions.push_back(std::move(description));
    }
    return descriptions;
}

} // namespace vesperon
