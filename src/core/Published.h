#pragma once

#include "core/RunLoop.h"
#include "core/Signal.h"

#include <utility>

namespace vesperon {

// A property whose observers get the current value when they subscribe and then the new value
// for every assignment, also an unchanged one, synchronously and in assignment order. The owner
// may pass a change handler, run after the new value has been published.
template <typename T> class Published {
public:
    using Handler = std::function<void(const T&)>;

    explicit Published(T initial, Handler onChange = {}) : value_(std::move(initial)), onChange_(std::move(onChange)) {}
    Published(const Published&) = delete;
    Published& operator=(const Published&) = delete;

    const T& get() const { return value_; }

    void set(T newValue)
    {
        modify([&](T& value) { value = std::move(newValue); });
    }

    // An in-place change (insert into a set, say); published like an assignment.
    template <typename Mutation> void modify(Mutation&& mutate)
    {
        mutate(value_);
        const T published = value_; // a nested assignment must not change what we hand out
        changed_.emit(published);
        if (onChange_)
            onChange_(published);
    }

    [[nodiscard]] Subscription subscribe(Handler handler) const
    {
        const T current = value_;
        Subscription subscription = changed_.connect(handler);
        handler(current);
        return subscription;
    }

    // Each value, the current one included, is handed to `handler` on a later turn of the run
    // loop, one task per value. Nothing is delivered once the subscription is dropped.
    [[nodiscard]] Subscription subscribeQueued(RunLoop& runLoop, Handler handler) const
    {
        auto alive = std::make_shared<bool>(true);
        auto inner = std::make_shared<Subscription>(
            subscribe([&runLoop, handler, weakAlive = std::weak_ptr<bool>(alive)](const T& value) {
                runLoop.post([handler, value, weakAlive] {
                    if (auto isAlive = weakAlive.lock(); isAlive && *isAlive)
                        handler(value);
                });
            }));
        return Subscription([alive, inner] {
            *alive = false;
            inner->cancel();
        });
    }

private:
    T value_;
    Handler onChange_;
    Signal<T> changed_;
};

} // namespace vesperon
