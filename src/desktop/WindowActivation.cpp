#include "desktop/WindowActivation.h"

#include <QGuiApplication>
#include <QWindow>

namespace vesperon::WindowActivation {

QWindow* find(std::uintptr_t window)
{
    for (QWindow* each : QGuiApplication::topLevelWindows())
        if (window != 0 && each->handle() && each->winId() == window)
            return each;
    return nullptr;
}

void request(std::uintptr_t window, const std::string& token)
{
    QWindow* found = find(window);
    if (!found)
        return;
    if (!token.empty() && QGuiApplication::platformName() == QLatin1String("wayland"))
        qputenv("XDG_ACTIVATION_TOKEN", QByteArray::fromStdString(token));
    found->requestActivate();
}

} // namespace vesperon::WindowActivation
