#include "x11/X11WindowActivation.h"

#include <algorithm>
#include <charconv>
#include <cstring>

namespace vesperon {

namespace {

// Launchers end the id with _TIME and the X server time of the click that launched.
xcb_timestamp_t launchTime(const std::string& startupId)
{
    const auto at = startupId.rfind("_TIME");
    xcb_timestamp_t time = XCB_CURRENT_TIME;
    if (at != std::string::npos)
        std::from_chars(startupId.data() + at + 5, startupId.data() + startupId.size(), time);
    return time;
}

// A value with a space, a quote or a backslash goes in quotes, the last two escaped.
std::string quoted(const std::string& value)
{
    if (value.find_first_of(" \"\\") == std::string::npos)
        return value;
    std::string out = "\"";
    for (char c : value) {
        if (c == '"' || c == '\\')
            out += '\\';
        out += c;
    }
    return out + '"';
}

} // namespace

void X11WindowActivation::bringToFront(xcb_window_t window, const std::string& startupId)
{
    if (!connection_ || startupId.empty())
        return;
    if (window != XCB_NONE) {
        activate(window, startupId);
        announceDone(window, startupId);
    } else {
        // The message names a window of the sender's own; a bare one serves for that moment.
        xcb_connection_t* c = connection_->get();
        const xcb_window_t own = xcb_generate_id(c);
        xcb_create_window(c, 0, own, connection_->root(), -1, -1, 1, 1, 0, XCB_WINDOW_CLASS_INPUT_ONLY,
            XCB_COPY_FROM_PARENT, 0, nullptr);
        announceDone(own, startupId);
        xcb_destroy_window(c, own);
    }
    connection_->flush();
}

void X11WindowActivation::activate(xcb_window_t window, const std::string& startupId)
{
    xcb_connection_t* c = connection_->get();
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, window, internAtom(c, "_NET_STARTUP_ID"),
        internAtom(c, "UTF8_STRING"), 8, static_cast<std::uint32_t>(startupId.size()), startupId.data());
    const xcb_timestamp_t time = launchTime(startupId);
    if (time != XCB_CURRENT_TIME)
        xcb_change_property(
            c, XCB_PROP_MODE_REPLACE, window, internAtom(c, "_NET_WM_USER_TIME"), XCB_ATOM_CARDINAL, 32, 1, &time);
    xcb_client_message_event_t event{};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = window;
    event.type = internAtom(c, "_NET_ACTIVE_WINDOW");
    event.data.data32[0] = 1; // from an application, with the time of the user's request
    event.data.data32[1] = time;
    xcb_send_event(c, 0, connection_->root(), XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
        reinterpret_cast<const char*>(&event));
}

// The startup-notification message goes out in 20-byte pieces, the end marked by a zero byte.
void X11WindowActivation::announceDone(xcb_window_t from, const std::string& startupId)
{
    xcb_connection_t* c = connection_->get();
    const std::string message = "remove: ID=" + quoted(startupId);
    const xcb_atom_t begin = internAtom(c, "_NET_STARTUP_INFO_BEGIN");
    const xcb_atom_t more = internAtom(c, "_NET_STARTUP_INFO");
    for (std::size_t offset = 0; offset <= message.size(); offset += 20) {
        xcb_client_message_event_t event{};
        event.response_type = XCB_CLIENT_MESSAGE;
        event.format = 8;
        event.window = from;
        event.type = offset == 0 ? begin : more;
        const std::size_t n = std::min<std::size_t>(20, message.size() - offset);
        std::memcpy(event.data.data8, message.data() + offset, n);
        xcb_send_event(
            c, 0, connection_->root(), XCB_EVENT_MASK_PROPERTY_CHANGE, reinterpret_cast<const char*>(&event));
    }
}

} // namespace vesperon
