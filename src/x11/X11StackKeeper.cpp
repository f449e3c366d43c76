#include "x11/X11StackKeeper.h"

#include "x11/XcbConnection.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace vesperon {

namespace {

// Another client that also insists on being on top would make both raise forever; past this many
// raises a second we give way until the second has passed.
constexpr std::size_t maxRestacksPerSecond = 20;

} // namespace

X11StackKeeper::X11StackKeeper(XcbConnection* connection) : connection_(connection)
{
    retry_.setSingleShot(true);
    retry_.setInterval(1000);
    QObject::connect(&retry_, &QTimer::timeout, &retry_, [this] { restackIfCovered(); });
    if (!connection_)
        return;
    reader_ = connection_->addReader([this](const xcb_generic_event_t& event) { handle(event); },
        [this] {
            if (std::exchange(changeSeen_, false))
                restackIfCovered();
        });
}

X11StackKeeper::~X11StackKeeper()
{
    if (!connection_)
        return;
    if (!kept_.empty()) {
        watchRoot(false);
        connection_->flush();
    }
    connection_->removeReader(reader_);
}

void X11StackKeeper::keepAbove(xcb_window_t window)
{
    if (!connection_ || isKept(window))
        return;
    kept_.push_back(window);
    if (kept_.size() == 1)
        watchRoot(true);
}

void X11StackKeeper::release(xcb_window_t window)
{
    if (!connection_ || !isKept(window))
        return;
    std::erase(kept_, window);
    if (kept_.empty())
        watchRoot(false);
}

bool X11StackKeeper::isKept(xcb_window_t window) const { return std::ranges::find(kept_, window) != kept_.end(); }

void X11StackKeeper::watchRoot(bool watch)
{
    const std::uint32_t mask = watch ? XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY : XCB_EVENT_MASK_NO_EVENT;
    // Sent with the windows' requests.
    xcb_change_window_attributes(connection_->get(), connection_->root(), XCB_CW_EVENT_MASK, &mask);
}

void X11StackKeeper::handle(const xcb_generic_event_t& event)
{
    xcb_window_t window = XCB_NONE;
    switch (event.response_type & 0x7f) {
    case XCB_MAP_NOTIFY:
        window = reinterpret_cast<const xcb_map_notify_event_t&>(event).window;
        break;
    case XCB_CONFIGURE_NOTIFY:
        window = reinterpret_cast<const xcb_configure_notify_event_t&>(event).window;
        break;
    case XCB_CIRCULATE_NOTIFY:
        window = reinterpret_cast<const xcb_circulate_notify_event_t&>(event).window;
        break;
    default:
        return; // errors (a window gone meanwhile) and everything else
    }
    // Events come in batches; the stack is looked at once per batch, not once per event.
    if (!kept_.empty() && !isKept(window))
        changeSeen_ = true;
}

void X11StackKeeper::restackIfCovered()
{
    if (kept_.empty())
        return;
    xcb_connection_t* c = connection_->get();
    xcb_query_tree_reply_t* tree = xcb_query_tree_reply(c, xcb_query_tree(c, connection_->root()), nullptr);
    if (!tree)
        return;
    const xcb_window_t* children = xcb_query_tree_children(tree); // bottom to top
    const int count = xcb_query_tree_children_length(tree);
    bool ownSeen = false;
    bool covered = false;
    for (int i = 0; i < count && !covered; ++i) {
        if (isKept(children[i]))
            ownSeen = true;
        else if (ownSeen)
            covered = true;
    }
    std::free(tree);
    if (!covered)
        return;
    if (!withinRestackBudget()) {
        if (!retry_.isActive())
            retry_.start();
        return;
    }

    const std::uint32_t above = XCB_STACK_MODE_ABOVE;
    for (xcb_window_t window : kept_)
        xcb_configure_window(c, window, XCB_CONFIG_WINDOW_STACK_MODE, &above);
    connection_->flush();
}

bool X11StackKeeper::withinRestackBudget()
{
    const auto now = std::chrono::steady_clock::now();
    while (!recentRestacks_.empty() && now - recentRestacks_.front() > std::chrono::seconds(1))
        recentRestacks_.pop_front();
    if (recentRestacks_.size() >= maxRestacksPerSecond)
        return false;
    recentRestacks_.push_back(now);
    return true;
}

} // namespace vesperon
