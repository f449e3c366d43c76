#include "platform/linux/JsonFileSettingsStore.h"
#include "support/TemporaryFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/stat.h>

using namespace vesperon;
using nlohmann::json;
namespace fs = std::filesystem;

namespace {

class JsonFileSettingsStoreTest : public ::testing::Test {
protected:

    static std::string read(const fs::path& path)
    {
        std::ifstream in(path, std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }
    void write(const std::string& text)
    {
        fs::create_directories(file.parent_path());
        std::ofstream(file, std::ios::binary) << text;
    }
    std::vector<std::string> filesInFolder() const
    {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(file.parent_path()))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    vesperon::testing::TemporaryFolder folder{"settings"};
    fs::path dir = folder.path();
    fs::path file = dir / "vesperon" / "settings.json";
    std::ostringstream messages;
};

ino_t inodeOf(const fs::path& path)
{
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 ? info.st_ino : 0;
}

} // namespace

TEST_F(JsonFileSettingsStoreTest, NoFileMeansNoValuesAndNothingIsCreatedUntilTheFirstWrite)
{
    JsonFileSettingsStore store(file, messages);
    EXPECT_EQ(store.object("wakeDelay"), std::nullopt);
    EXPECT_FALSE(fs::exists(file.parent_path()));
    store.setDouble("wakeDelay", 1.5);
    EXPECT_TRUE(fs::exists(file));
    EXPECT_TRUE(messages.str().empty());
}

TEST_F(JsonFileSettingsStoreTest, TypedValuesSurviveANewStoreOnTheSameFile)
{
    {
        JsonFileSettingsStore store(file, messages);
        store.setBool("ignoreMouseMovement", false);
        store.setDouble("wakeDelay", 2.5);
        store.setStringArray("allowedWakeKeys", {"escape", "space"});
        store.setData("blackoutAllHotkey", R"({"keyCode":2,"modifiers":768})");
        store.setData("gone", "x");
        store.removeObject("gone");
    }
    JsonFileSettingsStore store(file, messages);
    EXPECT_EQ(store.object("ignoreMouseMovement"), json(false));
    EXPECT_EQ(store.object("wakeDelay"), json(2.5));
    EXPECT_EQ(store.array("allowedWakeKeys"), (json::array_t{"escape", "space"}));
    EXPECT_EQ(store.data("blackoutAllHotkey"), R"({"keyCode":2,"modifiers":768})");
    EXPECT_EQ(store.object("gone"), std::nullopt);
    // Typed reads yield nothing for another type.
    EXPECT_EQ(store.array("wakeDelay"), std::nullopt);
    EXPECT_EQ(store.data("allowedWakeKeys"), std::nullopt);
}

TEST_F(JsonFileSettingsStoreTest, AWriteReplacesTheFileByRenameAndLeavesNoTemporaryBehind)
{
    JsonFileSettingsStore store(file, messages);
    store.setDouble("wakeDelay", 1);
    const ino_t before = inodeOf(file);
    store.setDouble("wakeDelay", 2);
    EXPECT_NE(inodeOf(file), before) << "the old file must be replaced whole, never rewritten in place";
    EXPECT_EQ(filesInFolder(), std::vector<std::string>{"settings.json"});
    EXPECT_EQ(json::parse(read(file)), (json{{"wakeDelay", 2.0}}));
}

TEST_F(JsonFileSettingsStoreTest, AFileThatIsNotAJsonObjectIsMovedAsideAndNeverOverwritten)
{
    const std::string garbage = "{\"wakeDelay\": 2,, oops";
    write(garbage);
    JsonFileSettingsStore store(file, messages);
    EXPECT_EQ(store.object("wakeDelay"), std::nullopt);
    EXPECT_FALSE(fs::exists(file));
    EXPECT_EQ(read(file.string() + ".corrupt"), garbage);
    const std::string said = messages.str();
    EXPECT_NE(said.find(file.string() + ".corrupt"), std::string::npos) << said;
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << "one line";

    store.setBool("ignoreMouseMovement", true);
    EXPECT_EQ(read(file.string() + ".corrupt"), garbage);
}

TEST_F(JsonFileSettingsStoreTest, ASecondBadFileDoesNotReplaceTheFirstOneSetAside)
{
    write("[1, 2, 3]"); // valid JSON, but not an object
    { JsonFileSettingsStore store(file, messages); }
    write("\x01\x02");
    { JsonFileSettingsStore store(file, messages); }
    EXPECT_EQ(read(file.string() + ".corrupt"), "[1, 2, 3]");
    EXPECT_EQ(read(file.string() + ".corrupt-1"), "\x01\x02");
}

TEST_F(JsonFileSettingsStoreTest, AFailedWriteIsReportedAndTheValueStillReads)
{
    fs::create_directories(dir);
    std::ofstream(dir / "vesperon") << "a file where the folder should be";
    JsonFileSettingsStore store(file, messages);
    store.setDouble("wakeDelay", 3);
    EXPECT_EQ(store.object("wakeDelay"), json(3.0));
    EXPECT_NE(messages.str().find("could not save settings"), std::string::npos) << messages.str();
}

TEST_F(JsonFileSettingsStoreTest, WritesGoThroughASymbolicLinkAndKeepIt)
{
    const fs::path target = dir / "dotfiles" / "vesperon.json";
    fs::create_directories(target.parent_path());
    std::ofstream(target) << R"({"wakeDelay": 1})";
    fs::create_directories(file.parent_path());
    fs::create_symlink(target, file);

    JsonFileSettingsStore store(file, messages);
    EXPECT_EQ(store.object("wakeDelay"), json(1));
    store.setDouble("wakeDelay", 4);
    EXPECT_TRUE(fs::is_symlink(file));
    EXPECT_EQ(json::parse(read(target)).at("wakeDelay"), 4.0);
}

TEST_F(JsonFileSettingsStoreTest, DefaultPathFollowsXdgConfigHomeAndIgnoresARelativeOne)
{
    const char* oldConfig = std::getenv("XDG_CONFIG_HOME");
    const std::string saved = oldConfig ? oldConfig : "";
    const std::string home = std::getenv("HOME") ? std::getenv("HOME") : "";

    setenv("XDG_CONFIG_HOME", dir.c_str(), 1);
    EXPECT_EQ(JsonFileSettingsStore::defaultPath(), dir / "vesperon" / "settings.json");
    setenv("XDG_CONFIG_HOME", "relative/config", 1);
    EXPECT_EQ(JsonFileSettingsStore::defaultPath(), fs::path(home) / ".config" / "vesperon" / "settings.json");

    if (oldConfig)
        setenv("XDG_CONFIG_HOME", saved.c_str(), 1);
    else
        unsetenv("XDG_CONFIG_HOME");
}
