#include "support/KWinServer.h"

#include "support/QtSpin.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusUnixFileDescriptor>
#include <QImage>

#include <wayland-client.h>

#include <cstring>
#include <fcntl.h>
#include <stdexcept>
#include <sys/mman.h>
#include <thread>
#include <type_traits>
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
            auto& globals = *static_cast<Globals*>(data);
            const auto bind = [&](auto*& global, const wl_interface& type, std::uint32_t version) {
                if (std::strcmp(interface, type.name) == 0)
                    global = static_cast<std::remove_reference_t<decltype(global)>>(
                        wl_registry_bind(registry, name, &type, version));
            };
            bind(globals.input, org_kde_kwin_fake_input_interface, 4);
            bind(globals.compositor, wl_compositor_interface, 1);
            bind(globals.shm, wl_shm_interface, 1);
            bind(globals.shell, xdg_wm_base_interface, 1);
            bind(globals.activation, xdg_activation_v1_interface, 1);
        },
        [](void*, wl_registry*, std::uint32_t) {},
    };
    wl_registry_add_listener(wl_display_get_registry(display_), &listener, &globals_);
    sync();
    if (!globals_.input)
        throw std::runtime_error("KWin offers no fake input");
    org_kde_kwin_fake_input_authenticate(globals_.input, "Vesperon tests", "input for the end-to-end tests");
    sync();
}

KWinServer::~KWinServer()
{
    if (globals_.input)
        org_kde_kwin_fake_input_destroy(globals_.input);
    wl_display_disconnect(display_);
    kwin_.reset();
}

void KWinServer::sync() { wl_display_roundtrip(display_); }

std::string KWinServer::launcherToken()
{
    static const xdg_surface_listener configured{
        [](void*, xdg_surface* frame, std::uint32_t serial) { xdg_surface_ack_configure(frame, serial); }};
    wl_surface* surface = wl_compositor_create_surface(globals_.compositor);
    xdg_surface* frame = xdg_wm_base_get_xdg_surface(globals_.shell, surface);
    xdg_surface_add_listener(frame, &configured, nullptr);
    xdg_surface_get_toplevel(frame);
    wl_surface_commit(surface);
    sync();
    // A 64×64 picture, that it shows and so is a window.
    const int fd = memfd_create("launcher", MFD_CLOEXEC), size = 64 * 64 * 4;
    if (fd < 0 || ftruncate(fd, size) != 0)
        return {};
    wl_shm_pool* pool = wl_shm_create_pool(globals_.shm, fd, size);
    wl_surface_attach(surface, wl_shm_pool_create_buffer(pool, 0, 64, 64, 64 * 4, WL_SHM_FORMAT_XRGB8888), 0, 0);
    wl_shm_pool_destroy(pool), close(fd);
    wl_surface_commit(surface);

    static const xdg_activation_token_v1_listener done{
        [](void* data, xdg_activation_token_v1*, const char* token) { *static_cast<std::string*>(data) = token; }};
    std::string token;
    // Refused until KWin has given the new window the keyboard.
    spinUntil([&] {
        xdg_activation_token_v1* request = xdg_activation_v1_get_activation_token(globals_.activation);
        xdg_activation_token_v1_add_listener(request, &done, &token);
        xdg_activation_token_v1_set_surface(request, surface);
        xdg_activation_token_v1_commit(request);
        sync();
        xdg_activation_token_v1_destroy(request);
        return token != "not-granted-666";
    });
    return token;
}

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
    org_kde_kwin_fake_input_pointer_motion_absolute(globals_.input, wl_fixed_from_int(x), wl_fixed_from_int(y));
    sync();
}

void KWinServer::button(std::uint32_t button, bool pressed)
{
    org_kde_kwin_fake_input_button(
        globals_.input, button, pressed ? WL_POINTER_BUTTON_STATE_PRESSED : WL_POINTER_BUTTON_STATE_RELEASED);
    sync();
}

void KWinServer::scroll()
{
    org_kde_kwin_fake_input_axis(globals_.input, WL_POINTER_AXIS_VERTICAL_SCROLL, wl_fixed_from_int(15));
    sync();
}

void KWinServer::key(std::uint32_t key, bool pressed)
{
    org_kde_kwin_fake_input_keyboard_key(
        globals_.input, key, pressed ? WL_KEYBOARD_KEY_STATE_PRESSED : WL_KEYBOARD_KEY_STATE_RELEASED);
    sync();
}

} // namespace vesperon::testing
