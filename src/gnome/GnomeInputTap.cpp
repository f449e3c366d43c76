#include "gnome/GnomeInputTap.h"

#include "core/EventFlags.h"
#include "desktop/KeyCodeTable.h"
#include "gnome/GnomeShellExtension.h"

namespace vesperon {

GnomeInputTap::GnomeInputTap(GnomeShellExtension& extension)
    : extension_(extension)
    , returned_(extension.returned.connect([this] {
        if (motionWanted_)
            extension_.watchActivity(true);
    }))
{
}

bool GnomeInputTap::start(Handler handler)
{
    handler_ = std::move(handler);
    pointer_ = extension_.pointer.connect([this](const std::string& kind, const Point& at) { pointer(kind, at); });
    key_ = extension_.key.connect([this](std::uint32_t code, std::uint32_t modifiers) {
        const auto pressed = KeyCodeTable::pressedKey(code);
        if (handler_ && pressed)
            handler_(InputEvent{InputEvent::Type::keyDown, *pressed, eventFlagsFromX11State(modifiers), std::nullopt});
    });
    return true;
}

void GnomeInputTap::stop()
{
    handler_ = {};
    pointer_.cancel();
    key_.cancel();
}

void GnomeInputTap::setMotionWanted(bool wanted)
{
    if (wanted != motionWanted_)
        extension_.watchActivity(wanted);
    motionWanted_ = wanted;
}

void GnomeInputTap::pointer(const std::string& kind, const Point& at)
{
    using Type = InputEvent::Type;
    const Type type = kind == "left" ? Type::leftMouseDown
        : kind == "right"            ? Type::rightMouseDown
        : kind == "scroll"           ? Type::scrollWheel
                                     : Type::mouseMoved;
    if (handler_ && (type != Type::mouseMoved || motionWanted_))
        handler_(InputEvent{type, 0, 0, at});
}

} // namespace vesperon
