// The real program in-process on a private X server: what it cannot show from outside. Its black
// windows over real Qt screens as monitors come and go, read back as pixels; its preferences window
// with real key presses through XTEST, so that key codes and modifiers come from the server as they
// do for a user, and its own hotkeys are real X grabs.
#include "app/Vesperon.h"
#include "desktop/LinuxDesktop.h"
#include "desktop/ScreenSaverInhibition.h"
#include "display/DisplayManager.h"
#include "input/HotkeyManager.h"
#include "input/IdleBlackout.h"
#include "keybinding/DesktopKeyBinding.h"
#include "model/AppState.h"
#include "platform/IdleMonitor.h"
#include "preferences/DisplayHotkeyRow.h"
#include "preferences/KeyRecorderView.h"
#include "preferences/PreferencesWindow.h"
#include "support/Daemon.h"
#include "support/QtSpin.h"
#include "support/XServer.h"
#include "tray/QtTray.h"
#include "x11/X11DisplayServer.h"
#include "x11/XcbConnection.h"

#include <QApplication>
#include <QCheckBox>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSlider>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sstream>

using namespace vesperon;
using namespace vesperon::testing;
namespace fs = std::filesystem;

namespace {

constexpr Rect a{0, 0, 1920, 1080}, b{1920, 0, 1920, 1440}, c{3840, 0, 1920, 1200};
constexpr std::uint32_t black = 0, red = 0xd02020, green = 0x20a040, blue = 0x2040d0;

// Our widgets have no meta-object of their own (no moc): found by name and dynamic type.
template <typename T> T* child(const QObject* root, const char* name = nullptr)
{
    for (QWidget* widget :
        name ? root->findChildren<QWidget*>(QString::fromLatin1(name)) : root->findChildren<QWidget*>())
        if (auto* found = dynamic_cast<T*>(widget))
            return found;
    return nullptr;
}

// Monitors on the test server, the first on its one output, which spans them all so that the
// pointer reaches every one; true once Qt sees them.
bool plugIn(std::initializer_list<std::pair<const char*, Rect>> monitors)
{
    xvfb().setOutputMode(5760, 1440);
    for (const auto& [name, frame] : monitors)
        xvfb().setMonitor(name, frame, name == monitors.begin()->first);
    return spinUntil([&] { return QGuiApplication::screens().size() == static_cast<qsizetype>(monitors.size()); });
}

// The real program over the Linux desktop and the X11 backend, made once the monitors are there.
struct RealVesperon : ::testing::Test {
    explicit RealVesperon(bool monitorsReady) : ready(monitorsReady) {}
    void SetUp() override { ASSERT_TRUE(ready) << "the monitors did not come"; }
    bool ready;
    QTemporaryDir temporary;
    fs::path folder = temporary.path().toStdString();
    LinuxDesktop desktop{folder / "settings.json", folder / "autostart" / "vesperon.desktop"};
    X11DisplayServer x11;
    std::ostringstream messages;
    Vesperon app{desktop.backend(x11), messages, {}};
    XClient client;
};

struct ScreensOnX11 : RealVesperon {
    ScreensOnX11() : RealVesperon(plugIn({{"A", a}, {"B", b}, {"C", c}})) {}
};

struct PreferencesOnX11 : RealVesperon {
    PreferencesOnX11() : RealVesperon(plugIn({{"L", a}, {"R", Rect{1920, 0, 1920, 1080}}})) {}
    void open()
    {
        if (!window) {
            app.launch();
            window = std::make_unique<PreferencesWindow>(PreferencesWindow::Services{app.appState(), app.permission(),
                app.launchAtLogin(), x11.keyboard(), app.hotkeys(), binding, x11.windows(), app.idleBlackout()});
        }
        window->showAndActivate();
        ASSERT_TRUE(spinUntil(
            [&] { return QApplication::activeWindow() == window.get() && client.inputFocus() == window->winId(); }));
    }
    template <typename T> T* find(const char* name) const
    {
        T* found = child<T>(window.get(), name);
        EXPECT_TRUE(found) << name;
        return found;
    }
    PreferencesView* view() const { return child<PreferencesView>(window.get()); }
    KeyRecorderView* recorder(std::size_t row, const char* which) const
    {
        return child<KeyRecorderView>(view()->rows().at(row), which);
    }
    static QString text(KeyRecorderView* recorder)
    {
        return recorder->findChild<QLabel*>(QStringLiteral("combo"))->text();
    }
    // Starts recording and waits until the recorder holds the keyboard focus.
    static void record(KeyRecorderView* recorder)
    {
        recorder->setButton()->click();
        ASSERT_TRUE(recorder->isRecording());
        ASSERT_TRUE(spinUntil([&] { return QApplication::focusWidget() == recorder; }));
    }
    // Waits for the recording to end; true when it ended with `expected`.
    static bool recorded(KeyRecorderView* recorder, const KeyCombo& expected)
    {
        return spinUntil([&] { return !recorder->isRecording(); }) && recorder->keyCombo() == expected;
    }

    const DesktopKeyBinding binding;
    std::unique_ptr<PreferencesWindow> window;
};

} // namespace

TEST_F(ScreensOnX11, BlackWindowsCoverExactlyTheirMonitorsAsMonitorsComeAndGo)
{
    client.createWindow(a, red);
    client.createWindow(b, green);
    client.createWindow(c, blue);
    DisplayManager& displays = app.displays();
    AppState& state = app.appState();
    const auto idAt = [&](const Rect& frame) {
        for (const DisplayInfo& display : state.availableDisplays.get())
            if (display.frame.x == frame.x && display.frame.y == frame.y)
                return display.id;
        return DisplayId{0};
    };
    const auto shows = [&](const Rect& area, std::uint32_t rgb) {
        return spinUntil([&] { return testServer().shows(area, rgb); }, 5000);
    };

    EXPECT_EQ(
        std::ranges::count_if(state.availableDisplays.get(), [](const DisplayInfo& d) { return d.isPrimary; }), 1);
    displays.blackoutAllExcept(idAt(c));
    EXPECT_TRUE(shows(a, black) && shows(b, black));
    EXPECT_TRUE(shows(c, blue));

    xvfb().deleteMonitor("B"); // unplugged while dark
    EXPECT_TRUE(shows(b, green)) << "no black window outlives its monitor";
    EXPECT_TRUE(shows(a, black));
    EXPECT_TRUE(state.isBlackoutActive.get());
    displays.wakeAll();
    xvfb().setMonitor("B", b); // plugged in after launch, nothing else happening
    ASSERT_TRUE(spinUntil([&] { return idAt(b) != 0; }));
    displays.blackoutAll();
    EXPECT_TRUE(shows(b, black)) << "a monitor attached later is blacked out like the others";
    displays.blackoutAllExcept(idAt(c));

    // The output's own monitor is the one whose resolution really changes: A gives it back.
    const DisplayId monitorA = idAt(a);
    xvfb().deleteMonitor("A");
    xvfb().setOutputMode(1920, 1080);
    ASSERT_TRUE(spinUntil([&] { return idAt(a) != 0 && idAt(a) != monitorA; }));
    displays.blackoutAll();
    ASSERT_TRUE(shows(a, black));
    xvfb().setOutputMode(1600, 900);
    EXPECT_TRUE(shows(Rect{0, 0, 1600, 900}, black));
    EXPECT_TRUE(spinUntil([&] { return client.pixel(1600, 10) == red && client.pixel(10, 900) == red; }))
        << "just outside the new frame the window beneath shows again";
    EXPECT_TRUE(shows(c, black));
}

TEST_F(PreferencesOnX11, RecordersTakeTheFirstKeyWithAModifierWhileVesperonsHotkeysPause)
{
    open();
    KeyRecorderView* toggle = recorder(1, "toggle");
    EXPECT_EQ(text(toggle), "None");
    record(toggle);
    EXPECT_TRUE(app.hotkeys().hotkeyActions().empty()) << "Vesperon's own hotkeys pause while recording";
    for (std::uint32_t key :
        {EvdevKey::escape, EvdevKey::leftSuper, EvdevKey::capsLock, EvdevKey::a, EvdevKey::capsLock, EvdevKey::tab})
        testServer().typeKey(key); // no modifier, modifiers alone, a lock: all swallowed, Tab too
    testServer().typeKey(EvdevKey::d, {EvdevKey::leftSuper, EvdevKey::leftShift}); // the blackout-all hotkey itself
    ASSERT_TRUE(recorded(toggle, KeyCombo::defaultBlackoutAll));
    EXPECT_EQ(text(toggle), "Shift+Super+D");
    const DisplayId right = app.appState().availableDisplays.get().at(1).id;
    EXPECT_EQ(app.appState().displayToggleHotkeys.get().at(std::to_string(right)), KeyCombo::defaultBlackoutAll);
    // Back from the current settings: the toggle repeats the blackout-all combination, which keeps it.
    EXPECT_EQ(app.hotkeys().hotkeyActions(), (std::map<std::uint32_t, HotkeyAction>{{1, HotkeyAction::blackoutAll()}}));
    testServer().typeKey(EvdevKey::d, {EvdevKey::leftSuper, EvdevKey::leftShift});
    EXPECT_TRUE(spinUntil([&] { return app.appState().isBlackoutActive.get(); })) << "the hotkeys are back";
    EXPECT_EQ(app.appState().blackedOutDisplays.get().size(), 2u);

    KeyRecorderView* keepOnly = recorder(0, "keepOnly");
    record(keepOnly);
    testServer().typeKey(EvdevKey::escape, {EvdevKey::leftControl, EvdevKey::leftSuper});
    ASSERT_TRUE(recorded(keepOnly, KeyCombo{53, 0x1100})) << "even the safety combination";
    record(keepOnly);
    keepOnly->setButton()->click(); // Cancel
    EXPECT_EQ(keepOnly->keyCombo(), (KeyCombo{53, 0x1100}));
    // A combination another program holds: the recorder says so, until the program lets go. Its
    // grab keeps the keys from the recorder, so the recording's outcome is handed over directly.
    auto other = std::make_unique<XClient>();
    ASSERT_TRUE(other->grabKey(EvdevKey::three, XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_1));
    const auto taken = [&] { return keepOnly->findChild<QLabel*>(QStringLiteral("taken"))->isVisible(); };
    keepOnly->setKeyCombo(KeyCombo{20, 0x1800});
    keepOnly->onKeyComboChanged(KeyCombo{20, 0x1800});
    EXPECT_TRUE(spinUntil(taken));
    EXPECT_FALSE(toggle->findChild<QLabel*>(QStringLiteral("taken"))->isVisible());
    other.reset(); // the server lets go of its grab when it notices
    EXPECT_TRUE(spinUntil([&] {
        window->showAndActivate(); // each opening of the window tries once more
        return !taken();
    }));

    record(keepOnly);
    keepOnly->clearButton()->click();
    EXPECT_TRUE(keepOnly->isRecording()) << "clearing does not end a recording";
    EXPECT_EQ(text(keepOnly), "None");
    EXPECT_TRUE(app.appState().displayKeepOnlyHotkeys.get().empty());

    window->close();
    EXPECT_FALSE(keepOnly->isRecording()) << "closing the window ends the recording";
    EXPECT_FALSE(app.hotkeys().isSuspended());
}

TEST_F(PreferencesOnX11, EveryControlWritesItsSettingAtOnce)
{
    open();
    EXPECT_FALSE(window->findChild<QScrollArea*>()->verticalScrollBar()->isVisible()) << "sized to its content";
    EXPECT_FALSE(window->windowIcon().isNull());
    KeyRecorderView* all = find<KeyRecorderView>("blackoutAll");
    EXPECT_EQ(text(all), "Shift+Super+D");
    EXPECT_EQ(app.appState().blackoutAllHotkey.get(), KeyCombo::defaultBlackoutAll)
        << "opening stores the hotkey in force";
    all->clearButton()->click();
    EXPECT_EQ(app.appState().blackoutAllHotkey.get(), std::nullopt);
    window->close();
    open();
    EXPECT_EQ(text(all), "Shift+Super+D") << "shown again the next time";

    QCheckBox* any = find<QCheckBox>("wakeKey-any");
    QCheckBox* escape = find<QCheckBox>("wakeKey-escape");
    EXPECT_FALSE(any->isEnabled()) << "the only allowed key cannot go";
    escape->click();
    any->click();
    EXPECT_EQ(app.appState().allowedWakeKeys.get(), WakeKeySet{WakeKey::escape});
    escape->click();
    EXPECT_TRUE(app.appState().allowedWakeKeys.get().empty()) << "the last other key may go";
    EXPECT_TRUE(any->isEnabled());

    QSlider* delay = find<QSlider>("wakeDelay");
    delay->setValue(delay->maximum());
    EXPECT_EQ(app.appState().wakeDelay.get(), 5.0);
    delay->setValue(5);
    EXPECT_EQ(app.appState().wakeDelay.get(), 2.5);
    EXPECT_EQ(find<QLabel>("wakeDelayText")->text(), "2.5s");
    find<QCheckBox>("ignoreMouseMovement")->click();
    EXPECT_FALSE(app.appState().ignoreMouseMovement.get());
    ASSERT_TRUE(find<QCheckBox>("wakeOnLitDisplays")->isChecked());
    find<QCheckBox>("wakeOnLitDisplays")->click();
    EXPECT_FALSE(app.appState().wakeOnLitDisplays.get());
    EXPECT_FALSE(find<QSlider>("dimLevel")->isEnabled()) << "no compositing manager on this server";
    EXPECT_EQ(find<QLabel>("cannotDim")->text(), "Needs a compositing manager (such as picom); none is running");

    find<QCheckBox>("launchAtLogin")->click();
    EXPECT_TRUE(fs::exists(folder / "autostart" / "vesperon.desktop"));
    find<QCheckBox>("launchAtLogin")->click();
    EXPECT_FALSE(fs::exists(folder / "autostart" / "vesperon.desktop"));
    EXPECT_TRUE(find<QLabel>("permissionGranted")->isVisible() && !find<QPushButton>("grantAccess")->isVisible())
        << "this server offers XInput 2.1";

    DisplayHotkeyRow* left = view()->rows().at(0);
    EXPECT_GT(left->mapTo(window.get(), QPoint()).y(), all->mapTo(window.get(), QPoint()).y() + all->height())
        << "laid out below";
    EXPECT_FALSE(find<QLabel>("noDisplays")->isVisible());
    xvfb().deleteMonitor("R");
    ASSERT_TRUE(spinUntil([&] { return view()->rows().size() == 1; }));
    EXPECT_EQ(view()->rows().at(0), left) << "the remaining monitor keeps its row";
    EXPECT_EQ(messages.str(), "");
}

TEST(XcbConnectionEvents, EventsReadWhileAReplyWasAwaitedAreHandledToo)
{
    auto connection = XcbConnection::open("a test");
    int maps = 0;
    connection->addReader(
        [&](const xcb_generic_event_t& event) { maps += (event.response_type & 0x7f) == XCB_MAP_NOTIFY; });
    const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection->get(), connection->root(), XCB_CW_EVENT_MASK, &mask);
    std::free(xcb_get_input_focus_reply(connection->get(), xcb_get_input_focus(connection->get()), nullptr));
    XClient().createWindow(Rect{0, 0, 10, 10}, 0); // a popup, say, mapped while...
    // ...the connection waits for a reply, as the stack keeper and the hotkeys do: libxcb reads the
    // MapNotify from the socket and queues it, and the socket has nothing more to say.
    std::free(xcb_get_input_focus_reply(connection->get(), xcb_get_input_focus(connection->get()), nullptr));
    EXPECT_TRUE(spinUntil([&] { return maps == 1; }, 3000));
}

TEST(Tray, EachIconIsDrawnOnceNotAtEveryBlackout)
{
    QtTray tray;
    const qint64 display = tray.icon(Icon::display).cacheKey();
    for (Icon icon : {Icon::displayBlackedOut, Icon::display, Icon::warning, Icon::display})
        tray.setIcon(icon, "Vesperon");
    EXPECT_EQ(tray.icon(Icon::display).cacheKey(), display);
    EXPECT_NE(tray.icon(Icon::displayBlackedOut).cacheKey(), display);
}

// The menu follows the state while it is open; the user's place in it stays unless its items change.
TEST(Tray, AnOpenMenuAndItsSubmenuStayOpenWhileOnlyTheStateOfTheirItemsChanges)
{
    QtTray tray;
    std::vector<std::uint32_t> chosen;
    const auto menuWith = [&](bool checked, std::size_t displays) {
        MenuItem display;
        display.title = "Display";
        display.submenu.emplace();
        for (std::uint32_t id = 1; id <= displays; ++id) {
            MenuItem item;
            item.title = "Screen " + std::to_string(id);
            item.display = id;
            item.checked = checked;
            item.action = [&chosen, checked](
                              const MenuItem& sender) { chosen.push_back(*sender.display + (checked ? 100 : 0)); };
            display.submenu->push_back(item);
        }
        return Menu{display, MenuItem::separator()};
    };
    tray.setMenu(menuWith(false, 2));
    QMenu* top = nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* menu = qobject_cast<QMenu*>(widget); menu && !menu->parent())
            top = menu;
    ASSERT_NE(top, nullptr);
    QPointer<QMenu> submenu = top->actions().at(0)->menu();
    top->popup(QPoint(100, 100));
    submenu->popup(QPoint(300, 100));
    ASSERT_TRUE(spinUntil([&] { return submenu->isVisible(); }));

    tray.setMenu(menuWith(true, 2));
    QApplication::processEvents();
    ASSERT_TRUE(submenu && submenu->isVisible()) << "the open submenu was replaced";
    QAction* second = submenu->actions().at(1);
    EXPECT_TRUE(second->isChecked());
    second->trigger();
    EXPECT_EQ(chosen, std::vector<std::uint32_t>{102}) << "the item acts as it reads now";

    tray.setMenu(menuWith(true, 3)); // another display: built anew
    EXPECT_TRUE(spinUntil([&] { return submenu.isNull(); }));
    EXPECT_EQ(top->actions().at(0)->menu()->actions().size(), 3);
    top->hide();
}

namespace {

// GNOME's session manager as far as the idle flag goes.
struct FakeSessionManager : QDBusVirtualObject {
    QString introspect(const QString&) const override { return {}; }
    bool handleMessage(const QDBusMessage& call, const QDBusConnection& connection) override
    {
        return connection.send(call.createReply(inhibited && call.arguments().value(0).toUInt() == 8));
    }
    bool inhibited = true;
};

} // namespace

TEST(ScreenSaverInhibition, ServedWhereNoDesktopServesItAndAnInhibitionEndsWithItsProgram)
{
    SessionBus bus;
    const QString address = QString::fromStdString(bus.address());
    ScreenSaverInhibition inhibition(QDBusConnection::connectToBus(address, QStringLiteral("vesperon")));
    const auto heldBy = [&] {
        std::optional<std::optional<std::string>> answer;
        inhibition.check([&](std::optional<std::string> holder) { answer = holder; });
        EXPECT_TRUE(spinUntil([&] { return answer.has_value(); }));
        return answer.value_or(std::nullopt);
    };
    EXPECT_EQ(heldBy(), std::nullopt);

    std::optional<QDBusConnection> player = QDBusConnection::connectToBus(address, QStringLiteral("player"));
    const auto call = [&](const char* method, const QVariantList& arguments) {
        QDBusMessage message = QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.ScreenSaver"),
            QStringLiteral("/org/freedesktop/ScreenSaver"), QStringLiteral("org.freedesktop.ScreenSaver"),
            QLatin1String(method));
        message.setArguments(arguments);
        QDBusPendingCall pending = player->asyncCall(message); // this thread serves it: no blocking call
        EXPECT_TRUE(spinUntil([&] { return pending.isFinished(); }));
        return pending.reply();
    };
    const QDBusMessage cookie = call("Inhibit", {QStringLiteral("Firefox"), QStringLiteral("Playing video")});
    ASSERT_EQ(cookie.type(), QDBusMessage::ReplyMessage) << cookie.errorMessage().toStdString();
    EXPECT_EQ(heldBy(), std::optional<std::string>("Firefox"));
    call("UnInhibit", {cookie.arguments().at(0)});
    EXPECT_EQ(heldBy(), std::nullopt);

    call("Inhibit", {QStringLiteral("mpv"), QStringLiteral("")});
    EXPECT_EQ(heldBy(), std::optional<std::string>("mpv"));
    player.reset(); // it quits without letting go
    QDBusConnection::disconnectFromBus(QStringLiteral("player"));
    EXPECT_TRUE(spinUntil([&] { return heldBy() == std::nullopt; }));

    // On GNOME the session manager knows.
    FakeSessionManager gnome;
    QDBusConnection session = QDBusConnection::connectToBus(address, QStringLiteral("gnome"));
    session.registerVirtualObject(QStringLiteral("/org/gnome/SessionManager"), &gnome);
    ASSERT_TRUE(session.registerService(QStringLiteral("org.gnome.SessionManager")));
    EXPECT_EQ(heldBy(), std::optional<std::string>(""));
    gnome.inhibited = false;
    EXPECT_EQ(heldBy(), std::nullopt);
    session.unregisterObject(QStringLiteral("/org/gnome/SessionManager"));
}

TEST(X11IdleMonitor, TellsIdleTimeButNotThroughXWaylandWhichSeesOnlyX11WindowsInput)
{
    X11DisplayServer plain, throughXWayland("Keys pressed in Wayland windows do not reach these hotkeys.");
    EXPECT_TRUE(plain.idle().canTell());
    EXPECT_FALSE(throughXWayland.idle().canTell());
    testServer().moveTo(700, 300);
    EXPECT_TRUE(spinUntil([&] {
        return plain.idle().pointerPosition() == Point{700, 300};
    })) << "where allButPointer looks";
}
