#pragma once

#include <memory>
#include <utility>

namespace vesperon {

// Ties tasks and handlers to their owner's life: once the owner is gone they do nothing. For
// what the run loop or a longer-lived service calls later, after the owner may have been taken
// down (a member, destroyed with the owner).
class Lifetime {
public:
    Lifetime() = default;
    Lifetime(const Lifetime&) = delete;
    Lifetime& operator=(const Lifetime&) = delete;

    template <typename F> auto guard(F f) const
    {
        return [alive = std::weak_ptr<const char>(token_), f = std::move(f)](auto&&... args) {
            if (!alive.expired())
                f(std::forward<decltype(args)>(args)...);
        };
    }

private:
    std::shared_ptr<const char> token_ = std::make_shared<const char>(0);
};

} // namespace vesperon
