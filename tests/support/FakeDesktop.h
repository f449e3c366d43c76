#pragma once

#include "app/Vesperon.h"
#include "model/AppState.h"
#include "platform/Application.h"
#include "platform/Autostart.h"
#include "platform/Backend.h"
#include "platform/BlackWindow.h"
#include "platform/HotkeyService.h"
#include "platform/IdleMonitor.h"
#include "platform/InputAccess.h"
#include "platform/InputTap.h"
#include "platform/KeyboardMap.h"
#include "platform/Notifier.h"
#include "platform/ScreenSource.h"
#include "platform/SettingsStore.h"
#include "platform/Tray.h"
#include "support/FakeRunLoop.h"

#include <set>
#include <sstream>

namespace vesperon::testing {

struct MemorySettingsStore : SettingsStore {
    std::optional<nlohmann::json> object(const std::string& key) const override
    {
        return values.contains(key) ? std::optional(values.at(key)) : std::nullopt;
    }
    void setObject(const std::string& key, nlohmann::json value) override { values[key] = std::move(value); }
    void removeObject(const std::string& key) override { values.erase(key); }
    std::map<std::string, nlohmann::json> values;
};

struct FakeScreens : ScreenSource {
    std::vector<ScreenDescription> screens() const override { return list; }
    // A monitor at x = 1920 * n on connector "DP-<n + 1>"; the first is the primary.
    void add(std::uint32_t id, std::string name = {}, bool builtIn = false)
    {
        const auto n = list.size();
        list.push_back({id, std::move(name), Rect{1920.0 * static_cast<double>(n), 0, 1920, 1080}, builtIn,
            "DP-" + std::to_string(n + 1), n == 0});
    }
    std::vector<ScreenDescription> list;
};

// Windows that log what is done to them: "show 1", "hide 1", "frame 1", "gone 1" for window 1.
struct FakeWindows : BlackWindowFactory {
    struct Window : BlackWindow {
        Window(FakeWindows& o, int n, Rect f) : owner(o), serial(n), rect(f) { owner.live.insert(this); }
        ~Window() override { note("gone"), owner.live.erase(this); }
        void setFrame(const Rect& f) override { rect = f, note("frame"); }
        void show() override { visible = true, note("show"); }
        void hide() override { visible = false, note("hide"); }
        bool isVisible() const override { return visible; }
        Rect frame() const override { return rect; }
        void note(const std::string& what) { owner.log.push_back(what + " " + std::to_string(serial)); }
        FakeWindows& owner;
        int serial;
        Rect rect;
        bool visible = false;
    };
    std::unique_ptr<BlackWindow> create(const Rect& f) override { return std::make_unique<Window>(*this, ++made, f); }
    void setOpacity(double o) override { opacity = o; }
    std::optional<std::string> cannotDim() const override { return whyNot; }
    std::multiset<double> shown() const
    {
        std::multiset<double> xs;
        for (const Window* w : live)
            if (w->visible)
                xs.insert(w->rect.x);
        return xs;
    }
    std::set<Window*> live;
    std::vector<std::string> log;
    int made = 0;
    double opacity = 1;
    std::optional<std::string> whyNot;
};

// Grants every combination except those taken and those held already.
struct FakeHotkeys : HotkeyService {
    std::optional<HotkeyHandle> registerHotkey(
        const KeyCombo& combo, std::uint32_t id, const HotkeyLabel& label) override
    {
        if (++attempts, taken.contains(combo) || held(combo))
            return std::nullopt;
        titles[label.name] = label.title;
        return live[next] = {combo, id}, next++;
    }
    void unregisterHotkey(HotkeyHandle handle) override { live.erase(handle); }
    void setHandler(Handler h) override { handler = std::move(h); }
    void setChangeHandler(ChangeHandler h) override { changeHandler = std::move(h); }
    bool grabsKeys() const override { return grabs; }
    bool desktopBindsKeys() const override { return binds || !grabs; }
    std::optional<KeyCombo> safetyWakeHotkey() const override { return safety; }
    // The id a held combination was registered with.
    std::optional<std::uint32_t> idOf(const KeyCombo& combo) const
    {
        for (const auto& [handle, entry] : live)
            if (entry.first == combo)
                return entry.second;
        return std::nullopt;
    }
    bool held(const KeyCombo& combo) const { return idOf(combo).has_value(); }
    // A press of a held combination; answers what the handler said.
    bool press(const KeyCombo& combo) { return idOf(combo) && handler(*idOf(combo)); }
    // The user gives a held combination's hotkey another in the desktop's settings.
    void change(const KeyCombo& from, std::optional<KeyCombo> to) { changeHandler(idOf(from).value(), to); }
    Handler handler;
    ChangeHandler changeHandler;
    std::set<KeyCombo> taken;
    std::map<HotkeyHandle, std::pair<KeyCombo, std::uint32_t>> live;
    std::map<std::string, std::string> titles; // by name, of every hotkey held at some time
    std::optional<KeyCombo> safety;
    bool grabs = true, binds = false;
    HotkeyHandle next = 100;
    int attempts = 0;
};

struct FakeInputTap : InputTap {
    bool start(Handler h) override { return refuse ? false : (handler = std::move(h), true); }
    void stop() override { handler = nullptr; }
    void setMotionWanted(bool wanted) override { motionWanted = wanted; }
    void setPositionWanted(bool wanted) override { positionWanted = wanted; }
    // A pointer event carries `at` only while positions are wanted, as a real tap.
    void send(InputEvent::Type type, std::uint16_t keyCode = 0, std::uint64_t flags = 0, std::optional<Point> at = {})
    {
        if (handler)
            handler(InputEvent{type, keyCode, flags, positionWanted ? at : std::nullopt});
    }
    Handler handler;
    bool refuse = false, motionWanted = false, positionWanted = false;
};

struct FakeInputAccess : InputAccess {
    bool isGranted() const override { return granted; }
    void request() override { ++requests; }
    void explain() override { ++explanations; }
    bool granted = true;
    int requests = 0, explanations = 0;
};

struct FakeTray : Tray {
    bool isAvailable() const override { return available; }
    void setIcon(Icon i, const std::string&) override { icon = i; }
    void setMenu(const Menu& m) override { menu = m; }
    void setAboutToShow(std::function<void()> handler) override { aboutToShow = std::move(handler); }
    // What the user sees on opening the menu.
    const Menu& open() { return aboutToShow(), menu; }
    bool available = true;
    Icon icon = Icon::none;
    Menu menu;
    std::function<void()> aboutToShow;
};

struct FakeAutostart : Autostart {
    std::optional<std::string> enable() override { return enabled = true, std::nullopt; }
    std::optional<std::string> disable() override { return enabled = false, std::nullopt; }
    bool isEnabled() const override { return enabled; }
    bool enabled = false;
};

struct FakeNotifier : Notifier {
    void notify(const std::string& summary, const std::string& body) override
    {
        notes.push_back(summary + ": " + body);
    }
    std::vector<std::string> notes;
};

struct FakeApplication : Application {
    void quit() override { ++quits; }
    int quits = 0;
};

// Scan codes below 200 are key codes themselves.
struct FakeKeyboard : KeyboardMap {
    std::optional<std::uint16_t> keyCode(std::uint32_t scanCode) const override
    {
        return scanCode < 200 ? std::optional(static_cast<std::uint16_t>(scanCode)) : std::nullopt;
    }
};

// Idle time in the run loop's virtual time: input() is the user touching something.
struct FakeIdleMonitor : IdleMonitor {
    explicit FakeIdleMonitor(RunLoop& runLoop) : loop(runLoop) {}
    bool canTell() const override { return available; }
    void watch(double s, std::function<void()> handler) override
    {
        if (available)
            seconds = s, idle = std::move(handler), input();
    }
    void stop() override { idle = nullptr; }
    std::optional<Point> pointerPosition() const override { return pointer; }
    void input()
    {
        if (idle)
            loop.postAfter(seconds, [this, n = ++inputs] {
                if (idle && n == inputs)
                    std::exchange(idle, nullptr)();
            });
    }
    RunLoop& loop;
    std::function<void()> idle;
    double seconds = 0;
    int inputs = 0;
    bool available = true;
    std::optional<Point> pointer;
};

// The desktop's screen saver service: `holder` keeps the screen awake.
struct FakeIdleInhibition : IdleInhibition {
    explicit FakeIdleInhibition(RunLoop& runLoop) : loop(runLoop) {}
    void check(std::function<void(std::optional<std::string>)> answer) override
    {
        loop.post([answer, held = holder] { answer(held); }), ++checks;
    }
    RunLoop& loop;
    std::optional<std::string> holder;
    int checks = 0;
};

// The whole desktop faked, and the program built over it by its own composition root.
struct FakeDesktop {
    explicit FakeDesktop(int monitors = 2)
    {
        for (int i = 1; i <= monitors; ++i)
            screens.add(static_cast<std::uint32_t>(i), "Monitor " + std::to_string(i));
    }
    // The services, for a graph built by hand (the benchmarks run it on a real run loop).
    Backend backend()
    {
        return {loop, application, store, autostart, screens, tray, notifier, windows, hotkeys, tap, access, keyboard,
            idle, inhibition};
    }
    Vesperon& build()
    {
        app.reset(); // the old graph lets go of the backend first, as at a restart
        app = std::make_unique<Vesperon>(
            backend(), messages, [this](const std::string&) { ++preferencesShown; }, [this] { ++preferencesHidden; });
        return *app;
    }
    // Builds and launches it as main does, and lets the run loop settle.
    Vesperon& start()
    {
        build().launch();
        loop.runUntilIdle();
        return *app;
    }
    AppState& state() { return app->appState(); }
    bool dark() { return state().isBlackoutActive.get(); }

    FakeRunLoop loop;
    FakeApplication application;
    MemorySettingsStore store;
    FakeAutostart autostart;
    FakeScreens screens;
    FakeTray tray;
    FakeNotifier notifier;
    FakeWindows windows;
    FakeHotkeys hotkeys;
    FakeInputTap tap;
    FakeInputAccess access;
    FakeKeyboard keyboard;
    FakeIdleMonitor idle{loop};
    FakeIdleInhibition inhibition{loop};
    std::ostringstream messages;
    int preferencesShown = 0, preferencesHidden = 0;
    std::unique_ptr<Vesperon> app;
};

} // namespace vesperon::testing
