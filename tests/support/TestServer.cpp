#include "support/TestServer.h"

#include "support/QtSpin.h"

#include <QDBusPendingCall>

#include <cstdlib>
#include <iterator>

namespace vesperon::testing {

namespace {

bool near(std::uint32_t seen, std::uint32_t rgb, int tolerance)
{
    for (const int shift : {16, 8, 0})
        if (std::abs(int(seen >> shift & 0xff) - int(rgb >> shift & 0xff)) > tolerance)
            return false;
    return true;
}

} // namespace

bool TestServer::shows(const Rect& area, std::uint32_t rgb, int tolerance) const
{
    const QImage picture = capture(area);
    if (picture.width() != int(area.width) || picture.height() != int(area.height))
        return false;
    for (const int y : {0, picture.height() / 2, picture.height() - 1})
        for (const int x : {0, picture.width() / 2, picture.width() - 1})
            if (!near(picture.pixel(x, y) & 0xffffff, rgb, tolerance))
                return false;
    return true;
}

void TestServer::click(int x, int y, std::uint32_t which)
{
    moveTo(x, y);
    button(which, true);
    button(which, false);
}

void TestServer::typeKey(std::uint32_t pressed, std::initializer_list<std::uint32_t> modifiers)
{
    for (const std::uint32_t modifier : modifiers)
        key(modifier, true);
    key(pressed, true);
    key(pressed, false);
    for (auto it = std::rbegin(modifiers); it != std::rend(modifiers); ++it)
        key(*it, false);
}

void TestServer::useWayland(const std::string& socket)
{
    setenv("WAYLAND_DISPLAY", socket.c_str(), 1);
    setenv("QT_QPA_PLATFORM", "wayland", 1);
    // The test's windows are the colour they are asked to be, edge to edge, on every compositor.
    setenv("QT_WAYLAND_DISABLE_WINDOWDECORATION", "1", 1);
    unsetenv("DISPLAY");
}

QDBusMessage busCall(const QString& service, const QString& path, const QString& interface, const QString& method,
    const QVariantList& arguments, QDBusConnection bus)
{
    QDBusMessage message = QDBusMessage::createMethodCall(service, path, interface, method);
    message.setArguments(arguments);
    QDBusPendingCall pending = bus.asyncCall(message, 20000);
    spinUntil([&] { return pending.isFinished(); }, 21000);
    return pending.reply();
}

} // namespace vesperon::testing
