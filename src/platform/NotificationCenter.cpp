#include "platform/NotificationCenter.h"

namespace vesperon {

void NotificationCenter::post(const std::string& name) const
{
    if (auto it = signals_.find(name); it != signals_.end())
        it->second.emit();
}

Subscription NotificationCenter::addObserver(const std::string& name, std::function<void()> block)
{
    return signals_[name].connect([block = std::move(block)] { block(); });
}

} // namespace vesperon
