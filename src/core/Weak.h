#pragma once

#include <memory>

namespace vesperon {

// Wraps `f` so that it holds `owner` weakly: once the owner is gone the call does nothing.
// `f` receives the owner first, then the call's own arguments.
template <typename Owner, typename F>
auto weakly(const std::shared_ptr<Owner>& owner, F f)
{
    return [weakOwner = std::weak_ptr<Owner>(owner), f = std::move(f)](auto&&... args) {
        if (auto strong = weakOwner.lock())
            f(*strong, std::forward<decltype(args)>(args)...);
    };
}

} // namespace vesperon
