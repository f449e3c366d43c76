#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <xcb/xcb.h>

class QSocketNotifier;

namespace vesperon {

// A connection of Vesperon's own to the X server, read from the Qt event loop. Its events go to
// every reader; errors arrive there too (response type 0). If the server goes away the connection
// stops reading, silently: see X11ServerLoss for what the user is told.
class XcbConnection {
public:
    using EventHandler = std::function<void(const xcb_generic_event_t& event)>;

    // Connects to `display` ($DISPLAY when null); nothing (and a line on standard output naming
    // `purpose`) on failure.
    static std::unique_ptr<XcbConnection> open(const std::string& purpose, const char* display = nullptr);
    ~XcbConnection();
    XcbConnection(const XcbConnection&) = delete;
    XcbConnection& operator=(const XcbConnection&) = delete;

    xcb_connection_t* get() const { return connection_; }
    xcb_window_t root() const { return screen_->root; }
    const xcb_screen_t& screen() const { return *screen_; }
    int screenNumber() const { return screenNumber_; }

    // Each reader sees every event, in the order the readers were added, and `batchEnd` once after
    // each batch of events, when none is left to read. The id removes it (not from within its own
    // call).
    std::size_t addReader(EventHandler onEvent, std::function<void()> batchEnd = {});
    void removeReader(std::size_t id);
    // Reads and handles every event already received, then flushes.
    void dispatchPending();
    void flush() { xcb_flush(connection_); }
    bool hasError() const { return xcb_connection_has_error(connection_) != 0; }
    // Stops reading for `milliseconds`, then handles all that came meanwhile as one batch: a burst
    // of events costs one wake-up of the event loop per rest, not one per event.
    void rest(int milliseconds);

private:
    XcbConnection(xcb_connection_t* connection, xcb_screen_t* screen, int screenNumber);
    // What libxcb queued without the socket telling: events read during a reply wait.
    void dispatchQueued();
    // Handles `first` and every event queued after it.
    void handle(xcb_generic_event_t* first);
    void endBatch();

    xcb_connection_t* connection_;
    xcb_screen_t* screen_;
    int screenNumber_;
    std::unique_ptr<QSocketNotifier> notifier_;
    struct Reader {
        std::size_t id;
        EventHandler onEvent;
        std::function<void()> batchEnd;
    };
    std::vector<Reader> readers_;
    std::size_t nextReader_ = 1;
    bool resting_ = false;
};

// The atom for `name`, made if need be; XCB_ATOM_NONE when the server does not answer.
xcb_atom_t internAtom(xcb_connection_t* connection, const char* name);

} // namespace vesperon
