#include "x11/XcbConnection.h"

#include "core/Translation.h"
#include <QAbstractEventDispatcher>
#include <QSocketNotifier>
#include <QTimer>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <iostream>

namespace vesperon {

std::unique_ptr<XcbConnection> XcbConnection::open(const std::string& purpose, const char* display)
{
    int screenNumber = 0;
    xcb_connection_t* connection = xcb_connect(display, &screenNumber);
    if (!connection || xcb_connection_has_error(connection)) {
        //: %1 is what the connection is for: black windows, hotkeys or idle time
        std::cout << substitute(translated("X11", "Vesperon: cannot connect to the X server for %1"), {purpose})
                  << std::endl;
        if (connection)
            xcb_disconnect(connection);
        return nullptr;
    }
    xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(connection));
    for (int i = 0; i < screenNumber && it.rem > 0; ++i)
        xcb_screen_next(&it);
    return std::unique_ptr<XcbConnection>(new XcbConnection(connection, it.data, screenNumber));
}

XcbConnection::XcbConnection(xcb_connection_t* connection, xcb_screen_t* screen, int screenNumber)
    : connection_(connection)
    , screen_(screen)
    , screenNumber_(screenNumber)
    , notifier_(std::make_unique<QSocketNotifier>(xcb_get_file_descriptor(connection), QSocketNotifier::Read))
{
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, notifier_.get(), [this] { dispatchPending(); });
    // Events that arrive while a reply is awaited are read from the socket and queued by libxcb;
    // the socket then has nothing left to say. They are handled before the event loop sleeps.
    if (auto* dispatcher = QAbstractEventDispatcher::instance()) {
        QObject::connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, notifier_.get(), [this] {
            if (notifier_->isEnabled())
                dispatchQueued();
        });
    }
}

XcbConnection::~XcbConnection()
{
    notifier_->setEnabled(false);
    xcb_disconnect(connection_);
}

void XcbConnection::rest(int milliseconds)
{
    if (resting_ || !notifier_->isEnabled())
        return;
    resting_ = true;
    notifier_->setEnabled(false);
    QTimer::singleShot(milliseconds, notifier_.get(), [this] {
        resting_ = false;
        notifier_->setEnabled(true);
        dispatchPending();
    });
}

void XcbConnection::dispatchPending()
{
    handle(xcb_poll_for_event(connection_));
    if (hasError() && notifier_->isEnabled()) {
        // A broken connection stays readable forever; stop watching it rather than spin. Qt's own
        // connection to the same server breaks too, and the program ends there, in one line.
        notifier_->setEnabled(false);
        return;
    }
    endBatch();
}

void XcbConnection::dispatchQueued()
{
    if (xcb_generic_event_t* first = xcb_poll_for_queued_event(connection_)) {
        handle(first);
        endBatch();
    }
}

std::size_t XcbConnection::addReader(EventHandler onEvent, std::function<void()> batchEnd)
{
    readers_.push_back(Reader{nextReader_, std::move(onEvent), std::move(batchEnd)});
    return nextReader_++;
}

void XcbConnection::removeReader(std::size_t id)
{
    std::erase_if(readers_, [id](const Reader& reader) { return reader.id == id; });
}

void XcbConnection::handle(xcb_generic_event_t* first)
{
    for (xcb_generic_event_t* event = first; event; event = xcb_poll_for_queued_event(connection_)) {
        for (std::size_t i = 0; i < readers_.size(); ++i)
            readers_[i].onEvent(*event);
        std::free(event);
    }
}

void XcbConnection::endBatch()
{
    for (std::size_t i = 0; i < readers_.size(); ++i)
        if (readers_[i].batchEnd)
            readers_[i].batchEnd();
    xcb_flush(connection_);
}

xcb_atom_t internAtom(xcb_connection_t* connection, const char* name)
{
    auto* reply = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name), nullptr);
    const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    std::free(reply);
    return atom;
}

} // namespace vesperon
