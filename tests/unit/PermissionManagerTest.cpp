#include "input/PermissionManager.h"
#include "platform/AccessibilityTrust.h"
#include "platform/NotificationCenter.h"
#include "support/FakeInputServices.h"
#include "support/FakeRunLoop.h"

#include <gtest/gtest.h>

using namespace vesperon;
using namespace vesperon::testing;

namespace {

class PermissionManagerTest : public ::testing::Test {
protected:
    std::shared_ptr<PermissionManager> make()
    {
        auto manager = PermissionManager::create({loop, notifications, trust});
        subscription = manager->hasAccessibilityPermission.subscribe([this](bool v) { published.push_back(v); });
        published.clear();
        return manager;
    }

    FakeRunLoop loop;
    NotificationCenter notifications;
    FakeTrust trust;
    std::vector<bool> published;
    Subscription subscription;
};

} // namespace

TEST_F(PermissionManagerTest, HeldAtLaunchMeansNoPollAndNoPrompt)
{
    trust.trusted = true;
    auto manager = make();
    EXPECT_TRUE(manager->hasAccessibilityPermission.get());
    EXPECT_FALSE(manager->isPolling());
    loop.advance(5);
    EXPECT_EQ(trust.prompts, 0);
    EXPECT_EQ(trust.queries, 1);
}

TEST_F(PermissionManagerTest, MissingAtLaunchPollsEveryHalfSecondUntilGrantedThenStops)
{
    auto manager = make();
    EXPECT_TRUE(manager->isPolling());
    loop.advance(2);
    EXPECT_EQ(trust.queries, 1 + 4);
    EXPECT_TRUE(published.empty()) << "a repeated answer notifies nobody";

    trust.trusted = true;
    loop.advance(0.5);
    EXPECT_EQ(published, std::vector<bool>{true});
    EXPECT_FALSE(manager->isPolling());
    const int queries = trust.queries;
    loop.advance(5);
    EXPECT_EQ(trust.queries, queries);
}

TEST_F(PermissionManagerTest, OpeningTheSettingsTwiceLeavesOnePoll)
{
    auto manager = make();
    manager->openAccessibilitySettings();
    manager->openAccessibilitySettings();
    EXPECT_EQ(trust.panesOpened, 2);
    const int before = trust.queries;
    loop.advance(0.5);
    EXPECT_EQ(trust.queries, before + 1);
}

TEST_F(PermissionManagerTest, RequestingThePromptRestartsThePoll)
{
    trust.trusted = true;
    auto manager = make();
    manager->requestPermission();
    EXPECT_EQ(trust.prompts, 1);
    EXPECT_TRUE(manager->isPolling());
    loop.advance(0.5);
    EXPECT_FALSE(manager->isPolling()) << "reads true at its first tick and stops";
}

TEST_F(PermissionManagerTest, BecomingActiveNoticesAWithdrawalWithoutRestartingThePoll)
{
    trust.trusted = true;
    auto manager = make();
    trust.trusted = false;
    loop.advance(5);
    EXPECT_TRUE(manager->hasAccessibilityPermission.get()) << "no poll runs while it is held";
    notifications.post(applicationDidBecomeActive);
    EXPECT_EQ(published, std::vector<bool>{false});
    EXPECT_FALSE(manager->isPolling());
}

TEST_F(PermissionManagerTest, AReleasedManagerStopsPollingAndObserving)
{
    auto manager = make();
    manager.reset();
    const int queries = trust.queries;
    loop.advance(5);
    notifications.post(applicationDidBecomeActive);
    EXPECT_EQ(trust.queries, queries);
}
