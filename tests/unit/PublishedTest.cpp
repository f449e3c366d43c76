#include "platform/Published.h"
#include "support/FakeRunLoop.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace vesperon;
using vesperon::testing::FakeRunLoop;

TEST(Published, ASubscriberGetsTheCurrentValueFirstThenEveryAssignmentEvenUnchanged)
{
    Published<int> value(7);
    std::vector<int> seen;
    Subscription s = value.subscribe([&](int v) { seen.push_back(v); });
    value.set(7);
    value.set(8);
    value.set(8);
    EXPECT_EQ(seen, (std::vector<int>{7, 7, 8, 8}));
}

TEST(Published, InPlaceChangesArePublishedLikeAssignments)
{
    Published<std::vector<int>> list({});
    int notifications = 0;
    Subscription s = list.subscribe([&](const std::vector<int>&) { ++notifications; });
    list.modify([](std::vector<int>& v) { v.push_back(1); });
    list.modify([](std::vector<int>&) {}); // nothing changed, still published
    EXPECT_EQ(notifications, 3);
    EXPECT_EQ(list.get(), std::vector<int>{1});
}

TEST(Published, WillChangeComesBeforeTheValueAndTheChangeHandlerAfterEverySubscriber)
{
    Signal<> willChange;
    std::vector<std::string> log;
    Published<int>* property = nullptr;
    Published<int> value(1, &willChange, [&](int v) { log.push_back("didSet " + std::to_string(v)); });
    property = &value;
    Subscription w = willChange.connect([&] { log.push_back("will, old " + std::to_string(property->get())); });
    Subscription s = value.subscribe([&](int v) { log.push_back("sink " + std::to_string(v)); });
    log.clear();
    value.set(2);
    EXPECT_EQ(log, (std::vector<std::string>{"will, old 1", "sink 2", "didSet 2"}));
}

TEST(Published, DroppingTheSubscriptionEndsIt)
{
    Published<int> value(0);
    int calls = 0;
    {
        Subscription s = value.subscribe([&](int) { ++calls; });
        value.set(1);
    }
    value.set(2);
    EXPECT_EQ(calls, 2);
}

TEST(Published, MainQueueDeliveryCarriesEachValueOnALaterTurnInOrder)
{
    FakeRunLoop loop;
    Published<int> value(1);
    std::vector<int> seen;
    Subscription s = value.subscribeOnMainQueue(loop, [&](int v) { seen.push_back(v); });
    value.set(2);
    value.set(3);
    EXPECT_TRUE(seen.empty()) << "nothing may arrive inside the assignment";
    loop.runOnce();
    // Each delivery holds the value it was published with, not the latest one.
    EXPECT_EQ(seen, (std::vector<int>{1, 2, 3}));
}

TEST(Published, MainQueueDeliveriesStillQueuedAreDroppedWithTheSubscription)
{
    FakeRunLoop loop;
    Published<int> value(1);
    int calls = 0;
    auto s = std::make_unique<Subscription>(value.subscribeOnMainQueue(loop, [&](int) { ++calls; }));
    value.set(2);
    s.reset();
    loop.runUntilIdle();
    EXPECT_EQ(calls, 0);
}
