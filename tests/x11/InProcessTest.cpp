// The real program in-process on a private X server, for what needs one: black windows over real Qt
// screens read back as pixels; real keys through XTEST, real grabs; the tray's menu; the screen saver.
#include "app/Vesperon.h"
#include "desktop/LinuxDesktop.h"
#include "display/DisplayManager.h"
#include "input/HotkeyManager.h"
#include "keybinding/DesktopKeyBinding.h"
#include "model/AppState.h"
#include "preferences/DisplayHotkeyRow.h"
#include "preferences/KeyRecorderView.h"
#include "preferences/PreferencesWindow.h"
#include "support/QtSpin.h"
#include "support/TestWindow.h"
#include "support/XServer.h"
#include "x11/X11DisplayServer.h"

#include <QApplication>
#include <QDBusMessage>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sstream>

using namespace vesperon;
using namespace vesperon::testing;
using namespace vesperon::testing::EvdevKey;

namespace {

constexpr Rect frameA{0, 0, 1920, 1080}, frameB{1920, 0, 1920, 1440}, frameC{3840, 0, 1920, 1200};
constexpr std::uint32_t black = 0, red = 0xd02020, green = 0x20a040, blue = 0x2040d0;

// The real program over the Linux desktop and the X11 backend, made once Qt sees exactly these
// monitors (those of a test before removed); the first takes the server's one output, which spans
// them all so that the pointer reaches every one.
struct RealVesperon : ::testing::Test {
    using Monitors = std::initializer_list<std::pair<const char*, Rect>>;
    explicit RealVesperon(Monitors monitors) : ready(plugIn(monitors)) {}
    static bool plugIn(Monitors monitors)
    {
        for (const char* name : {"A", "B", "C", "L", "R"})
            xvfb().run(std::string("xrandr --delmonitor ") + name);
        xvfb().setOutputMode(5760, 1440);
        QStringList names;
        for (const auto& [name, frame] : monitors)
            xvfb().setMonitor(name, frame, names.empty()), names << QLatin1String(name);
        return spinUntil([&] {
            const QList<QScreen*> screens = QGuiApplication::screens();
            return screens.size() == names.size()
                && std::ranges::all_of(screens, [&](const QScreen* s) { return names.contains(s->name()); });
        });
    }
    void SetUp() override { ASSERT_TRUE(ready) << "the monitors did not come"; }
    bool ready;
    QTemporaryDir temporary;
    std::filesystem::path folder = temporary.path().toStdString();
    LinuxDesktop desktop{folder / "settings.json", folder / "autostart" / "vesperon.desktop"};
    X11DisplayServer x11;
    std::ostringstream messages;
    Vesperon app{desktop.backend(x11), messages, {}};
    XClient client;
};

struct ScreensOnX11 : RealVesperon {
    ScreensOnX11() : RealVesperon({{"A", frameA}, {"B", frameB}, {"C", frameC}}) {}
};

struct PreferencesOnX11 : RealVesperon {
    PreferencesOnX11() : RealVesperon({{"L", frameA}, {"R", Rect{1920, 0, 1920, 1080}}}) {}
};

} // namespace

TEST_F(ScreensOnX11, BlackWindowsCoverExactlyTheirMonitorsAsMonitorsComeAndGo)
{
    const auto a = Window::at(frameA, red), b = Window::at(frameB, green), c = Window::at(frameC, blue);
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
    EXPECT_EQ(std::ranges::count_if(state.availableDisplays.get(), &DisplayInfo::isPrimary), 1);
    displays.blackoutAllExcept(idAt(frameC));
    EXPECT_TRUE(shows(frameA, black) && shows(frameB, black) && shows(frameC, blue));

    xvfb().deleteMonitor("B"); // unplugged while dark
    EXPECT_TRUE(shows(frameB, green)) << "no black window outlives its monitor";
    EXPECT_TRUE(shows(frameA, black) && state.isBlackoutActive.get());
    displays.wakeAll();
    xvfb().setMonitor("B", frameB); // plugged in after launch, nothing else happening
    ASSERT_TRUE(spinUntil([&] { return idAt(frameB) != 0; }));
    displays.blackoutAll();
    EXPECT_TRUE(shows(frameB, black)) << "a monitor attached later is blacked out like the others";
}

// What each control writes is proved over the fake desktop (QtAndTablesTest); here what needs the
// server: real keys, a grab another program holds, a monitor removed.
TEST_F(PreferencesOnX11, RecordersTakeRealKeysWhileVesperonsGrabsPauseAndSayWhatAnotherProgramHolds)
{
    app.launch();
    const DesktopKeyBinding binding;
    PreferencesWindow window({app.appState(), app.permission(), app.launchAtLogin(), x11.keyboard(), app.hotkeys(),
        binding, x11.windows(), app.idleBlackout()});
    window.showAndActivate();
    ASSERT_TRUE(
        spinUntil([&] { return QApplication::activeWindow() == &window && client.inputFocus() == window.winId(); }));
    const auto shown = [&](const char* name) { return window.findChild<QWidget*>(QLatin1String(name))->isVisible(); };
    EXPECT_EQ(window.findChild<QWidget*>(QStringLiteral("cannotDim"))->property("text").toString(),
        "Needs a compositing manager (such as picom); none is running");
    EXPECT_TRUE(shown("permissionGranted") && !shown("grantAccess")) << "this server offers XInput 2.1";

    EXPECT_GE(window.width(), window.view().wholeSize().width()) << "opens wide enough for its widest page";
    window.view().pages()->setCurrentIndex(1); // Hotkeys
    const auto rows = [&] { return window.view().rows(); };
    const auto record = [](KeyRecorderView* recorder) {
        recorder->setButton()->click();
        return spinUntil([&] { return QApplication::focusWidget() == recorder; });
    };
    const auto recorded = [](KeyRecorderView* recorder, const KeyCombo& expected) {
        return spinUntil([&] { return !recorder->isRecording(); }) && recorder->keyCombo() == expected;
    };
    KeyRecorderView* toggle = rows().at(1)->toggleRecorder();
    ASSERT_TRUE(record(toggle));
    for (std::uint32_t key : {escape, leftSuper, capsLock, a, capsLock, tab})
        testServer().typeKey(key); // no modifier, modifiers alone, a lock: all swallowed, Tab too
    testServer().typeKey(d, {leftSuper, leftShift}); // the blackout-all hotkey itself: Vesperon's grab paused
    ASSERT_TRUE(recorded(toggle, KeyCombo::defaultBlackoutAll));
    const DisplayId right = app.appState().availableDisplays.get().at(1).id;
    EXPECT_EQ(app.appState().displayToggleHotkeys.get().at(std::to_string(right)), KeyCombo::defaultBlackoutAll);
    testServer().typeKey(d, {leftSuper, leftShift}); // the toggle repeats blackout-all, which keeps the combination
    EXPECT_TRUE(spinUntil([&] { return app.appState().blackedOutDisplays.get().size() == 2; })) << "grabbed again";

    KeyRecorderView* keepOnly = rows().at(0)->keepOnlyRecorder();
    ASSERT_TRUE(record(keepOnly));
    testServer().typeKey(escape, {leftControl, leftSuper});
    ASSERT_TRUE(recorded(keepOnly, KeyCombo{53, 0x1100})) << "even the safety combination";
    // Another program's grab keeps the keys from the recorder: the outcome is handed over directly.
    auto other = std::make_unique<XClient>();
    ASSERT_TRUE(other->grabKey(three, XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_1));
    const auto taken = [](KeyRecorderView* recorder) { return recorder->findChild<QWidget*>("taken")->isVisible(); };
    keepOnly->setKeyCombo(KeyCombo{20, 0x1800});
    keepOnly->onKeyComboChanged(KeyCombo{20, 0x1800});
    EXPECT_TRUE(spinUntil([&] { return taken(keepOnly); }) && !taken(toggle));
    other.reset(); // the server lets go of its grab when it notices
    EXPECT_TRUE(spinUntil([&] { return window.showAndActivate(), !taken(keepOnly); })) << "each opening tries again";

    ASSERT_TRUE(record(keepOnly));
    const DisplayHotkeyRow* left = rows().at(0);
    xvfb().deleteMonitor("R");
    ASSERT_TRUE(spinUntil([&] { return rows().size() == 1; }));
    EXPECT_EQ(rows().at(0), left) << "the remaining monitor keeps its row";
    window.close();
    EXPECT_FALSE(app.hotkeys().isSuspended()) << "closing the window ends the recording";
    EXPECT_EQ(messages.str(), "");
}

// The icons read on any panel. The menu follows the state while it is open; the user's place in it
// stays unless its items change.
TEST(Tray, IconsReadOnAnyPanelAndAnOpenMenuStaysOpenWhileOnlyTheStateOfItsItemsChanges)
{
    QtTray tray;
    // Each icon reads on a black, a dark grey and a white panel: enough of it stands out from each.
    const auto luma = [](QRgb c) { return (qRed(c) * 299 + qGreen(c) * 587 + qBlue(c) * 114) / 1000; };
    for (Icon icon : {Icon::display, Icon::displayBlackedOut}) {
        for (const QRgb panel : {0xff000000u, 0xff353535u, 0xffffffffu}) {
            QImage drawn(22, 22, QImage::Format_RGB32);
            drawn.fill(panel);
            QPainter(&drawn).drawPixmap(0, 0, tray.icon(icon).pixmap(22, 22));
            int standOut = 0, panelShows = 0;
            for (int y = 0; y < 22; ++y)
                for (int x = 0; x < 22; ++x) {
                    standOut += std::abs(luma(drawn.pixel(x, y)) - luma(panel)) > 100;
                    panelShows += drawn.pixel(x, y) == panel;
                }
            EXPECT_GE(standOut, 40) << int(icon) << " on " << std::hex << panel;
            EXPECT_GE(panelShows, 40) << int(icon) << ": a shape, not a square";
        }
    }

    std::vector<std::uint32_t> chosen;
    const auto menuWith = [&](bool checked, std::uint32_t displays) {
        MenuItem submenu;
        submenu.title = "Display", submenu.submenu.emplace();
        for (std::uint32_t id = 1; id <= displays; ++id) {
            MenuItem& item = submenu.submenu->emplace_back();
            item.title = "Screen " + std::to_string(id), item.display = id, item.checked = checked;
            item.action = [&chosen, checked](const MenuItem& it) { chosen.push_back(*it.display + 100 * checked); };
        }
        return Menu{submenu, MenuItem::separator()};
    };
    tray.setMenu(menuWith(false, 2));
    QMenu* top = nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* menu = qobject_cast<QMenu*>(widget); menu && !menu->parent())
            top = menu;
    ASSERT_NE(top, nullptr);
    QPointer<QMenu> submenu = top->actions().at(0)->menu();
    top->popup(QPoint(100, 100)), submenu->popup(QPoint(300, 100));
    ASSERT_TRUE(spinUntil([&] { return submenu->isVisible(); }));
    tray.setMenu(menuWith(true, 2));
    QApplication::processEvents();
    ASSERT_TRUE(submenu && submenu->isVisible()) << "the open submenu was replaced";
    EXPECT_TRUE(submenu->actions().at(1)->isChecked());
    submenu->actions().at(1)->trigger();
    EXPECT_EQ(chosen, std::vector<std::uint32_t>{102}) << "the item acts as it reads now";
    tray.setMenu(menuWith(true, 3)); // another display: built anew
    EXPECT_TRUE(spinUntil([&] { return submenu.isNull(); }));
    EXPECT_EQ(top->actions().at(0)->menu()->actions().size(), 3);
    top->hide();
}

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
        const QString name = QStringLiteral("org.freedesktop.ScreenSaver"); // served by this thread
        return busCall(name, QStringLiteral("/org/freedesktop/ScreenSaver"), name, method, arguments, *player);
    };
    const QDBusMessage cookie = call("Inhibit", {"Firefox", "Playing video"});
    ASSERT_EQ(cookie.type(), QDBusMessage::ReplyMessage) << cookie.errorMessage().toStdString();
    EXPECT_EQ(heldBy(), std::optional<std::string>("Firefox"));
    call("UnInhibit", {cookie.arguments().at(0)});
    EXPECT_EQ(heldBy(), std::nullopt);
    call("Inhibit", {"mpv", ""});
    EXPECT_EQ(heldBy(), std::optional<std::string>("mpv"));
    player.reset(); // it quits without letting go
    QDBusConnection::disconnectFromBus(QStringLiteral("player"));
    EXPECT_TRUE(spinUntil([&] { return heldBy() == std::nullopt; }));
}
