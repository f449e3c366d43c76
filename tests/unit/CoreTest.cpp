// The plumbing every component builds on: signals, published values, weak binding, virtual time.
#include "core/Published.h"
#include "core/Weak.h"
#include "support/FakeRunLoop.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace vesperon;
using vesperon::testing::FakeRunLoop;

TEST(Signal, AnEmissionCallsInOrderWhatWasConnectedBeforeItAndIsStillConnected)
{
    Signal<int> signal;
    std::vector<std::string> calls;
    Subscription b, late;
    Subscription a = signal.connect([&](int v) {
        calls.push_back("a" + std::to_string(v));
        if (v == 1) {
            b.cancel(); // later in this emission: not called
            late = signal.connect([&](int w) { calls.push_back("late" + std::to_string(w)); });
        }
    });
    b = signal.connect([&](int v) { calls.push_back("b" + std::to_string(v)); });
    signal.emit(1);
    {
        Subscription c = signal.connect([&](int v) { calls.push_back("c" + std::to_string(v)); });
        signal.emit(2);
    }
    signal.emit(3);
    EXPECT_EQ(calls, (std::vector<std::string>{"a1", "a2", "late2", "c2", "a3", "late3"}));
}

TEST(Published, SubscribersGetTheCurrentValueThenEveryAssignmentBetweenWillChangeAndTheChangeHandler)
{
    Signal<> willChange;
    std::vector<std::string> log;
    Published<std::vector<int>>* self = nullptr;
    Published<std::vector<int>> value({1}, &willChange, [&](const auto& v) { log.push_back("didSet " + std::to_string(v.size())); });
    self = &value;
    Subscription w = willChange.connect([&] { log.push_back("will, size " + std::to_string(self->get().size())); });
    {
        Subscription s = value.subscribe([&](const auto& v) { log.push_back("sink " + std::to_string(v.size())); });
        value.set({1});                                      // unchanged, still published
        value.modify([](std::vector<int>& v) { v.push_back(2); }); // in place, published alike
    }
    value.set({}); // the dropped subscription hears nothing
    EXPECT_EQ(log, (std::vector<std::string>{"sink 1", "will, size 1", "sink 1", "didSet 1", "will, size 1", "sink 2",
                       "didSet 2", "will, size 2", "didSet 0"}));
}

TEST(Published, MainQueueDeliveryHandsEachValueOverOnALaterTurnUntilDropped)
{
    FakeRunLoop loop;
    Published<int> value(1);
    std::vector<int> seen;
    auto s = std::make_unique<Subscription>(value.subscribeOnMainQueue(loop, [&](int v) { seen.push_back(v); }));
    value.set(2);
    value.set(3);
    EXPECT_TRUE(seen.empty()) << "nothing arrives inside the assignment";
    loop.runOnce();
    EXPECT_EQ(seen, (std::vector<int>{1, 2, 3})) << "each delivery carries its own value";
    value.set(4);
    s.reset();
    loop.runUntilIdle();
    EXPECT_EQ(seen.size(), 3u) << "queued deliveries die with the subscription";
}

TEST(Weakly, ABlockNeitherKeepsItsOwnerAliveNorCallsItOnceGone)
{
    auto owner = std::make_shared<int>(0);
    auto block = weakly(owner, [](int& o, int n) { o += n; });
    block(2);
    EXPECT_EQ(*owner, 2);
    std::weak_ptr<int> watch = owner;
    owner.reset();
    EXPECT_TRUE(watch.expired());
    block(5); // nothing to call, and no crash
}

TEST(FakeRunLoop, TurnsDeadlinesAndTimersKeepVirtualTimeExactly)
{
    FakeRunLoop loop;
    std::vector<std::string> log;
    const auto at = [&](const std::string& what) { log.push_back(what + "@" + std::to_string(loop.now()).substr(0, 4)); };
    loop.async([&] {
        at("a");
        loop.async([&] { at("c"); }); // waits for the next turn
    });
    loop.async([&] { at("b"); });
    loop.asyncAfter(1.0, [&] { at("late"); });
    int ticks = 0;
    std::shared_ptr<Timer> repeating;
    repeating = loop.scheduleTimer(0.4, true, [&] {
        at("tick");
        if (++ticks == 2)
            repeating->invalidate(); // from its own tick
    });
    auto once = loop.scheduleTimer(3, false, [&] { at("never"); });
    EXPECT_EQ(loop.runOnce(), 2u);
    loop.advance(0.999);
    EXPECT_EQ(log, (std::vector<std::string>{"a@0.00", "b@0.00", "c@0.00", "tick@0.40", "tick@0.80"}));
    once->invalidate();
    loop.advance(10);
    EXPECT_EQ(log.back(), "late@1.00");
    EXPECT_EQ(loop.pendingCount(), 0u);
}
