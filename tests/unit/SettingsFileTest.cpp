// The settings file on disk: atomic replacement, links written through, and everything a hostile
// or broken file system can put at its path.
#include "desktop/JsonFileSettingsStore.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace vesperon;
using nlohmann::json;
namespace fs = std::filesystem;

namespace {

std::string read(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void write(const fs::path& path, const std::string& text)
{
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << text;
}

struct stat statOf(const fs::path& path)
{
    struct stat info {};
    ::lstat(path.c_str(), &info);
    return info;
}

// Every entry under `root`: its type and mode, where a link points, a small file's content.
std::map<std::string, std::string> snapshot(const fs::path& root)
{
    std::map<std::string, std::string> entries;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        const struct stat info = statOf(entry.path());
        std::string what = std::to_string(info.st_mode) + " " + std::to_string(info.st_size);
        if (S_ISLNK(info.st_mode))
            what += " -> " + fs::read_symlink(entry.path()).string();
        else if (S_ISREG(info.st_mode) && info.st_size < 4096)
            what += " " + read(entry.path());
        entries[entry.path().lexically_relative(root).string()] = what;
    }
    return entries;
}

// Runs `check` as an unprivileged user when the tests run as root, to whom every file is readable.
bool unprivileged(const std::function<bool()>& check)
{
    if (::geteuid() != 0)
        return check();
    const pid_t child = ::fork();
    if (child == 0)
        _exit(::setgid(65534) == 0 && ::setuid(65534) == 0 && check() ? 0 : 1);
    int status = 0;
    return ::waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

struct Folder {
    QTemporaryDir temporary;
    fs::path root = temporary.path().toStdString();
    fs::path file = root / "config" / "vesperon" / "settings.json";
    fs::path elsewhere = root / "elsewhere";
};

} // namespace

TEST(SettingsFile, KeepsValuesAcrossRunsReplacingTheFileWholeAndWritesThroughLinks)
{
    Folder folder;
    const fs::path& file = folder.file;
    std::ostringstream messages;
    {
        JsonFileSettingsStore store(file, messages);
        EXPECT_FALSE(fs::exists(file.parent_path())) << "nothing is made before the first write";
        store.setStringArray("allowedWakeKeys", {"escape", "space"});
        const auto before = statOf(file).st_ino;
        store.setDouble("wakeDelay", 2.5);
        EXPECT_NE(statOf(file).st_ino, before) << "replaced whole, never rewritten in place";
        const auto written = statOf(file).st_ino;
        store.setDouble("wakeDelay", 2.5);
        EXPECT_EQ(statOf(file).st_ino, written) << "an unchanged value is not written again";
        store.removeObject("allowedWakeKeys");
    }
    EXPECT_EQ(statOf(file).st_mode & 07777, 0600u);
    EXPECT_EQ(std::distance(fs::directory_iterator(file.parent_path()), fs::directory_iterator()), 1)
        << "no temporary left";
    EXPECT_EQ(JsonFileSettingsStore(file, messages).object("wakeDelay"), json(2.5));

    // A dotfiles checkout: the link stays, its target keeps its permissions; a dangling link is
    // written through too.
    write(folder.elsewhere / "dotfiles.json", R"({"wakeDelay": 1})");
    fs::permissions(folder.elsewhere / "dotfiles.json", fs::perms(0644));
    for (const char* target : {"dotfiles.json", "not-yet.json"}) {
        fs::remove(file);
        fs::create_symlink(folder.elsewhere / target, file);
        JsonFileSettingsStore(file, messages).setBool("ignoreMouseMovement", false);
        EXPECT_TRUE(fs::is_symlink(file)) << target;
        EXPECT_EQ(json::parse(read(folder.elsewhere / target)).at("ignoreMouseMovement"), false) << target;
    }
    EXPECT_EQ(statOf(folder.elsewhere / "dotfiles.json").st_mode & 07777, 0644u);
    EXPECT_EQ(json::parse(read(folder.elsewhere / "dotfiles.json")).at("wakeDelay"), 1.0);
}

TEST(SettingsFile, AFileThatIsNotAJsonObjectIsMovedAsideAndWhatIsNotOursIsLeftExactlyAsItWas)
{
    // Each case: what is made at the path, the reason given in the one line said, whether it is moved aside.
    const std::tuple<const char*, std::function<void(Folder&)>, std::string, bool> cases[] = {
        {"8 GB, sparse", [](Folder& f) { write(f.file, "{}"), fs::resize_file(f.file, 8ull << 30); },
            "is larger than 1 MiB; moved it to", true},
        {"1 MiB and a byte",
            [](Folder& f) { write(f.file, "{\"pad\": \"" + std::string((1 << 20) - 10, 'x') + "\"}"); },
            "is larger than 1 MiB; moved it to", true},
        {"a FIFO", [](Folder& f) { fs::create_directories(f.file.parent_path()), ::mkfifo(f.file.c_str(), 0600); },
            "is not a regular file; using defaults and leaving it untouched", false},
        {"a link to notes",
            [](Folder& f) {
                write(f.elsewhere / "notes.txt", "my notes");
                fs::create_directories(f.file.parent_path()), fs::create_symlink("../../elsewhere/notes.txt", f.file);
            },
            "elsewhere/notes.txt is not a JSON object; using defaults and leaving it untouched", false},
    };
    for (const auto& [name, make, said, movedAside] : cases) {
        Folder folder;
        make(folder);
        const auto before = snapshot(folder.root);
        std::ostringstream messages;
        JsonFileSettingsStore store(folder.file, messages);
        store.setDouble("wakeDelay", 4);
        EXPECT_EQ(store.object("wakeDelay"), json(4.0)) << name << ": the run goes on with what is set";
        EXPECT_NE(messages.str().find(said), std::string::npos) << name << ": " << messages.str();
        EXPECT_EQ(std::ranges::count(messages.str(), '\n'), 1) << name;
        auto after = snapshot(folder.root);
        if (movedAside) {
            EXPECT_EQ(after["config/vesperon/settings.json.corrupt"], before.at("config/vesperon/settings.json"));
            EXPECT_EQ(json::parse(read(folder.file)).at("wakeDelay"), 4.0) << name;
        } else {
            EXPECT_EQ(after, before) << name << ": untouched, nothing added";
        }
    }

    Folder folder; // a file Vesperon may not read is not corrupt: it stays, and is not written over
    write(folder.file, R"({"wakeDelay": 1})");
    fs::permissions(folder.file, fs::perms::none);
    for (const fs::path& path : {folder.root, folder.root / "config", folder.file.parent_path()})
        fs::permissions(path, fs::perms::all);
    EXPECT_TRUE(unprivileged([&] {
        const auto before = snapshot(folder.root);
        std::ostringstream messages;
        JsonFileSettingsStore(folder.file, messages).setDouble("wakeDelay", 4);
        return messages.str().find("cannot be read (Permission denied); using defaults and leaving it untouched")
            != std::string::npos
            && snapshot(folder.root) == before;
    }));
}

// Fuzzed: every third truncation of a full file, deep nesting, a JSON array, invalid UTF-8, a NUL.
// Wrong types and values out of range are the settings' own matter (ModelTest).
TEST(SettingsFile, HostileContentIsMovedAsideByteForByteAndTheRunGoesOnFromDefaults)
{
    const std::string good = R"({"ignoreMouseMovement": false, "wakeDelay": 1.5, "allowedWakeKeys": ["escape"],
        "blackoutAllHotkey": "{\"keyCode\":2,\"modifiers\":768}", "displayToggleHotkeys": "{\"1\":{\"keyCode\":18,\"modifiers\":6144}}",
        "unknown": {"kept": [1, 2]}})";
    const std::string deep = std::string(100000, '[') + std::string(100000, ']');
    std::vector<std::string> corpus{
        deep, "[1, 2]", "{\"wakeDelay\": \"\xff\xfe\"}", std::string("{\"wakeDelay\": 1\0}", 17)};
    for (std::size_t n = 0; n < good.size(); n += 3)
        corpus.push_back(good.substr(0, n));
    for (const std::string& text : corpus) {
        Folder folder;
        write(folder.file, text);
        std::ostringstream messages;
        JsonFileSettingsStore store(folder.file, messages);
        EXPECT_FALSE(store.object("ignoreMouseMovement"));
        store.setBool("ignoreMouseMovement", false);
        EXPECT_EQ(snapshot(folder.root).size(), 4u) << "the folders, the file, and the one moved aside";
        EXPECT_EQ(read(folder.file.string() + ".corrupt"), text) << text.substr(0, 60);
        EXPECT_EQ(json::parse(read(folder.file)).at("ignoreMouseMovement"), false) << text.substr(0, 60);
    }
}
