#include "platform/qt/QtRunLoop.h"

#include "support/QtSpin.h"

#include <gtest/gtest.h>

#include <chrono>
#include <vector>

using namespace vesperon;

using vesperon::testing::spinUntil;

TEST(QtRunLoop, AsyncRunsAfterTheCallerReturnsInSubmissionOrder)
{
    QtRunLoop loop;
    std::vector<int> order;
    for (int i = 0; i < 100; ++i)
        loop.async([&order, i] { order.push_back(i); });
    EXPECT_TRUE(order.empty());
    ASSERT_TRUE(spinUntil([&] { return order.size() == 100; }));
    for (int i = 0; i < 100; ++i)
        EXPECT_EQ(order[static_cast<std::size_t>(i)], i);
}

TEST(QtRunLoop, AsyncAfterNeverRunsBeforeItsDeadline)
{
    QtRunLoop loop;
    using Clock = std::chrono::steady_clock;
    for (double delay : {0.0, 0.0005, 0.03, 0.12}) {
        const auto start = Clock::now();
        Clock::time_point ranAt{};
        loop.asyncAfter(delay, [&] { ranAt = Clock::now(); });
        ASSERT_TRUE(spinUntil([&] { return ranAt != Clock::time_point{}; }));
        EXPECT_GE(std::chrono::duration<double>(ranAt - start).count(), delay);
    }
}

TEST(QtRunLoop, ARepeatingTimerStopsForGoodWhenInvalidated)
{
    QtRunLoop loop;
    int ticks = 0;
    std::shared_ptr<Timer> timer = loop.scheduleTimer(0.01, true, [&] { ++ticks; });
    ASSERT_TRUE(spinUntil([&] { return ticks >= 3; }));
    timer->invalidate();
    EXPECT_FALSE(timer->isValid());
    const int atInvalidate = ticks;
    bool settled = false;
    loop.asyncAfter(0.1, [&] { settled = true; });
    ASSERT_TRUE(spinUntil([&] { return settled; }));
    EXPECT_EQ(ticks, atInvalidate);
}

TEST(QtRunLoop, AOneShotTimerFiresOnceEvenIfNobodyKeepsItsHandle)
{
    QtRunLoop loop;
    int fired = 0;
    std::weak_ptr<Timer> watch = loop.scheduleTimer(0.01, false, [&] { ++fired; });
    ASSERT_TRUE(spinUntil([&] { return fired == 1; }));
    bool settled = false;
    loop.asyncAfter(0.05, [&] { settled = true; });
    ASSERT_TRUE(spinUntil([&] { return settled; }));
    EXPECT_EQ(fired, 1);
    EXPECT_TRUE(watch.expired()) << "a fired one-shot timer is released by the run loop";
}
