#pragma once

#include "core/Subscription.h"

#include <memory>
#include <vector>

namespace vesperon {

// A synchronous list of handlers. Emission calls, in connection order, every handler connected
// before the emission began and not disconnected since; handlers may connect, disconnect or emit
// again while being called.
template <typename... Args> class Signal {
public:
    using Handler = std::function<void(const Args&...)>;

    [[nodiscard]] Subscription connect(Handler handler) const
    {
        auto slot = std::make_shared<Slot>(Slot{std::move(handler), true});
        slots_->push_back(slot);
        return Subscription([weakSlots = std::weak_ptr<Slots>(slots_), weakSlot = std::weak_ptr<Slot>(slot)] {
            auto connected = weakSlot.lock();
            if (!connected)
                return;
            connected->connected = false;
            if (auto slots = weakSlots.lock())
                std::erase(*slots, connected);
        });
    }

    void emit(const Args&... args) const
    {
        const Slots snapshot = *slots_;
        for (const auto& slot : snapshot) {
            if (slot->connected)
                slot->handler(args...);
        }
    }

private:
    struct Slot {
        Handler handler;
        bool connected;
    };
    using Slots = std::vector<std::shared_ptr<Slot>>;
    std::shared_ptr<Slots> slots_ = std::make_shared<Slots>();
};

} // namespace vesperon
