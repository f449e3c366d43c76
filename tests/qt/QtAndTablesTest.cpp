// The Qt run loop on a real event loop, the tables that need no server, and the preferences view over
// the fake desktop on Qt's offscreen platform.
#include "desktop/KeyCodeTable.h"
#include "desktop/QtRunLoop.h"
#include "desktop/Translations.h"
#include "preferences/BindLineView.h"
#include "preferences/DisplayHotkeyRow.h"
#include "preferences/KeyRecorderView.h"
#include "preferences/PreferencesView.h"
#include "preferences/PreferencesWindow.h"
#include "support/FakeDesktop.h"
#include "support/QtSpin.h"
#include "x11/X11InputTap.h"

#include <QAbstractSpinBox>
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLayout>
#include <QProcess>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>

using namespace vesperon;
using namespace vesperon::testing;
using Clock = std::chrono::steady_clock;
using nlohmann::json;

TEST(QtRunLoop, TasksRunLaterInOrderDelaysNeverEndEarlyAndTimersEndWhenStopped)
{
    QtRunLoop loop;
    std::vector<int> order;
    loop.post([&] { loop.post([&order] { order.push_back(100); }); }); // after all the others
    for (int i = 0; i < 100; ++i)
        loop.post([&order, i] { order.push_back(i); });
    EXPECT_TRUE(order.empty()) << "not inside the caller";
    ASSERT_TRUE(spinUntil([&] { return order.size() == 101; }));
    EXPECT_TRUE(std::ranges::is_sorted(order));
    int ticks = 0;
    std::shared_ptr<Timer> repeating = loop.startTimer(0.01, true, [&] { ++ticks; });
    ASSERT_TRUE(spinUntil([&] { return ticks >= 3; }));
    repeating->stop();
    const int atStop = ticks;
    const auto start = Clock::now();
    Clock::time_point ranAt{};
    loop.postAfter(0.1, [&] { ranAt = Clock::now(); }); // ten periods later
    ASSERT_TRUE(spinUntil([&] { return ranAt != Clock::time_point{}; }));
    EXPECT_GE(std::chrono::duration<double>(ranAt - start).count(), 0.1) << "never early";
    EXPECT_EQ(ticks, atStop);
    for (double absurd : {1e300, -1.0, std::nan("")}) // a wake delay from a hand-edited file
        loop.startTimer(absurd, false, [] {})->stop();
}

TEST(KeyCodeTable, MapsTheKeysOfAKeyboardBothWaysByPosition)
{
    for (int x = 8; x < 256; ++x) {
        if (const auto code = KeyCodeTable::fromX11(static_cast<std::uint8_t>(x))) {
            EXPECT_EQ(KeyCodeTable::toX11(*code), x) << "key code " << *code;
        }
    }
    // The numbering is stored in the settings: A, Escape, keypad Enter, F1, and 5 and 6 out of order.
    for (const auto& [x11, code] : {std::pair{38u, 0}, {9u, 53}, {104u, 76}, {67u, 122}, {14u, 23}, {15u, 22}})
        EXPECT_EQ(XkbKeyboardMap().keyCode(x11), code) << x11;
    for (std::uint8_t x : {37, 50, 64, 133, 66, 77})
        EXPECT_TRUE(KeyCodeTable::isModifier(x) && !XkbKeyboardMap().keyCode(x)) << "modifiers, locks: no code " << +x;
    EXPECT_FALSE(KeyCodeTable::isModifier(38) || XkbKeyboardMap().keyCode(256 + 38)) << "no wrap-around past 255";
}

TEST(RawMotion, ScrollAxesAreScrollAndNeverMovement)
{
    const std::set<std::uint16_t> touchpad{2, 3}, far{33}; // x, y, then the scroll axes; 33 is in the second word
    using Case = std::tuple<std::vector<std::uint32_t>, const std::set<std::uint16_t>*, bool, bool>;
    for (const auto& [mask, axes, moved, scrolled] : {Case{{0b0011}, &touchpad, true, false},
             Case{{0b1000}, &touchpad, false, true}, Case{{0b1010}, &touchpad, true, true},
             Case{{0b1000}, nullptr, true, false} /* no scroll axes: only moves */,
             Case{{0, 0b10}, &far, false, true}}) {
        const auto kind = X11InputTap::classifyMotion(mask.data(), static_cast<int>(mask.size()), axes);
        EXPECT_TRUE(kind.moved == moved && kind.scrolled == scrolled) << mask.back() << " in word " << mask.size();
    }
}

// The preferences view over a fake desktop of two monitors, opened after the test has shaped it.
// The views have no meta-object of their own (no moc): controls are found by name and used through
// Qt's properties and slots.
struct FakePreferences : FakeDesktop {
    PreferencesView& open(DesktopKeyBinding syntax = {})
    {
        binding = std::move(syntax);
        Vesperon& program = start();
        view = std::make_unique<PreferencesView>(PreferencesView::Services{program.appState(), program.permission(),
            program.launchAtLogin(), keyboard, program.hotkeys(), binding, windows, program.idleBlackout()});
        view->show();
        return *view;
    }
    template <typename T = QWidget> T* find(const char* name, const QWidget* in = nullptr) const
    {
        for (QWidget* widget : (in ? in : view.get())->findChildren<QWidget*>(QLatin1String(name)))
            if (auto* found = dynamic_cast<T*>(widget))
                return found;
        throw std::runtime_error(std::string("no ") + name);
    }
    QString text(const char* name, const QWidget* in = {}) const { return find(name, in)->property("text").toString(); }
    void click(const char* name, const QWidget* in = nullptr) { QMetaObject::invokeMethod(find(name, in), "click"); }
    QStringList shownLines() const
    {
        QStringList shown;
        for (const QWidget* line : view->findChildren<QWidget*>(QStringLiteral("bindLine")))
            if (!line->isHidden()) // on its page, though another may be in front
                shown << dynamic_cast<const BindLineView*>(line)->line();
        return shown;
    }
    DesktopKeyBinding binding;
    std::unique_ptr<PreferencesView> view;
};

TEST(PreferencesView, EveryControlWritesItsSettingAtOnceAndShowsTheValueInUse)
{
    FakePreferences p;
    p.store.values["displayKeepOnlyHotkeys"] = R"({"2":{"keyCode":18,"modifiers":4096}})";
    p.open();
    const auto written = [&](const std::string& key) { // what the settings file holds
        return key == "autostart" ? json(p.autostart.enabled) : p.store.object(key).value_or(nullptr);
    };
    EXPECT_EQ(written("blackoutAllHotkey"), R"({"keyCode":2,"modifiers":768})") << "opening stores the hotkey in force";
    EXPECT_FALSE(p.find("wakeKey-any")->isEnabled()) << "the only allowed key cannot go";
    EXPECT_TRUE(p.find("dimLevel")->isEnabled() && !p.find("idleScope")->isEnabled());
    const struct {
        const char *control, *property;
        QVariant value;
        const char* key;
        json stored;
    } steps[] = {{"wakeDelay", "value", 99, "wakeDelay", 5.0} /* at most */,
        {"wakeDelay", "value", 5, "wakeDelay", 2.5},
        {"ignoreMouseMovement", "checked", false, "ignoreMouseMovement", false},
        {"wakeOnLitDisplays", "checked", false, "wakeOnLitDisplays", false},
        {"wakeKey-escape", "checked", true, "allowedWakeKeys", {"any", "escape"}},
        {"wakeKey-any", "checked", false, "allowedWakeKeys", json::array({"escape"})},
        {"wakeKey-escape", "checked", false, "allowedWakeKeys", json::array()} /* the last other key may go */,
        {"dimLevel", "value", 15, "blackoutOpacity", 0.75}, {"idleMinutes", "value", 15, "idleBlackoutMinutes", 15},
        {"idleScope", "currentIndex", 1, "idleBlackoutScope", "allButPointer"},
        {"launchAtLogin", "checked", true, "autostart", true}, {"launchAtLogin", "checked", false, "autostart", false}};
    for (const auto& [control, property, value, key, stored] : steps) {
        p.find(control)->setProperty(property, value);
        EXPECT_EQ(written(key), stored) << control << " " << value.toString().toStdString();
    }
    EXPECT_TRUE(p.find("wakeKey-any")->isEnabled() && p.find("idleScope")->isEnabled());
    EXPECT_EQ(p.text("wakeDelayText") + p.text("dimLevelText"), "2.5s75%");
    auto* all = p.find<KeyRecorderView>("blackoutAll");
    p.click("clear", all);
    EXPECT_EQ(written("blackoutAllHotkey"), json());
    auto* keepOnly = p.view->rows().at(1)->keepOnlyRecorder();
    p.click("set", keepOnly), p.click("set", keepOnly); // Cancel
    EXPECT_EQ(keepOnly->keyCombo(), (KeyCombo{18, ModifierMask::control}));
    p.click("set", keepOnly), p.click("clear", keepOnly);
    EXPECT_TRUE(p.state().displayKeepOnlyHotkeys.get().empty() && keepOnly->isRecording())
        << "cleared, still recording";
    EXPECT_EQ(p.text("combo", keepOnly), "None");

    // Values set elsewhere, even out of range by hand, are shown as what is used.
    p.state().blackoutOpacity.set(0.1), p.state().idleBlackoutMinutes.set(400), p.state().ignoreMouseMovement.set(true);
    EXPECT_EQ(p.find("dimLevel")->property("value").toInt(), 10);
    EXPECT_EQ(p.find("idleMinutes")->property("value").toInt(), 120);
    EXPECT_TRUE(p.find("ignoreMouseMovement")->property("checked").toBool());
    p.windows.whyNot = "Needs a compositing manager";
    p.view->hide(), p.view->show(); // opened again
    EXPECT_EQ(p.text("combo", all), "Shift+Super+D");
    EXPECT_EQ(written("blackoutAllHotkey"), R"({"keyCode":2,"modifiers":768})");
    EXPECT_FALSE(p.find("dimLevel")->isEnabled());
    EXPECT_EQ(p.text("cannotDim"), "Needs a compositing manager");
}

TEST(PreferencesView, TheIdleNoteSaysWhatHoldsTheIdleBlackoutBack)
{
    FakePreferences x11, wayland, blind;
    x11.idle.pointer = Point{10, 10}, blind.idle.available = false;
    const auto note = [](const FakePreferences& p) { return p.find("idleNote")->isHidden() ? "" : p.text("idleNote"); };
    for (FakePreferences* p : {&x11, &wayland, &blind}) {
        p->open();
        p->find("idleMinutes")->setProperty("value", 15), p->find("idleScope")->setProperty("currentIndex", 1);
    }
    EXPECT_EQ(note(x11), "");
    EXPECT_EQ(note(wayland), "This desktop does not tell where the pointer is: every display goes dark");
    EXPECT_EQ(note(blind), "This desktop does not tell Vesperon how long input has been left alone");
    x11.inhibition.holder = "Firefox";
    x11.loop.advance(3600);
    EXPECT_EQ(note(x11), "Held back: Firefox keeps the screen awake");
}

// Each hotkey set has its line in the desktop's words (DesktopKeyBinding's own test has the words);
// on GNOME through XWayland they go into GNOME's custom shortcuts, beside the user's own.
TEST(PreferencesView, WhereTheDesktopBindsKeysEachHotkeyHasALineToCopyOrGoesIntoGnomesShortcuts)
{
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    qputenv("GSETTINGS_BACKEND", "keyfile"); // GNOME's settings in a file of the test's own
    qputenv("XDG_CURRENT_DESKTOP", "ubuntu:GNOME");
    FakePreferences sway, gnome, x11;
    sway.hotkeys.grabs = false;
    sway.open({DesktopKeyBinding::Syntax::sway, "vesperon"});
    EXPECT_EQ(sway.shownLines(), QStringList{"bindsym Shift+Mod4+d exec vesperon --toggle"})
        << "none for a hotkey not set";
    const KeyCombo ctrlAlt1{18, ModifierMask::control | ModifierMask::alt};
    sway.state().setKeepOnlyHotkey(ctrlAlt1, 2);
    const QString keepOnly = QStringLiteral("bindsym Ctrl+Mod1+1 exec vesperon --keep-only DP-2");
    EXPECT_TRUE(sway.shownLines().contains(keepOnly)) << "follows the setting";
    const DisplayHotkeyRow* row = sway.view->rows().at(1);
    EXPECT_FALSE(row->keepOnlyRecorder()->isTaken(ctrlAlt1)) << "nothing is taken where no program takes keys";
    QMetaObject::invokeMethod(row->findChildren<QWidget*>(QStringLiteral("copy")).back(), "click");
    EXPECT_EQ(QApplication::clipboard()->text(), keepOnly);
    x11.open();
    EXPECT_TRUE(x11.shownLines().isEmpty()) << "where Vesperon takes the keys itself";

    const QString schema = QStringLiteral("org.gnome.settings-daemon.plugins.media-keys");
    const QString path = QStringLiteral("/org/gnome/settings-daemon/plugins/media-keys/custom-keybindings/");
    const auto gsettings = [&](QStringList arguments, const char* entry = nullptr) {
        arguments.insert(1, entry ? schema + ".custom-keybinding:" + path + entry + '/' : schema);
        QProcess process;
        process.start(QStringLiteral("gsettings"), arguments);
        process.waitForFinished();
        return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
    };
    gsettings({"set", "custom-keybindings", "['" + path + "custom0/']"});
    gnome.hotkeys.binds = true; // through XWayland grabs see only X11 windows' keys: bound by the desktop too
    gnome.open({DesktopKeyBinding::Syntax::command, "/opt/my apps/vesperon"});
    EXPECT_TRUE(gnome.text("bindInstructions").startsWith(QStringLiteral("Keys pressed in Wayland windows")));
    EXPECT_EQ(gnome.shownLines(), QStringList{"'/opt/my apps/vesperon' --toggle"});
    gnome.click("addGnomeShortcuts");
    gnome.click("addGnomeShortcuts"); // again: Vesperon's entries are updated, not doubled
    EXPECT_EQ(gsettings({"get", "custom-keybindings"}),
        "['" + path + "custom0/', '" + path + "vesperon-blackout-all/', '" + path + "vesperon-safety-wake/']");
    EXPECT_EQ(gsettings({"get", "binding"}, "vesperon-blackout-all"), "'<Shift><Super>d'");
    EXPECT_EQ(gsettings({"get", "command"}, "vesperon-blackout-all"), "\"'/opt/my apps/vesperon' --toggle\"");
    EXPECT_EQ(gsettings({"get", "binding"}, "vesperon-safety-wake"), "'<Control><Super>Escape'");
    EXPECT_TRUE(gnome.text("gnomeShortcutsSaid").startsWith(QStringLiteral("Added")));
    for (const char* name : {"XDG_CONFIG_HOME", "GSETTINGS_BACKEND", "XDG_CURRENT_DESKTOP"})
        qunsetenv(name);
}

namespace {

void showsWholeWithNames(QLocale::Language language)
{
    Translations translations{QLocale(language)};
    translations.install();
    FakeDesktop desktop(4);
    desktop.hotkeys.grabs = false;
    Vesperon& program = desktop.start();
    SCOPED_TRACE(QLocale::languageToString(language).toStdString());
    for (DisplayId id = 1; id <= 4; ++id)
        program.appState().setToggleHotkey(KeyCombo{18, 0x1900}, id),
            program.appState().setKeepOnlyHotkey(KeyCombo{19, 0x1900}, id);
    const DesktopKeyBinding binding{DesktopKeyBinding::Syntax::sway, "/usr/local/bin/vesperon"};
    PreferencesWindow window({program.appState(), program.permission(), program.launchAtLogin(), desktop.keyboard,
        program.hotkeys(), binding, desktop.windows, program.idleBlackout()});
    window.show();
    EXPECT_EQ(window.windowTitle() == QLatin1String("Vesperon Preferences"), language == QLocale::English);
    window.resize(window.view().wholeSize().grownBy(window.layout()->contentsMargins()).boundedTo({1280, 720 - 80}));
    QTabWidget* pages = window.view().pages();
    for (int page = 0; page < pages->count(); ++page) {
        pages->setCurrentIndex(page);
        QApplication::processEvents();
        const auto* scroll = dynamic_cast<QScrollArea*>(pages->widget(page));
        const QString title = pages->tabText(page);
        EXPECT_FALSE(scroll->verticalScrollBar()->isVisible()) << title.toStdString() << " scrolls";
        for (QWidget* control : scroll->widget()->findChildren<QWidget*>()) {
            const QWidget* parent = control->parentWidget();
            if (!control->isVisible() || !(control->focusPolicy() & Qt::TabFocus)
                || dynamic_cast<const QAbstractSpinBox*>(parent) || dynamic_cast<const QComboBox*>(parent))
                continue; // the parts of a control are the control's
            const std::string what = title.toStdString() + ": " + control->metaObject()->className() + " "
                + control->objectName().toStdString();
            const QRect area(control->mapTo(scroll->viewport(), QPoint()), control->size());
            EXPECT_TRUE(scroll->viewport()->rect().contains(area)) << what << " lies outside its page";
            const QAccessibleInterface* read = QAccessible::queryAccessibleInterface(control);
            EXPECT_FALSE(read->text(QAccessible::Name).isEmpty() || read->text(QAccessible::Description).isEmpty())
                << what << " has no name or no description";
        }
    }
}

} // namespace

// A 2560×1440 laptop panel at 200 % is a 1280×720 screen: with four monitors and the lines of a
// desktop that binds keys itself, every page shows whole there in every language, and every control
// a user can reach with the keyboard has a name and a description that a screen reader says.
TEST(PreferencesWindow, EveryPageFitsA1280By720ScreenWholeInEveryLanguageAndEveryControlHasAName)
{
    for (const QLocale::Language language : {QLocale::English, QLocale::German, QLocale::French})
        showsWholeWithNames(language);
}

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
