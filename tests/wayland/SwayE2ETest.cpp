// What only sway shows: its bindings running the control command, its way to add an output, its
// panel's menu, and a backend that cannot run.
#include "conformance/Conformance.h"
#include "keybinding/DesktopKeyBinding.h"
#include "support/SwayServer.h"

using namespace vesperon;
using namespace vesperon::testing;

namespace {

using SwayE2E = Conformance;

SwayServer& sway() { return static_cast<SwayServer&>(testServer()); }

TEST_F(SwayE2E, TheLineThePreferencesGiveMakesSwaysBindingRunTheControlCommand)
{
    // As on a real desktop, sway, the bus and Vesperon are one user's.
    const std::string program = sway().userSession(VESPERON_EXECUTABLE);
    const auto asUser = [&](const std::vector<std::string>& arguments) {
        QStringList words;
        for (const std::string& word : sway().asUser(arguments))
            words << QString::fromStdString(word);
        auto process = std::make_unique<QProcess>();
        process->start(words.takeFirst(), words);
        return process;
    };
    const auto window = openWindow(0, white);
    const auto user = asUser({program});
    ASSERT_TRUE(spinUntil([&] {
        const auto status = asUser({program, "--status"});
        return spinUntil([&] { return status->state() == QProcess::NotRunning; }) && status->exitCode() == 0;
    })) << user->readAll().toStdString();

    const DesktopKeyBinding binding{DesktopKeyBinding::Syntax::sway, program};
    ASSERT_TRUE(sway().command(binding.line(KeyCombo::defaultBlackoutAll, HotkeyAction::blackoutAll(), {})));
    server.typeKey(EvdevKey::d, {EvdevKey::leftShift, EvdevKey::leftSuper});
    EXPECT_TRUE(dark(left) && dark(right));
    server.typeKey(EvdevKey::d, {EvdevKey::leftShift, EvdevKey::leftSuper});
    EXPECT_TRUE(shows(body(left), white)) << "bound while the overlays hold the keyboard too";
    user->kill(), user->waitForFinished(5000);
}

TEST_F(SwayE2E, AnOutputAddedDuringABlackoutStaysLitAndTheOthersDark)
{
    launch();
    ASSERT_EQ(run({QStringLiteral("--blackout-all")}), 0);
    ASSERT_TRUE(dark(left) && dark(right));
    ASSERT_TRUE(sway().command("create_output"));
    EXPECT_TRUE(shows(body(TestServer::output(2)), SwayServer::outputColours[2]));
    EXPECT_TRUE(spinUntil([&] { return statusStartsWith("Blackout active: 2 of 3"); }));
    EXPECT_TRUE(dark(left) && dark(right));

    ASSERT_EQ(run({QStringLiteral("--blackout-all")}), 0); // a blackout during one: wakes all
    ASSERT_EQ(run({QStringLiteral("--blackout-all")}), 0);
    ASSERT_TRUE(dark(TestServer::output(2)));
    // The compositor closes the black surface of an output it takes away; it covers the output again on its return.
    ASSERT_TRUE(sway().command("output HEADLESS-3 disable"));
    ASSERT_TRUE(sway().command("output HEADLESS-3 enable"));
    EXPECT_TRUE(dark(TestServer::output(2)));
    EXPECT_TRUE(dark(left) && dark(right));
    EXPECT_TRUE(statusStartsWith("Blackout active: 3 of 3"));
}

TEST_F(SwayE2E, ThePanelShowsTheExportedTrayMenuAndItsEntriesWork)
{
    launch();
    ASSERT_TRUE(tray.choose(tray.items().at(0), QStringLiteral("Blackout All")));
    EXPECT_TRUE(dark(left) && dark(right));
    ASSERT_TRUE(tray.choose(tray.items().at(0), QStringLiteral("Wake All Displays")));
    EXPECT_TRUE(shows(body(left), SwayServer::outputColours[0]));
}

TEST_F(SwayE2E, ABackendThatCannotRunSaysWhyInOneLine)
{
    // What it printed, without DISPLAY and with WAYLAND_DISPLAY `wayland` (or as it is).
    const auto said = [&](const QStringList& arguments, const char* wayland = nullptr) {
        VesperonProcess attempt(
            home,
            [&](QProcessEnvironment& environment) {
                environment.remove(QStringLiteral("DISPLAY"));
                if (wayland)
                    environment.insert(QStringLiteral("WAYLAND_DISPLAY"), QLatin1String(wayland));
            },
            arguments);
        EXPECT_TRUE(attempt.waitForExit());
        EXPECT_EQ(attempt.process.exitCode(), 1);
        return attempt.output();
    };
    EXPECT_EQ(said({QStringLiteral("--backend"), QStringLiteral("x11")}),
        QStringLiteral("Vesperon needs an X11 display: DISPLAY is not set.\n"));
    EXPECT_EQ(said({QStringLiteral("--backend=wayland")}, "/nonexistent/wayland-9"),
        QStringLiteral("Vesperon cannot run on Wayland here: the compositor at \"/nonexistent/wayland-9\" cannot be "
                       "reached or offers no layer-shell.\n"));
    // Left to choose, it falls back to X11, which is not there either.
    EXPECT_EQ(
        said({}, "/nonexistent/wayland-9"), QStringLiteral("Vesperon needs an X11 display: DISPLAY is not set.\n"));
}

} // namespace
