#include "x11/X11InstanceClaim.h"

#include "x11/XcbConnection.h"

#include <cstdlib>

namespace vesperon {

namespace {

constexpr const char* selectionName = "_VESPERON_INSTANCE";

} // namespace

X11InstanceClaim::X11InstanceClaim(const char* display)
{
    int screenNumber = 0;
    connection_ = xcb_connect(display, &screenNumber);
    if (xcb_connection_has_error(connection_))
        return;
    const xcb_atom_t selection = internAtom(connection_, selectionName);
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;
    const xcb_window_t owner = xcb_generate_id(connection_);
    xcb_create_window(
        connection_, 0, owner, root, -1, -1, 1, 1, 0, XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, 0, nullptr);

    xcb_grab_server(connection_);
    auto* current
        = xcb_get_selection_owner_reply(connection_, xcb_get_selection_owner(connection_, selection), nullptr);
    ours_ = !current || current->owner == XCB_NONE;
    std::free(current);
    if (ours_)
        xcb_set_selection_owner(connection_, owner, selection, XCB_CURRENT_TIME);
    xcb_ungrab_server(connection_);
    xcb_flush(connection_);
}

X11InstanceClaim::~X11InstanceClaim() { xcb_disconnect(connection_); }

} // namespace vesperon
