#include "app/LaunchAtLogin.h"
#include "platform/linux/AutostartEntry.h"
#include "support/TemporaryFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

using namespace vesperon;
namespace fs = std::filesystem;

namespace {

class LaunchAtLoginTest : public ::testing::Test {
protected:
    std::string read(const fs::path& path)
    {
        std::ifstream in(path);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }

    vesperon::testing::TemporaryFolder folder{"autostart"};
    fs::path dir = folder.path();
    std::ostringstream messages;
};

} // namespace

TEST_F(LaunchAtLoginTest, EnablingWritesAnEntryThatStartsTheProgramByItsAbsolutePath)
{
    const fs::path entry = dir / "autostart" / "vesperon.desktop";
    AutostartEntry autostart(entry, "/opt/vesperon/bin/vesperon");
    LaunchAtLogin launch(autostart, messages);
    EXPECT_FALSE(launch.isEnabled());

    launch.setEnabled(true);
    EXPECT_TRUE(launch.isEnabled());
    const std::string text = read(entry);
    EXPECT_NE(text.find("[Desktop Entry]\n"), std::string::npos);
    EXPECT_NE(text.find("\nType=Application\n"), std::string::npos);
    EXPECT_NE(text.find("\nExec=/opt/vesperon/bin/vesperon\n"), std::string::npos) << text;

    launch.setEnabled(true); // the same call twice is fine
    launch.setEnabled(false);
    EXPECT_FALSE(fs::exists(entry));
    EXPECT_FALSE(launch.isEnabled());
    launch.setEnabled(false);
    EXPECT_EQ(messages.str(), "") << "success says nothing";
}

TEST_F(LaunchAtLoginTest, AnEntrySwitchedOffByTheDesktopIsNotRegistered)
{
    const fs::path entry = dir / "vesperon.desktop";
    std::ofstream(entry) << "[Desktop Entry]\nType=Application\nExec=vesperon\nHidden=true\n";
    AutostartEntry autostart(entry, "/usr/bin/vesperon");
    EXPECT_FALSE(autostart.isRegistered());
}

TEST_F(LaunchAtLoginTest, AFailureIsOneExactLine)
{
    std::ofstream(dir / "autostart") << "a file where the folder should be";
    AutostartEntry autostart(dir / "autostart" / "vesperon.desktop", "/usr/bin/vesperon");
    LaunchAtLogin launch(autostart, messages);
    launch.setEnabled(true);
    const std::string said = messages.str();
    EXPECT_EQ(said.rfind("Failed to enable launch at login: ", 0), 0u) << said;
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1);
    EXPECT_GT(said.size(), std::string("Failed to enable launch at login: \n").size()) << "with the reason";
}

TEST(AutostartExec, PathsThatNeedQuotingAreQuoted)
{
    EXPECT_EQ(AutostartEntry::execValue("/usr/bin/vesperon"), "/usr/bin/vesperon");
    EXPECT_EQ(AutostartEntry::execValue("/home/a b/vesperon"), "\"/home/a b/vesperon\"");
    EXPECT_EQ(AutostartEntry::execValue("/home/$x/vesperon"), "\"/home/\\\\$x/vesperon\"");
}
