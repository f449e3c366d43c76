#include "support/FakeRunLoop.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using vesperon::testing::FakeRunLoop;

TEST(FakeRunLoop, TasksRunInSubmissionOrderAndWhatTheySubmitWaitsForTheNextTurn)
{
    FakeRunLoop loop;
    std::vector<std::string> log;
    loop.async([&] {
        log.push_back("a");
        loop.async([&] { log.push_back("c"); });
    });
    loop.async([&] { log.push_back("b"); });
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(loop.runOnce(), 2u);
    EXPECT_EQ(log, (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(loop.runOnce(), 1u);
    EXPECT_EQ(log, (std::vector<std::string>{"a", "b", "c"}));
}

TEST(FakeRunLoop, DelayedTasksNeverRunBeforeTheirDeadline)
{
    FakeRunLoop loop;
    std::vector<double> ranAt;
    loop.asyncAfter(1.0, [&] { ranAt.push_back(loop.now()); });
    loop.asyncAfter(0.5, [&] { ranAt.push_back(loop.now()); });
    loop.runUntilIdle();
    loop.advance(0.499);
    EXPECT_TRUE(ranAt.empty());
    loop.advance(0.001);
    loop.advance(0.4999);
    ASSERT_EQ(ranAt.size(), 1u);
    loop.advance(0.0001);
    EXPECT_EQ(ranAt, (std::vector<double>{0.5, 1.0}));
}

TEST(FakeRunLoop, ARepeatingTimerTicksOnTimeUntilInvalidated)
{
    FakeRunLoop loop;
    std::vector<double> ticks;
    auto timer = loop.scheduleTimer(0.5, true, [&] { ticks.push_back(loop.now()); });
    loop.advance(1.6);
    EXPECT_EQ(ticks, (std::vector<double>{0.5, 1.0, 1.5}));
    EXPECT_TRUE(timer->isValid());
    timer->invalidate();
    loop.advance(5);
    EXPECT_EQ(ticks.size(), 3u);
}

TEST(FakeRunLoop, AOneShotTimerFiresOnceAndMayBeInvalidatedBeforeIt)
{
    FakeRunLoop loop;
    int fired = 0;
    auto once = loop.scheduleTimer(3, false, [&] { ++fired; });
    loop.advance(10);
    EXPECT_EQ(fired, 1);
    EXPECT_FALSE(once->isValid());

    auto cancelled = loop.scheduleTimer(3, false, [&] { ++fired; });
    loop.advance(2.9);
    cancelled->invalidate();
    loop.advance(1);
    EXPECT_EQ(fired, 1);
}

TEST(FakeRunLoop, ATimerMayInvalidateItselfFromItsOwnTick)
{
    FakeRunLoop loop;
    int ticks = 0;
    std::shared_ptr<vesperon::Timer> timer;
    timer = loop.scheduleTimer(0.5, true, [&] {
        if (++ticks == 2)
            timer->invalidate();
    });
    loop.advance(10);
    EXPECT_EQ(ticks, 2);
}
