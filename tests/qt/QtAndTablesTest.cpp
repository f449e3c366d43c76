// The Qt run loop on a real event loop, the tables that need no server, and the preferences where the
// desktop binds keys itself.
#include "app/Vesperon.h"
#include "core/KeyCombo.h"
#include "desktop/KeyCodeTable.h"
#include "desktop/QtRunLoop.h"
#include "desktop/QtScreenSource.h"
#include "display/ScreenIdentity.h"
#include "keybinding/KdeGlobalShortcuts.h"
#include "platform/EdidSource.h"
#include "preferences/BindLineView.h"
#include "preferences/DisplayHotkeyRow.h"
#include "preferences/KeyRecorderView.h"
#include "preferences/PreferencesView.h"
#include "support/FakeDesktop.h"
#include "support/QtSpin.h"
#include "x11/X11InputTap.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>

using namespace vesperon;
using vesperon::testing::spinUntil;
using Clock = std::chrono::steady_clock;

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
    for (double delay : {0.0005, 0.03, 0.12}) {
        const auto start = Clock::now();
        Clock::time_point ranAt{};
        loop.postAfter(delay, [&] { ranAt = Clock::now(); });
        ASSERT_TRUE(spinUntil([&] { return ranAt != Clock::time_point{}; }));
        EXPECT_GE(std::chrono::duration<double>(ranAt - start).count(), delay);
    }

    int ticks = 0, fired = 0;
    std::shared_ptr<Timer> repeating = loop.startTimer(0.01, true, [&] { ++ticks; });
    std::weak_ptr<Timer> once = loop.startTimer(0.01, false, [&] { ++fired; });
    ASSERT_TRUE(spinUntil([&] { return ticks >= 3 && fired == 1; }));
    repeating->stop();
    const int atInvalidate = ticks;
    bool later = false;
    loop.postAfter(0.1, [&] { later = true; }); // ten periods later
    ASSERT_TRUE(spinUntil([&] { return later; }));
    EXPECT_TRUE(ticks == atInvalidate && fired == 1);
    EXPECT_TRUE(once.expired()) << "a fired one-shot timer is released by the run loop";
    for (double absurd : {1e300, -1.0, std::nan("")}) // a wake delay from a hand-edited file
        loop.startTimer(absurd, false, [] {})->stop();
}

TEST(KeyCodeTable, MapsTheKeysOfAKeyboardBothWaysByPosition)
{
    int mapped = 0;
    for (int x = 8; x < 256; ++x) {
        if (const auto code = KeyCodeTable::fromX11(static_cast<std::uint8_t>(x))) {
            ++mapped;
            EXPECT_EQ(KeyCodeTable::toX11(*code), x) << "key code " << *code;
        }
    }
    EXPECT_EQ(mapped, 100);
    // The numbering is stored in the settings: A, Escape, keypad Enter, F1, and 5 and 6 out of order.
    for (const auto& [x11, code] :
        std::vector<std::pair<int, int>>{{38, 0}, {9, 53}, {104, 76}, {67, 122}, {14, 23}, {15, 22}})
        EXPECT_EQ(XkbKeyboardMap().keyCode(static_cast<std::uint32_t>(x11)), code) << x11;
    for (std::uint8_t x : {37, 105, 50, 62, 64, 108, 133, 134, 66, 77}) {
        EXPECT_TRUE(KeyCodeTable::isModifier(x)) << int(x);
        EXPECT_FALSE(XkbKeyboardMap().keyCode(x)) << "modifiers and locks have no code: " << int(x);
    }
    EXPECT_FALSE(KeyCodeTable::isModifier(38));
    EXPECT_FALSE(XkbKeyboardMap().keyCode(256 + 38)) << "no wrap-around past 255";
}

TEST(RawMotion, ScrollAxesAreScrollAndNeverMovement)
{
    const std::set<std::uint16_t> touchpad{2, 3}; // x, y, then horizontal and vertical scrolling
    const auto kind = [&](std::uint32_t mask, const std::set<std::uint16_t>* axes) {
        const auto k = X11InputTap::classifyMotion(&mask, 1, axes);
        return std::pair(k.moved, k.scrolled);
    };
    EXPECT_EQ(kind(0b0011, &touchpad), std::pair(true, false));
    EXPECT_EQ(kind(0b1000, &touchpad), std::pair(false, true));
    EXPECT_EQ(kind(0b1010, &touchpad), std::pair(true, true));
    EXPECT_EQ(kind(0b1000, nullptr), std::pair(true, false)) << "a device without scroll axes only moves";
    const std::uint32_t wide[] = {0, 1u << 1}; // axis 33, on the second mask word
    const std::set<std::uint16_t> far{33};
    const auto k = X11InputTap::classifyMotion(wide, 2, &far);
    EXPECT_TRUE(k.scrolled && !k.moved);
}

TEST(QtScreenSource, WhatTheServerReadsFromAnEdidCompletesTheIdentityQtReports)
{
    struct Edids : EdidSource {
        std::string serial;
        void complete(ScreenIdentity& identity) const override
        {
            if (!serial.empty())
                identity.model = "U2720Q", identity.serialNumber = serial;
        }
    } edids;
    QtScreenSource source;
    const ScreenDescription plain = source.screens().at(0);
    source.completeWith(&edids);
    int changes = 0;
    const Subscription counting = source.changed.connect([&] { ++changes; });
    edids.serial = "7MT0183L1N2S";
    edids.changed.emit();
    EXPECT_TRUE(spinUntil([&] { return changes > 0; })) << "new knowledge is a change of the screens";

    const ScreenDescription completed = source.screens().at(0);
    EXPECT_EQ(completed.name, "U2720Q");
    EXPECT_EQ(completed.connector, plain.connector);
    EXPECT_NE(completed.id, plain.id) << "the serial number is part of the identity";
    edids.serial = "7MT0183L1N2T";
    EXPECT_NE(source.screens().at(0).id, completed.id) << "another monitor of the same model";
}

TEST(KdeGlobalShortcuts, CombinationsAndTheQtKeyCodesKdeKnowsThemBy)
{
    using namespace ModifierMask;
    const std::pair<KeyCombo, std::optional<int>> cases[] = {{{2, shift | super}, Qt::SHIFT | Qt::META | Qt::Key_D},
        {{53, control | super}, Qt::CTRL | Qt::META | Qt::Key_Escape}, {{111, alt}, Qt::ALT | Qt::Key_F12},
        {{43, super}, Qt::META | Qt::Key_Comma}, {{49, 0}, int(Qt::Key_Space)},
        {{18, control | alt}, Qt::CTRL | Qt::ALT | Qt::Key_1}, {{10, control}, std::nullopt}};
    for (const auto& [combo, key] : cases) {
        EXPECT_EQ(KdeGlobalShortcuts::qtKey(combo), key) << combo.displayString();
        if (key) {
            EXPECT_EQ(KdeGlobalShortcuts::fromQtKey(*key), combo) << combo.displayString() << ", back";
        }
    }
    // Back from what the desktop's settings may hold: the keypad's Enter is Enter; keys without a
    // name of Vesperon's, and no key at all, are nothing.
    EXPECT_EQ(KdeGlobalShortcuts::fromQtKey((Qt::KeypadModifier | Qt::Key_Enter).toCombined()), (KeyCombo{76, 0}));
    for (const int unknown :
        {(Qt::KeypadModifier | Qt::Key_1).toCombined(), (Qt::META | Qt::Key_Print).toCombined(), 0})
        EXPECT_EQ(KdeGlobalShortcuts::fromQtKey(unknown), std::nullopt) << unknown;
}

// The preferences over a fake desktop that `setUp` shapes before the program starts.
struct FakePreferences {
    explicit FakePreferences(
        DesktopKeyBinding syntax, const std::function<void(vesperon::testing::FakeDesktop&)>& setUp = {})
        : binding(std::move(syntax))
    {
        if (setUp)
            setUp(desktop);
        Vesperon& app = desktop.start();
        view = std::make_unique<PreferencesView>(PreferencesView::Services{app.appState(), app.permission(),
            app.launchAtLogin(), desktop.keyboard, app.hotkeys(), binding, desktop.windows, app.idleBlackout()});
        view->show();
    }
    AppState& state() { return desktop.state(); }
    // The views have no meta-object of their own: found by name.
    static std::vector<BindLineView*> bindLines(const QWidget& parent)
    {
        std::vector<BindLineView*> found;
        for (QWidget* widget : parent.findChildren<QWidget*>(QStringLiteral("bindLine")))
            found.push_back(dynamic_cast<BindLineView*>(widget));
        return found;
    }
    QStringList shownLines() const
    {
        QStringList shown;
        for (const BindLineView* line : bindLines(*view))
            if (line->isVisible())
                shown << line->line();
        return shown;
    }
    const DesktopKeyBinding binding;
    vesperon::testing::FakeDesktop desktop{2};
    std::unique_ptr<PreferencesView> view;
};

TEST(PreferencesView, WhereTheDesktopBindsKeysEachHotkeyHasItsLineToCopy)
{
    FakePreferences sway(
        {DesktopKeyBinding::Syntax::sway, "vesperon"}, [](auto& desktop) { desktop.hotkeys.grabs = false; });
    EXPECT_EQ(sway.view->findChild<QLabel*>(QStringLiteral("bindInstructions"))->text().toStdString(),
        sway.binding.instructions());
    EXPECT_EQ(sway.shownLines(), QStringList{QStringLiteral("bindsym Shift+Mod4+d exec vesperon --toggle")})
        << "no line for a hotkey not set";

    const KeyCombo ctrlAlt1{18, ModifierMask::control | ModifierMask::alt};
    sway.state().setKeepOnlyHotkey(ctrlAlt1, 2);
    const QString keepOnly = QStringLiteral("bindsym Ctrl+Mod1+1 exec vesperon --keep-only DP-2");
    EXPECT_TRUE(sway.shownLines().contains(keepOnly)) << "follows the setting";
    const DisplayHotkeyRow* row = sway.view->rows().at(1);
    EXPECT_FALSE(row->keepOnlyRecorder()->isTaken(ctrlAlt1)) << "nothing is taken where no program takes keys";
    FakePreferences::bindLines(*row).back()->findChild<QPushButton*>(QStringLiteral("copy"))->click();
    EXPECT_EQ(QApplication::clipboard()->text(), keepOnly);

    // Through XWayland grabs see only X11 windows' keys: bound by the desktop too.
    FakePreferences gnome(
        {DesktopKeyBinding::Syntax::command, "vesperon"}, [](auto& desktop) { desktop.hotkeys.binds = true; });
    EXPECT_TRUE(gnome.view->findChild<QLabel*>(QStringLiteral("bindInstructions"))
                    ->text()
                    .startsWith(QStringLiteral("Keys pressed in Wayland windows")));
    ASSERT_EQ(FakePreferences::bindLines(*gnome.view).size(), 5u);
    EXPECT_EQ(FakePreferences::bindLines(*gnome.view).front()->line(), QStringLiteral("vesperon --toggle"));

    FakePreferences x11({DesktopKeyBinding::Syntax::sway, "vesperon"});
    EXPECT_TRUE(FakePreferences::bindLines(*x11.view).empty()) << "where Vesperon takes the keys itself";
}

TEST(PreferencesView, OnGnomeThroughXWaylandTheHotkeysGoIntoGnomesCustomShortcutsBesideTheUsersOwn)
{
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    qputenv("GSETTINGS_BACKEND", "keyfile"); // GNOME's settings in a file of the test's own
    qputenv("XDG_CURRENT_DESKTOP", "ubuntu:GNOME");
    const auto gsettings = [](const QStringList& arguments) {
        QProcess process;
        process.start(QStringLiteral("gsettings"), arguments);
        process.waitForFinished();
        return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
    };
    const QString schema = QStringLiteral("org.gnome.settings-daemon.plugins.media-keys");
    const QString path = QStringLiteral("/org/gnome/settings-daemon/plugins/media-keys/custom-keybindings/");
    gsettings({QStringLiteral("set"), schema, QStringLiteral("custom-keybindings"),
        QStringLiteral("['") + path + QStringLiteral("custom0/']")});

    FakePreferences gnome({DesktopKeyBinding::Syntax::command, "/opt/my apps/vesperon"},
        [](auto& desktop) { desktop.hotkeys.binds = true; });
    auto* add = gnome.view->findChild<QPushButton*>(QStringLiteral("addGnomeShortcuts"));
    ASSERT_TRUE(add);
    add->click();
    add->click(); // again: Vesperon's entries are updated, not doubled
    EXPECT_EQ(gsettings({QStringLiteral("get"), schema, QStringLiteral("custom-keybindings")}),
        QStringLiteral("['") + path + QStringLiteral("custom0/', '") + path
            + QStringLiteral("vesperon-blackout-all/', '") + path + QStringLiteral("vesperon-safety-wake/']"));
    const auto entry = [&](const char* name, const char* key) {
        return gsettings({QStringLiteral("get"),
            schema + QStringLiteral(".custom-keybinding:") + path + QLatin1String(name) + QLatin1Char('/'),
            QLatin1String(key)});
    };
    EXPECT_EQ(entry("vesperon-blackout-all", "binding"), QStringLiteral("'<Shift><Super>d'"));
    EXPECT_EQ(entry("vesperon-blackout-all", "command"), QStringLiteral("\"'/opt/my apps/vesperon' --toggle\""));
    EXPECT_EQ(entry("vesperon-safety-wake", "binding"), QStringLiteral("'<Control><Super>Escape'"));
    EXPECT_TRUE(gnome.view->findChild<QLabel*>(QStringLiteral("gnomeShortcutsSaid"))
                    ->text()
                    .startsWith(QStringLiteral("Added")));
    for (const char* name : {"XDG_CONFIG_HOME", "GSETTINGS_BACKEND", "XDG_CURRENT_DESKTOP"})
        qunsetenv(name);
}

TEST(PreferencesView, TheDimLevelWritesTheSettingAndWaitsWhereNothingComposites)
{
    FakePreferences preferences({});
    auto* slider = preferences.view->findChild<QSlider*>(QStringLiteral("dimLevel"));
    const auto* text = preferences.view->findChild<QLabel*>(QStringLiteral("dimLevelText"));
    EXPECT_TRUE(slider->isEnabled());
    EXPECT_EQ(text->text(), QStringLiteral("100%"));
    slider->setValue(15);
    EXPECT_EQ(preferences.state().blackoutOpacity.get(), 0.75);
    EXPECT_EQ(preferences.desktop.windows.opacity, 0.75);
    EXPECT_EQ(text->text(), QStringLiteral("75%"));
    preferences.state().blackoutOpacity.set(0.1); // a hand-edited file: shown as what is used
    EXPECT_EQ(slider->value(), 10);

    preferences.desktop.windows.whyNot = "Needs a compositing manager";
    preferences.view->hide(), preferences.view->show();
    EXPECT_FALSE(slider->isEnabled());
    EXPECT_EQ(preferences.view->findChild<QLabel*>(QStringLiteral("cannotDim"))->text(),
        QStringLiteral("Needs a compositing manager"));
}

TEST(PreferencesView, TheIdleBlackoutWritesItsSettingsAndSaysWhatHoldsItBack)
{
    FakePreferences preferences({}, [](vesperon::testing::FakeDesktop& desktop) {
        desktop.idle.pointer = Point{10, 10};
    });
    auto* minutes = preferences.view->findChild<QSpinBox*>(QStringLiteral("idleMinutes"));
    auto* scope = preferences.view->findChild<QComboBox*>(QStringLiteral("idleScope"));
    const auto* note = preferences.view->findChild<QLabel*>(QStringLiteral("idleNote"));
    EXPECT_EQ(minutes->text(), QStringLiteral("Never"));
    EXPECT_FALSE(scope->isEnabled());
    minutes->setValue(15);
    EXPECT_EQ(preferences.state().idleBlackoutMinutes.get(), 15);
    EXPECT_TRUE(scope->isEnabled());
    scope->setCurrentIndex(1);
    EXPECT_EQ(preferences.desktop.store.values.at("idleBlackoutScope"), "allButPointer");
    preferences.state().idleBlackoutMinutes.set(400); // a hand-edited file: shown as what is used
    EXPECT_EQ(minutes->value(), 120);
    EXPECT_TRUE(note->isHidden());

    preferences.desktop.inhibition.holder = "Firefox";
    preferences.desktop.loop.advance(7200);
    EXPECT_EQ(note->text(), QStringLiteral("Held back: Firefox keeps the screen awake"));
    EXPECT_FALSE(note->isHidden());

    FakePreferences blind({}, [](vesperon::testing::FakeDesktop& desktop) { desktop.idle.available = false; });
    EXPECT_EQ(blind.view->findChild<QLabel*>(QStringLiteral("idleNote"))->text(),
        QStringLiteral("This desktop does not tell Vesperon how long input has been left alone"));

    FakePreferences wayland({}); // no pointer position
    EXPECT_TRUE(wayland.view->findChild<QLabel*>(QStringLiteral("idleNote"))->isHidden());
    wayland.view->findChild<QComboBox*>(QStringLiteral("idleScope"))->setCurrentIndex(1);
    EXPECT_EQ(wayland.view->findChild<QLabel*>(QStringLiteral("idleNote"))->text(),
        QStringLiteral("This desktop does not tell where the pointer is: every display goes dark"));
}

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
