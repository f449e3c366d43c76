#include "x11/X11InputTap.h"

#include "core/EventFlags.h"
#include "desktop/KeyCodeTable.h"
#include "x11/XcbConnection.h"

#include <cstdlib>
#include <utility>

#include "x11/XcbXkb.h"
#include <xcb/xinput.h>

namespace vesperon {

namespace {

struct RawEventMask {
    xcb_input_event_mask_t head;
    std::uint32_t bits;
};

} // namespace

X11InputTap::X11InputTap(XcbConnection* connection) : connection_(connection) {}

X11InputTap::~X11InputTap() { stop(); }

bool X11InputTap::start(Handler handler)
{
    stop();
    if (!connection_ || !offersRawInput(connection_->get()))
        return false;
    xcb_connection_t* c = connection_->get();
    xinputOpcode_ = xcb_get_extension_data(c, &xcb_input_id)->major_opcode;
    followModifiers(true);
    handler_ = std::move(handler);
    // Raw motion can come thousands of times a second. What it can wake for (movement, smooth
    // scrolling) may wait 10 ms, so in a burst faster than a 2 kHz mouse the event loop wakes once
    // per 10 ms rather than once per event; anything slower, and a lone move before a click, is
    // read at once. The stack keeper, which shares the connection, rests with it.
    reader_ = connection_->addReader([this](const xcb_generic_event_t& event) { handle(event); },
        [this] {
            const auto now = std::chrono::steady_clock::now();
            if (now - burstStart_ > std::chrono::milliseconds(10))
                burstStart_ = now, burstMotions_ = 0;
            burstMotions_ += std::exchange(motionsInBatch_, 0);
            if (std::exchange(movedInBatch_, false))
                deliver(InputEvent::Type::mouseMoved);
            if (burstMotions_ > 20)
                connection_->rest(10);
        });
    readScrollAxes();
    selectEvents();
    return true;
}

void X11InputTap::stop()
{
    handler_ = nullptr;
    scrollAxes_.clear();
    const std::size_t reader = std::exchange(reader_, 0);
    if (!reader)
        return;
    motionWanted_ = false;
    followModifiers(false);
    selectEvents(); // nothing, now
    connection_->removeReader(reader);
}

// Raw events carry no modifier state; XKB tells of every change.
void X11InputTap::followModifiers(bool follow)
{
    xcb_connection_t* c = connection_->get();
    const xcb_query_extension_reply_t* xkb = xcb_get_extension_data(c, &xcb_xkb_id);
    if (!xkb || !xkb->present)
        return;
    if (follow)
        std::free(xcb_xkb_use_extension_reply(
            c, xcb_xkb_use_extension(c, XCB_XKB_MAJOR_VERSION, XCB_XKB_MINOR_VERSION), nullptr));
    xkbFirstEvent_ = xkb->first_event;
    // All state changes, or none: no details to name.
    constexpr std::uint16_t changes = XCB_XKB_EVENT_TYPE_STATE_NOTIFY;
    xcb_xkb_select_events(
        c, XCB_XKB_ID_USE_CORE_KBD, changes, follow ? 0 : changes, follow ? changes : 0, 0, 0, nullptr);
    if (!follow)
        return;
    if (auto* state = xcb_xkb_get_state_reply(c, xcb_xkb_get_state(c, XCB_XKB_ID_USE_CORE_KBD), nullptr)) {
        flags_ = eventFlagsFromX11State(state->mods);
        std::free(state);
    }
}

void X11InputTap::setMotionWanted(bool wanted)
{
    if (wanted == motionWanted_)
        return;
    motionWanted_ = wanted;
    if (reader_)
        selectEvents();
}

void X11InputTap::selectEvents()
{
    xcb_connection_t* c = connection_->get();
    // Between blackouts nothing of the user's is wanted: the program does not wake at every
    // keystroke, and the hotkey that begins a blackout finds it idle. From the moment the server
    // reads this request, not before: a press it handled earlier (the very key that chose a
    // menu's blackout, read late on a busy machine) is never sent, and cannot end the blackout.
    constexpr std::uint32_t everything = XCB_INPUT_XI_EVENT_MASK_RAW_KEY_PRESS | XCB_INPUT_XI_EVENT_MASK_RAW_KEY_RELEASE
        | XCB_INPUT_XI_EVENT_MASK_RAW_BUTTON_PRESS | XCB_INPUT_XI_EVENT_MASK_RAW_MOTION;
    const std::uint32_t raw = motionWanted_ ? everything : 0;
    // Devices come and go while the tap runs; their scroll axes are read again when they do.
    const std::uint32_t devices
        = reader_ ? XCB_INPUT_XI_EVENT_MASK_HIERARCHY | XCB_INPUT_XI_EVENT_MASK_DEVICE_CHANGED : 0;
    const RawEventMask masks[] = {{{XCB_INPUT_DEVICE_ALL_MASTER, 1}, raw}, {{XCB_INPUT_DEVICE_ALL, 1}, devices}};
    xcb_input_xi_select_events(c, connection_->root(), 2, &masks[0].head);
    connection_->flush();
}

void X11InputTap::readScrollAxes()
{
    scrollAxes_.clear();
    xcb_connection_t* c = connection_->get();
    auto* reply = xcb_input_xi_query_device_reply(c, xcb_input_xi_query_device(c, XCB_INPUT_DEVICE_ALL), nullptr);
    if (!reply)
        return;
    for (auto device = xcb_input_xi_query_device_infos_iterator(reply); device.rem;
         xcb_input_xi_device_info_next(&device)) {
        for (auto cls = xcb_input_xi_device_info_classes_iterator(device.data); cls.rem;
             xcb_input_device_class_next(&cls)) {
            if (cls.data->type == XCB_INPUT_DEVICE_CLASS_TYPE_SCROLL) {
                const auto* scroll = reinterpret_cast<const xcb_input_scroll_class_t*>(cls.data);
                scrollAxes_[device.data->deviceid].insert(scroll->number);
            }
        }
    }
    std::free(reply);
}

void X11InputTap::handle(const xcb_generic_event_t& event)
{
    const auto type = event.response_type & 0x7f;
    if (xkbFirstEvent_ && type == xkbFirstEvent_) {
        const auto& xkb = reinterpret_cast<const xcb_xkb_state_notify_event_t&>(event);
        if (xkb.xkbType == XCB_XKB_STATE_NOTIFY)
            flags_ = eventFlagsFromX11State(xkb.mods);
        return;
    }
    if (type != XCB_GE_GENERIC)
        return;
    const auto& generic = reinterpret_cast<const xcb_ge_generic_event_t&>(event);
    if (generic.extension == xinputOpcode_)
        handleRaw(generic.event_type, event);
}

void X11InputTap::handleRaw(std::uint16_t type, const xcb_generic_event_t& event)
{
    switch (type) {
    case XCB_INPUT_HIERARCHY:
        readScrollAxes();
        return;
    case XCB_INPUT_DEVICE_CHANGED:
        // Not when the pointer merely passes from one device to another, which is frequent.
        if (reinterpret_cast<const xcb_input_device_changed_event_t&>(event).reason
            == XCB_INPUT_CHANGE_REASON_DEVICE_CHANGE)
            readScrollAxes();
        return;
    case XCB_INPUT_RAW_KEY_PRESS:
    case XCB_INPUT_RAW_KEY_RELEASE: {
        const auto& raw = reinterpret_cast<const xcb_input_raw_key_press_event_t&>(event);
        if (const auto code = KeyCodeTable::pressedKey(raw.detail)) // none for a modifier alone
            deliver(type == XCB_INPUT_RAW_KEY_PRESS ? InputEvent::Type::keyDown : InputEvent::Type::keyUp, *code);
        return;
    }
    case XCB_INPUT_RAW_BUTTON_PRESS: {
        const auto& raw = reinterpret_cast<const xcb_input_raw_button_press_event_t&>(event);
        if (raw.detail == 1)
            deliver(InputEvent::Type::leftMouseDown);
        else if (raw.detail == 3)
            deliver(InputEvent::Type::rightMouseDown);
        else if (raw.detail >= 4 && raw.detail <= 7)
            deliver(InputEvent::Type::scrollWheel); // wheel steps, also those emulated from smooth scrolling
        return; // the middle and extra buttons are not delivered
    }
    case XCB_INPUT_RAW_MOTION: {
        ++motionsInBatch_;
        auto& raw
            = const_cast<xcb_input_raw_motion_event_t&>(reinterpret_cast<const xcb_input_raw_motion_event_t&>(event));
        const std::uint32_t* mask = xcb_input_raw_button_press_valuator_mask(&raw);
        const int words = xcb_input_raw_button_press_valuator_mask_length(&raw);
        const auto axes = scrollAxes_.find(raw.sourceid);
        const MotionKind kind = classifyMotion(mask, words, axes == scrollAxes_.end() ? nullptr : &axes->second);
        if (kind.scrolled)
            deliver(InputEvent::Type::scrollWheel);
        if (kind.moved && positionWanted_)
            movedInBatch_ = true; // where it ended is what counts
        else if (kind.moved)
            deliver(InputEvent::Type::mouseMoved);
        return;
    }
    default:
        return;
    }
}

bool X11InputTap::offersRawInput(xcb_connection_t* c)
{
    const xcb_query_extension_reply_t* xinput = xcb_get_extension_data(c, &xcb_input_id);
    if (!xinput || !xinput->present)
        return false;
    auto* version = xcb_input_xi_query_version_reply(c, xcb_input_xi_query_version(c, 2, 2), nullptr);
    const bool recentEnough
        = version && (version->major_version > 2 || (version->major_version == 2 && version->minor_version >= 1));
    std::free(version);
    return recentEnough;
}

X11InputTap::MotionKind X11InputTap::classifyMotion(
    const std::uint32_t* mask, int words, const std::set<std::uint16_t>* scrollAxes)
{
    MotionKind kind;
    for (int word = 0; word < words; ++word) {
        for (int bit = 0; bit < 32; ++bit) {
            if (!(mask[word] & (1u << bit)))
                continue;
            const auto axis = static_cast<std::uint16_t>(word * 32 + bit);
            if (scrollAxes && scrollAxes->contains(axis))
                kind.scrolled = true; // smooth scrolling is scroll, never movement
            else
                kind.moved = true;
        }
    }
    return kind;
}

void X11InputTap::deliver(InputEvent::Type type, std::uint16_t keyCode)
{
    if (!handler_)
        return;
    const bool pointer = type != InputEvent::Type::keyDown && type != InputEvent::Type::keyUp;
    handler_(InputEvent{type, keyCode, flags_, pointer && positionWanted_ ? pointerPosition() : std::nullopt});
}

// In the server's own pixels, as the displays' frames are.
std::optional<Point> X11InputTap::pointerPosition() const
{
    xcb_connection_t* c = connection_->get();
    auto* reply = xcb_query_pointer_reply(c, xcb_query_pointer(c, connection_->root()), nullptr);
    if (!reply)
        return std::nullopt;
    const Point at{double(reply->root_x), double(reply->root_y)};
    std::free(reply);
    return at;
}

} // namespace vesperon
