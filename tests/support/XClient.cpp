#include "support/XClient.h"

#include <cstdlib>
#include <iterator>
#include <stdexcept>

#include <xcb/xtest.h>

namespace vesperon::testing {

XClient::XClient()
{
    int screenNumber = 0;
    connection_ = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(connection_))
        throw std::runtime_error("cannot connect to the test X server");
    screen_ = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data;
}

XClient::~XClient()
{
    xcb_disconnect(connection_);
}

xcb_window_t XClient::createWindow(const Rect& frame, std::uint32_t rgb, bool overrideRedirect, std::uint32_t eventMask)
{
    const xcb_window_t window = xcb_generate_id(connection_);
    const std::uint32_t values[] = {rgb, overrideRedirect ? 1u : 0u, eventMask};
    xcb_create_window(connection_, XCB_COPY_FROM_PARENT, window, screen_->root, static_cast<std::int16_t>(frame.x),
        static_cast<std::int16_t>(frame.y), static_cast<std::uint16_t>(frame.width),
        static_cast<std::uint16_t>(frame.height), 0, XCB_WINDOW_CLASS_INPUT_OUTPUT, screen_->root_visual,
        XCB_CW_BACK_PIXEL | XCB_CW_OVERRIDE_REDIRECT | XCB_CW_EVENT_MASK, values);
    xcb_map_window(connection_, window);
    sync();
    return window;
}

void XClient::raise(xcb_window_t window)
{
    const std::uint32_t above = XCB_STACK_MODE_ABOVE;
    xcb_configure_window(connection_, window, XCB_CONFIG_WINDOW_STACK_MODE, &above);
    sync();
}

std::uint32_t XClient::pixel(int x, int y)
{
    xcb_get_image_reply_t* image = xcb_get_image_reply(connection_,
        xcb_get_image(connection_, XCB_IMAGE_FORMAT_Z_PIXMAP, screen_->root, static_cast<std::int16_t>(x),
            static_cast<std::int16_t>(y), 1, 1, ~0u),
        nullptr);
    if (!image)
        throw std::runtime_error("GetImage failed");
    std::uint32_t value = 0;
    const std::uint8_t* data = xcb_get_image_data(image);
    if (xcb_get_image_data_length(image) >= 4)
        value = static_cast<std::uint32_t>(data[0] | (data[1] << 8) | (data[2] << 16)); // BGRX
    std::free(image);
    return value;
}

void XClient::setInputFocus(xcb_window_t window)
{
    xcb_set_input_focus(connection_, XCB_INPUT_FOCUS_POINTER_ROOT, window, XCB_CURRENT_TIME);
    sync();
}

xcb_window_t XClient::inputFocus()
{
    xcb_get_input_focus_reply_t* reply = xcb_get_input_focus_reply(connection_, xcb_get_input_focus(connection_), nullptr);
    const xcb_window_t focus = reply ? reply->focus : XCB_NONE;
    std::free(reply);
    return focus;
}

void XClient::moveTo(int x, int y)
{
    xcb_test_fake_input(connection_, XCB_MOTION_NOTIFY, 0, XCB_CURRENT_TIME, screen_->root,
        static_cast<std::int16_t>(x), static_cast<std::int16_t>(y), 0);
    sync();
}

void XClient::click(int x, int y, std::uint8_t button)
{
    moveTo(x, y);
    xcb_test_fake_input(connection_, XCB_BUTTON_PRESS, button, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
    xcb_test_fake_input(connection_, XCB_BUTTON_RELEASE, button, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
    sync();
}

void XClient::pressKey(std::uint8_t keyCode)
{
    xcb_test_fake_input(connection_, XCB_KEY_PRESS, keyCode, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
}

void XClient::releaseKey(std::uint8_t keyCode)
{
    xcb_test_fake_input(connection_, XCB_KEY_RELEASE, keyCode, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
}

void XClient::typeKey(std::uint8_t keyCode, std::initializer_list<std::uint8_t> modifiers)
{
    for (std::uint8_t modifier : modifiers)
        pressKey(modifier);
    pressKey(keyCode);
    releaseKey(keyCode);
    for (auto it = std::rbegin(modifiers); it != std::rend(modifiers); ++it)
        releaseKey(*it);
    sync();
}

void XClient::scroll(std::uint8_t button)
{
    xcb_test_fake_input(connection_, XCB_BUTTON_PRESS, button, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
    xcb_test_fake_input(connection_, XCB_BUTTON_RELEASE, button, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
    sync();
}

bool XClient::grabKey(std::uint8_t keyCode, std::uint16_t modifiers)
{
    xcb_generic_error_t* error = xcb_request_check(connection_,
        xcb_grab_key_checked(connection_, 0, screen_->root, modifiers, keyCode, XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC));
    std::free(error);
    return error == nullptr;
}

bool XClient::grabKeyboard(xcb_window_t window)
{
    auto* reply = xcb_grab_keyboard_reply(connection_,
        xcb_grab_keyboard(connection_, 0, window, XCB_CURRENT_TIME, XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC), nullptr);
    const bool grabbed = reply && reply->status == XCB_GRAB_STATUS_SUCCESS;
    std::free(reply);
    return grabbed;
}

void XClient::ungrabKeyboard()
{
    xcb_ungrab_keyboard(connection_, XCB_CURRENT_TIME);
    sync();
}

std::vector<std::pair<std::uint8_t, std::uint16_t>> XClient::keyPresses(xcb_window_t window)
{
    sync();
    drainEvents();
    return keys_[window];
}

int XClient::buttonPresses(xcb_window_t window)
{
    sync();
    drainEvents();
    return presses_[window];
}

std::vector<XClient::WindowInfo> XClient::findWindows(const std::string& wmClass)
{
    std::vector<WindowInfo> found;
    collect(screen_->root, wmClass, found);
    return found;
}

void XClient::collect(xcb_window_t parent, const std::string& wmClass, std::vector<WindowInfo>& found)
{
    auto* tree = xcb_query_tree_reply(connection_, xcb_query_tree(connection_, parent), nullptr);
    if (!tree)
        return;
    const xcb_window_t* children = xcb_query_tree_children(tree);
    const std::vector<xcb_window_t> list(children, children + xcb_query_tree_children_length(tree));
    std::free(tree);
    for (xcb_window_t window : list) {
        auto* property = xcb_get_property_reply(connection_,
            xcb_get_property(connection_, 0, window, XCB_ATOM_WM_CLASS, XCB_ATOM_STRING, 0, 256), nullptr);
        bool matches = false;
        if (property) {
            const char* value = static_cast<const char*>(xcb_get_property_value(property));
            const std::string classes(value, static_cast<std::size_t>(xcb_get_property_value_length(property)));
            const std::string instance = classes.substr(0, classes.find('\0'));
            const std::string name = classes.find('\0') == std::string::npos ? "" : classes.substr(classes.find('\0') + 1);
            matches = instance == wmClass || name.substr(0, name.find('\0')) == wmClass;
            std::free(property);
        }
        if (matches) {
            auto* attributes = xcb_get_window_attributes_reply(connection_, xcb_get_window_attributes(connection_, window), nullptr);
            auto* geometry = xcb_get_geometry_reply(connection_, xcb_get_geometry(connection_, window), nullptr);
            auto* position = xcb_translate_coordinates_reply(connection_,
                xcb_translate_coordinates(connection_, window, screen_->root, 0, 0), nullptr);
            if (attributes && geometry && position) {
                found.push_back(WindowInfo{window,
                    Rect{static_cast<double>(position->dst_x), static_cast<double>(position->dst_y),
                        static_cast<double>(geometry->width), static_cast<double>(geometry->height)},
                    attributes->override_redirect != 0, attributes->map_state == XCB_MAP_STATE_VIEWABLE});
            }
            std::free(attributes);
            std::free(geometry);
            std::free(position);
        }
        collect(window, wmClass, found);
    }
}

void XClient::sync()
{
    std::free(xcb_get_input_focus_reply(connection_, xcb_get_input_focus(connection_), nullptr));
}

void XClient::drainEvents()
{
    while (xcb_generic_event_t* event = xcb_poll_for_event(connection_)) {
        const auto type = event->response_type & 0x7f;
        if (type == XCB_BUTTON_PRESS)
            ++presses_[reinterpret_cast<xcb_button_press_event_t*>(event)->event];
        if (type == XCB_KEY_PRESS) {
            const auto* key = reinterpret_cast<xcb_key_press_event_t*>(event);
            keys_[key->event].emplace_back(key->detail, key->state);
        }
        std::free(event);
    }
}

} // namespace vesperon::testing
