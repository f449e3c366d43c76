#include "model/WakeKey.h"

namespace vesperon {

std::string_view rawValue(WakeKey key)
{
    switch (key) {
    case WakeKey::anyKey:
        return "any";
    case WakeKey::escape:
        return "escape";
    case WakeKey::space:
        return "space";
    case WakeKey::enter:
        return "enter";
    }
    return {};
}

std::optional<WakeKey> wakeKeyFromRawValue(std::string_view raw)
{
    for (WakeKey key : allWakeKeys) {
        if (rawValue(key) == raw)
            return key;
    }
    return std::nullopt;
}

} // namespace vesperon
