#pragma once

#include "core/Geometry.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QImage>

#include <cstdint>
#include <initializer_list>
#include <string>

namespace vesperon::testing {

// evdev codes the tests type and click; an X server's key codes are these plus 8.
namespace EvdevKey {
inline constexpr std::uint32_t escape = 1, one = 2, two = 3, three = 4, tab = 15, a = 30, d = 32, b = 48, space = 57,
                               enter = 28, leftControl = 29, leftShift = 42, leftAlt = 56, capsLock = 58, numLock = 69,
                               right = 106, down = 108, leftSuper = 125;
}
namespace EvdevButton {
inline constexpr std::uint32_t left = 0x110, right = 0x111;
}

// A private display server for one test process, with two outputs of 1280×720 side by side, real
// input on its seat and its pixels read back; never the developer's own. Ended on destruction, or
// by the kernel should the test die. Each server gives the few primitives it does its own way;
// what is built on them is here, once.
class TestServer {
public:
    static constexpr int outputWidth = 1280, outputHeight = 720;
    static Rect output(int index) { return {double(index * outputWidth), 0, outputWidth, outputHeight}; }

    // What a server's desktop does its own way, for the scenarios every server runs.
    struct Traits {
        bool placesWindows = true; // a window manager puts windows where they are asked to be maximised
        bool composites = true; // windows are drawn with transparency: a dimmed blackout shows through
        bool keysReachWindowWhileAllDark = false; // keys go on to the window in front during a full blackout
        bool tellsPointerPosition = false; // where the pointer is, for the idle blackout's scopes
        bool opensMenusOfItsOwn = true; // a program may open a menu where no panel draws one
        bool safetyWakeTakesShift = false; // the desktop keeps Control+Super+Escape for itself
    };

    virtual ~TestServer() = default;
    virtual Traits traits() const { return {}; }

    // Makes this process, and the programs it starts, clients of this server.
    virtual void becomeDisplay() const = 0;
    // What the server shows in `area` now; null when it gave no picture.
    virtual QImage capture(const Rect& area) const = 0;
    // Brings the server to where the scenarios every server runs begin: two outputs side by side,
    // as the compositors start with (an X server's monitors are each test's to set), the desktop in front.
    virtual void prepare() {}
    // Makes `index` the output where the next window opens.
    virtual void focusOutput(int index) = 0;
    // Input as a user's devices would send it; each returns once the server has it.
    virtual void moveTo(int x, int y) = 0;
    virtual void button(std::uint32_t button, bool pressed) = 0;
    virtual void key(std::uint32_t key, bool pressed) = 0;
    virtual void scroll() = 0; // one step of the wheel, down

    // Whether nine points across `area` (corners, edge middles, centre) all show `rgb` (0xRRGGBB)
    // now, each channel within `tolerance`.
    bool shows(const Rect& area, std::uint32_t rgb, int tolerance = 0) const;
    void click(int x, int y, std::uint32_t button = EvdevButton::left);
    // Presses and releases a key, holding the modifier keys around it.
    void typeKey(std::uint32_t key, std::initializer_list<std::uint32_t> modifiers = {});

protected:
    // For a Wayland server: its socket's absolute path.
    static void useWayland(const std::string& socket);
};

// The server the test process's main started.
TestServer& testServer();

// A method call on this process's session bus (or `bus`), waited for up to 20 s: its reply or its
// error. The event loop runs meanwhile: the callee may call back an object this process serves.
QDBusMessage busCall(const QString& service, const QString& path, const QString& interface, const QString& method,
    const QVariantList& arguments = {}, QDBusConnection bus = QDBusConnection::sessionBus());

} // namespace vesperon::testing
