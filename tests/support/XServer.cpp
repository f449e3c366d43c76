#include "support/XServer.h"

#include <cstdlib>
#include <stdexcept>
#include <sys/wait.h>

#include <xcb/xtest.h>

namespace vesperon::testing {

XvfbServer::XvfbServer(const std::string& screen, bool becomeDisplay)
    : daemon_({"Xvfb", "-displayfd", "{fd}", "-noreset", "-nolisten", "tcp", "-screen", "0", screen}, "xvfb")
    , display_(":" + daemon_.line())
    , size_(screen.substr(0, screen.rfind('x')))
{
    if (becomeDisplay)
        this->becomeDisplay();
    input_ = std::make_unique<XClient>(display_);
}

XvfbServer::~XvfbServer() = default;

void XvfbServer::becomeDisplay() const
{
    setenv("DISPLAY", display_.c_str(), 1);
    setenv("QT_QPA_PLATFORM", "xcb", 1);
    unsetenv("WAYLAND_DISPLAY");
}

void XvfbServer::prepare()
{
    setOutputMode(2 * outputWidth, outputHeight);
    setMonitor("L", output(0), true);
    setMonitor("R", output(1));
}

QImage XvfbServer::capture(const Rect& area) const { return input_->image(area); }

void XvfbServer::moveTo(int x, int y)
{
    input_->fake(XCB_MOTION_NOTIFY, 0, x, y);
    input_->sync();
}

void XvfbServer::button(std::uint32_t button, bool pressed)
{
    const std::uint8_t x11 = button == EvdevButton::right ? 3 : button == EvdevButton::left ? 1 : 2;
    input_->fake(pressed ? XCB_BUTTON_PRESS : XCB_BUTTON_RELEASE, x11);
    // A press goes out with its release: the server takes a click at once, as a quick click is.
    if (!pressed)
        input_->sync();
}

void XvfbServer::key(std::uint32_t key, bool pressed)
{
    input_->fake(pressed ? XCB_KEY_PRESS : XCB_KEY_RELEASE, static_cast<std::uint8_t>(key + 8));
    input_->sync();
}

void XvfbServer::scroll()
{
    input_->fake(XCB_BUTTON_PRESS, 5);
    input_->fake(XCB_BUTTON_RELEASE, 5);
    input_->sync();
}

int XvfbServer::run(const std::string& command) const
{
    const int status = std::system(("DISPLAY=" + display_ + " " + command + " >/dev/null 2>&1").c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

void XvfbServer::setOutputMode(int width, int height) const
{
    const std::string w = std::to_string(width), h = std::to_string(height), mode = w + "x" + h;
    run("xrandr --newmode " + mode + " 0 " + w + " 0 0 0 " + h + " 0 0 0"); // fails harmlessly when known
    run("xrandr --addmode screen " + mode);
    if (run("xrandr --fb " + size_ + " --output screen --mode " + mode) != 0)
        throw std::runtime_error("xrandr could not set the output to " + mode);
}

void XvfbServer::setMonitor(const std::string& name, const Rect& frame, bool takesOutput) const
{
    const auto px = [](double v) { return std::to_string(static_cast<long>(v)); };
    const auto mm = [](double v) { return std::to_string(static_cast<long>(v * 25.4 / 96)); };
    run("xrandr --delmonitor " + name); // one of the name a test before this one set
    if (run("xrandr --setmonitor " + name + " " + px(frame.width) + "/" + mm(frame.width) + "x" + px(frame.height) + "/"
            + mm(frame.height) + "+" + px(frame.x) + "+" + px(frame.y) + (takesOutput ? " screen" : " none"))
        != 0)
        throw std::runtime_error("xrandr --setmonitor " + name + " failed");
}

void XvfbServer::deleteMonitor(const std::string& name) const
{
    if (run("xrandr --delmonitor " + name) != 0)
        throw std::runtime_error("xrandr --delmonitor " + name + " failed");
}

XClient::XClient(const std::string& display)
    : connection_(xcb_connect(display.empty() ? nullptr : display.c_str(), nullptr))
{
    if (xcb_connection_has_error(connection_))
        throw std::runtime_error("cannot connect to the test X server");
    screen_ = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data;
}

XClient::~XClient() { xcb_disconnect(connection_); }

xcb_window_t XClient::createPopup(const Rect& frame, std::uint32_t rgb)
{
    const xcb_window_t window = xcb_generate_id(connection_);
    const std::uint32_t values[] = {rgb, 1};
    xcb_create_window(connection_, XCB_COPY_FROM_PARENT, window, screen_->root, std::int16_t(frame.x),
        std::int16_t(frame.y), std::uint16_t(frame.width), std::uint16_t(frame.height), 0,
        XCB_WINDOW_CLASS_INPUT_OUTPUT, screen_->root_visual, XCB_CW_BACK_PIXEL | XCB_CW_OVERRIDE_REDIRECT, values);
    xcb_map_window(connection_, window);
    sync();
    return window;
}

std::uint32_t XClient::pixel(int x, int y)
{
    const QImage one = image(Rect{double(x), double(y), 1, 1});
    if (one.isNull()) // never black by mistake
        throw std::runtime_error("GetImage failed");
    return one.pixel(0, 0) & 0xffffff;
}

QImage XClient::image(const Rect& area)
{
    const auto w = static_cast<std::uint16_t>(area.width), h = static_cast<std::uint16_t>(area.height);
    auto* image = xcb_get_image_reply(connection_,
        xcb_get_image(connection_, XCB_IMAGE_FORMAT_Z_PIXMAP, screen_->root, static_cast<std::int16_t>(area.x),
            static_cast<std::int16_t>(area.y), w, h, ~0u),
        nullptr);
    QImage picture;
    if (image && xcb_get_image_data_length(image) >= w * h * 4)
        picture = QImage(xcb_get_image_data(image), w, h, w * 4, QImage::Format_RGB32).copy();
    std::free(image);
    return picture;
}

xcb_window_t XClient::inputFocus()
{
    auto* reply = xcb_get_input_focus_reply(connection_, xcb_get_input_focus(connection_), nullptr);
    const xcb_window_t focus = reply ? reply->focus : xcb_window_t{XCB_NONE};
    std::free(reply);
    return focus;
}

void XClient::fake(std::uint8_t type, std::uint8_t detail, int x, int y)
{
    xcb_test_fake_input(connection_, type, detail, XCB_CURRENT_TIME,
        type == XCB_MOTION_NOTIFY ? screen_->root : XCB_NONE, static_cast<std::int16_t>(x),
        static_cast<std::int16_t>(y), 0);
}

bool XClient::grabKey(std::uint32_t key, std::uint16_t modifiers)
{
    xcb_generic_error_t* error = xcb_request_check(connection_,
        xcb_grab_key_checked(connection_, 0, screen_->root, modifiers, static_cast<std::uint8_t>(key + 8),
            XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC));
    std::free(error);
    return error == nullptr;
}

void XClient::sync() { std::free(xcb_get_input_focus_reply(connection_, xcb_get_input_focus(connection_), nullptr)); }

} // namespace vesperon::testing
