// Cost of one settings write: the whole file is replaced atomically (temporary file, fsync, rename)
// each time a setting is assigned, for example at every step of the wake-delay slider.
#include "desktop/JsonFileSettingsStore.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <sstream>

namespace {

void settingsWrite(benchmark::State& state)
{
    const auto dir = std::filesystem::temp_directory_path() / "vesperon-bench-settings";
    std::filesystem::remove_all(dir);
    std::ostringstream messages;
    vesperon::JsonFileSettingsStore store(dir / "settings.json", messages);
    // A realistic file: every key set, three displays with two hotkeys each.
    store.setBool("ignoreMouseMovement", true);
    store.setStringArray("allowedWakeKeys", {"escape", "space"});
    store.setData("blackoutAllHotkey", R"({"keyCode":2,"modifiers":768})");
    const std::string map
        = R"({"1":{"keyCode":18,"modifiers":6144},"2":{"keyCode":19,"modifiers":6144},"3":{"keyCode":20,"modifiers":6144}})";
    store.setData("displayToggleHotkeys", map);
    store.setData("displayKeepOnlyHotkeys", map);
    double delay = 0;
    for (auto _ : state) {
        store.setDouble("wakeDelay", delay);
        delay = delay >= 5 ? 0 : delay + 0.5;
    }
    std::filesystem::remove_all(dir);
}
BENCHMARK(settingsWrite)->Unit(benchmark::kMicrosecond);

} // namespace
