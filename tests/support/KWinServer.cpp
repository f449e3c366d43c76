#include "support/KWinServer.h"

#include "fake-input-client-protocol.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusUnixFileDescriptor>
#include <QImage>

#include <wayland-client.h>

#include <cstring>
#include <fcntl.h>
#include <stdexcept>
#include <thread>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace vesperon::testing {

KWinServer::KWinServer()
{
    fs::create_directories(folder_ / "home");
    fs::create_directories(folder_ / "runtime");
    fs::permissions(folder_ / "runtime", fs::perms::owner_all);
    fs::copy_file("/usr/bin/kwin_wayland", folder_ / "kwin_wayland");
    // KWin runs its session's program, a line to the harness, once it serves. The name matters:
    // KWin loads its own Qt platform only into a program called kwin_wayland.
    const std::string runtime = (folder_ / "runtime").string();
    kwin_ = std::make_unique<Daemon>(
        std::vector<std::string>{"env", "-u", "DISPLAY", "-u", "WAYLAND_DISPLAY", "-u", "QT_QPA_PLATFORM",
            "XDG_RUNTIME_DIR=" + runtime, "HOME=" + (folder_ / "home").string(), "KWIN_WAYLAND_NO_PERMISSION_CHECKS=1",
            "KWIN_SCREENSHOT_NO_PERMISSION_CHECKS=1", // fake input for any client
            (folder_ / "kwin_wayland").string(), "--virtual", "--width", "1280", "--height", "720", "--output-count",
            "2", "--socket", "kwin-test", "--no-lockscreen", "sh -c 'echo $WAYLAND_DISPLAY >&{fd}'"},
        "kwin-wayland");
    socket_ = runtime + "/" + kwin_->line();
    if (!(display_ = wl_display_connect(socket_.c_str())))
        throw std::runtime_error("cannot connect to KWin");

    static const wl_registry_listener listener{
        [](void* data, wl_registry* registry, std::uint32_t name, const char* interface, std::uint32_t) {
            if (std::strcmp(interface, org_kde_kwin_fake_input_interface.name) == 0)
                *static_cast<org_kde_kwin_fake_input**>(data) = static_cast<org_kde_kwin_fake_input*>(
                    wl_registry_bind(registry, name, &org_kde_kwin_fake_input_interface, 4));
        },
        [](void*, wl_registry*, std::uint32_t) {},
    };
    wl_registry_add_listener(wl_display_get_registry(display_), &listener, &input_);
    sync();
    if (!input_)
        throw std::runtime_error("KWin offers no fake input");
    org_kde_kwin_fake_input_authenticate(input_, "Vesperon tests", "input for the end-to-end tests");
    sync();
}

KWinServer::~KWinServer()
{
    if (input_)
        org_kde_kwin_fake_input_destroy(input_);
    wl_display_disconnect(display_);
    kwin_.reset();
}

void KWinServer::sync() { wl_display_roundtrip(display_); }

QImage KWinServer::capture(const Rect& area) const
{
    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0)
        return {};
    // KWin may write the picture before it answers: read it meanwhile, or a full pipe stops both.
    QByteArray data;
    std::thread reader([&data, fd = fds[0]] {
        char buffer[65536];
        for (ssize_t n; (n = read(fd, buffer, sizeof buffer)) > 0;)
            data.append(buffer, n);
    });
    QDBusMessage reply;
    {
        QDBusMessage call = QDBusMessage::createMethodCall(QStringLiteral("org.kde.KWin"),
            QStringLiteral("/org/kde/KWin/ScreenShot2"), QStringLiteral("org.kde.KWin.ScreenShot2"),
            QStringLiteral("CaptureArea"));
        call << int(area.x) << int(area.y) << uint(area.width) << uint(area.height) << QVariantMap()
             << QVariant::fromValue(QDBusUnixFileDescriptor(fds[1])); // a copy of the descriptor, gone with the message
        reply = QDBusConnection::sessionBus().call(call);
    }
    close(fds[1]); // KWin holds its own copy until it has written
    reader.join();
    close(fds[0]);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return {};
    const QVariantMap image = qdbus_cast<QVariantMap>(reply.arguments().at(0));
    const int width = image.value(QStringLiteral("width")).toInt(),
              height = image.value(QStringLiteral("height")).toInt();
    const int stride = image.value(QStringLiteral("stride")).toInt();
    if (width <= 0 || height <= 0 || data.size() < qsizetype(stride) * height)
        return {};
    return QImage(reinterpret_cast<const uchar*>(data.constData()), width, height, stride,
        QImage::Format(image.value(QStringLiteral("format")).toInt()))
        .copy(); // the data goes with this function
}

void KWinServer::moveTo(int x, int y)
{
    org_kde_kwin_fake_input_pointer_motion_absolute(input_, wl_fixed_from_int(x), wl_fixed_from_int(y));
    sync();
}

void KWinServer::button(std::uint32_t button, bool pressed)
{
    org_kde_kwin_fake_input_button(
        input_, button, pressed ? WL_POINTER_BUTTON_STATE_PRESSED : WL_POINTER_BUTTON_STATE_RELEASED);
    sync();
}

void KWinServer::scroll()
{
    org_kde_kwin_fake_input_axis(input_, WL_POINTER_AXIS_VERTICAL_SCROLL, wl_fixed_from_int(15));
    sync();
}

void KWinServer::key(std::uint32_t key, bool pressed)
{
    org_kde_kwin_fake_input_keyboard_key(
        input_, key, pressed ? WL_KEYBOARD_KEY_STATE_PRESSED : WL_KEYBOARD_KEY_STATE_RELEASED);
    sync();
}

} // namespace vesperon::testing
