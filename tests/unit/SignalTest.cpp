#include "platform/NotificationCenter.h"
#include "platform/Signal.h"
#include "platform/Weak.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace vesperon;

TEST(Signal, HandlersRunInConnectionOrderAndStopWhenTheirSubscriptionIsDropped)
{
    Signal<int> signal;
    std::vector<std::string> calls;
    Subscription a = signal.connect([&](int v) { calls.push_back("a" + std::to_string(v)); });
    {
        Subscription b = signal.connect([&](int v) { calls.push_back("b" + std::to_string(v)); });
        signal.emit(1);
    }
    signal.emit(2);
    EXPECT_EQ(calls, (std::vector<std::string>{"a1", "b1", "a2"}));
    EXPECT_EQ(signal.connectionCount(), 1u);
}

TEST(Signal, AHandlerDisconnectedDuringEmissionIsNotCalledLater)
{
    Signal<> signal;
    int laterCalls = 0;
    Subscription later;
    Subscription first = signal.connect([&] { later.cancel(); });
    later = signal.connect([&] { ++laterCalls; });
    signal.emit();
    EXPECT_EQ(laterCalls, 0);
}

TEST(Signal, AHandlerConnectedDuringEmissionWaitsForTheNextOne)
{
    Signal<> signal;
    int lateCalls = 0;
    std::vector<Subscription> added;
    Subscription first = signal.connect([&] { added.push_back(signal.connect([&] { ++lateCalls; })); });
    signal.emit();
    EXPECT_EQ(lateCalls, 0);
    signal.emit();
    EXPECT_EQ(lateCalls, 1);
}

TEST(Signal, ASubscriptionMayOutliveItsSignal)
{
    Subscription subscription;
    {
        Signal<> signal;
        subscription = signal.connect([] {});
    }
    subscription.cancel(); // must not touch the dead signal
    EXPECT_FALSE(subscription.isActive());
}

TEST(NotificationCenter, PostReachesEveryObserverOfThatNameOnly)
{
    NotificationCenter center;
    std::vector<std::string> calls;
    Subscription a = center.addObserver("hotkeysDidChange", [&] { calls.push_back("a"); });
    Subscription b = center.addObserver("hotkeysDidChange", [&] { calls.push_back("b"); });
    Subscription other = center.addObserver("other", [&] { calls.push_back("other"); });
    center.post("hotkeysDidChange");
    EXPECT_EQ(calls, (std::vector<std::string>{"a", "b"}));

    b.cancel();
    center.post("hotkeysDidChange");
    center.post("nobody listens");
    EXPECT_EQ(calls, (std::vector<std::string>{"a", "b", "a"}));
}

TEST(Weakly, DoesNothingOnceTheOwnerIsGone)
{
    struct Owner {
        int calls = 0;
    };
    auto owner = std::make_shared<Owner>();
    auto block = weakly(owner, [](Owner& o, int n) { o.calls += n; });
    block(2);
    EXPECT_EQ(owner->calls, 2);
    std::weak_ptr<Owner> watch = owner;
    owner.reset();
    EXPECT_TRUE(watch.expired()) << "the block must not keep its owner alive";
    block(5); // no crash, nothing to call
}
