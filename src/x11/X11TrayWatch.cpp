#include "x11/X11TrayWatch.h"

#include "x11/XcbConnection.h"

#include <xcb/xfixes.h>

#include <cstdlib>
#include <string>

namespace vesperon {

X11TrayWatch::X11TrayWatch(XcbConnection* connection, std::function<void()> changed)
    : connection_(connection)
    , changed_(std::move(changed))
{
    if (!connection_)
        return;
    xcb_connection_t* c = connection_->get();
    const xcb_query_extension_reply_t* xfixes = xcb_get_extension_data(c, &xcb_xfixes_id);
    if (!xfixes || !xfixes->present)
        return; // every current server has it; without, the tray is looked for once, at start
    std::free(xcb_xfixes_query_version_reply(c, xcb_xfixes_query_version(c, 1, 0), nullptr));
    const std::string selection = "_NET_SYSTEM_TRAY_S" + std::to_string(connection_->screenNumber());
    xcb_xfixes_select_selection_input(c, connection_->root(), internAtom(c, selection.c_str()),
        XCB_XFIXES_SELECTION_EVENT_MASK_SET_SELECTION_OWNER | XCB_XFIXES_SELECTION_EVENT_MASK_SELECTION_WINDOW_DESTROY
            | XCB_XFIXES_SELECTION_EVENT_MASK_SELECTION_CLIENT_CLOSE);
    connection_->flush();
    notifyEvent_ = xfixes->first_event + XCB_XFIXES_SELECTION_NOTIFY;
    reader_ = connection_->addReader([this](const xcb_generic_event_t& event) {
        if ((event.response_type & 0x7f) == notifyEvent_)
            changed_();
    });
}

X11TrayWatch::~X11TrayWatch()
{
    if (reader_)
        connection_->removeReader(reader_);
}

} // namespace vesperon
