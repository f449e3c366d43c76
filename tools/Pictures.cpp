// The pictures of what a user first sees of Vesperon, from the current build: the tray menu and each
// page of the preferences, in a light and a dark palette, as FOLDER/<screen>-<palette>-<what>.png.
// Run on a private X server with two monitors (scripts/screenshots.sh); its settings are its own.
#include "app/Vesperon.h"
#include "core/KeyCombo.h"
#include "desktop/LinuxDesktop.h"
#include "desktop/Translations.h"
#include "keybinding/DesktopKeyBinding.h"
#include "model/AppState.h"
#include "preferences/PreferencesWindow.h"
#include "x11/X11DisplayServer.h"

#include <QApplication>
#include <QMenu>
#include <QScreen>
#include <QStyle>
#include <QStyleFactory>
#include <QTabWidget>
#include <QTemporaryDir>

#include <iostream>
#include <sstream>

using namespace vesperon;

namespace {

// Breeze's dark colours, close to what KDE and GNOME users with a dark theme see.
QPalette darkPalette()
{
    const QColor window(0x2a, 0x2e, 0x32), base(0x1b, 0x1e, 0x20), text(0xfc, 0xfc, 0xfc), dim(0x8a, 0x8f, 0x94);
    QPalette palette(window);
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::BrightText})
        palette.setColor(role, text);
    palette.setColor(QPalette::Base, base);
    palette.setColor(QPalette::AlternateBase, window);
    palette.setColor(QPalette::Button, QColor(0x31, 0x36, 0x3b));
    palette.setColor(QPalette::Highlight, QColor(0x3d, 0xae, 0xe9));
    palette.setColor(QPalette::HighlightedText, text);
    palette.setColor(QPalette::PlaceholderText, dim);
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, dim);
    return palette;
}

bool save(const QPixmap& picture, const QString& file)
{
    if (picture.save(file))
        return true;
    std::cerr << "vesperon_pictures: could not write " << file.toStdString() << "\n";
    return false;
}

} // namespace

int main(int argc, char** argv)
{
    Translations translations; // in the session's language: LANG=de_DE.UTF-8 make screenshots
    QApplication application(argc, argv);
    translations.install();
    if (argc != 2) {
        std::cerr << "usage: vesperon_pictures FOLDER\n";
        return 2;
    }
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QTemporaryDir home;
    const std::filesystem::path folder = home.path().toStdString();
    LinuxDesktop desktop(folder / "settings.json", folder / "autostart" / "vesperon.desktop");
    X11DisplayServer x11;
    std::ostringstream messages;
    Vesperon vesperon(desktop.backend(x11), messages, {});
    vesperon.launch();
    AppState& state = vesperon.appState();
    const auto displays = state.availableDisplays.get();
    for (std::size_t i = 0; i < displays.size(); ++i) { // Ctrl+Alt+1, 2 … and Ctrl+Alt+Shift+1, 2 …
        const auto key = static_cast<std::uint16_t>(18 + i);
        state.setToggleHotkey(KeyCombo{key, ModifierMask::control | ModifierMask::alt}, displays[i].id);
        state.setKeepOnlyHotkey(
            KeyCombo{key, ModifierMask::control | ModifierMask::alt | ModifierMask::shift}, displays[i].id);
    }
    const QSize screen = QGuiApplication::primaryScreen()->size();
    // English pictures keep their names; another language's name it: 1280x720-de-light-general.png.
    const QString language = translations.language().isEmpty() ? QString() : translations.language() + QLatin1Char('-');
    const QString prefix = QString::fromLocal8Bit(argv[1])
        + QStringLiteral("/%1x%2-").arg(screen.width()).arg(screen.height()) + language;
    const DesktopKeyBinding binding;
    bool saved = true;
    for (const bool dark : {false, true}) {
        QApplication::setPalette(dark ? darkPalette() : QApplication::style()->standardPalette());
        const QString name = prefix + (dark ? QStringLiteral("dark-") : QStringLiteral("light-"));
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (auto* menu = qobject_cast<QMenu*>(widget); menu && !menu->parent()) {
                menu->adjustSize();
                saved = save(menu->grab(), name + QStringLiteral("tray-menu.png")) && saved;
            }
        }
        // Made anew in each palette: some colours are taken when a control is made.
        PreferencesWindow window({state, vesperon.permission(), vesperon.launchAtLogin(), x11.keyboard(),
            vesperon.hotkeys(), binding, x11.windows(), vesperon.idleBlackout()});
        window.show();
        QTabWidget* pages = window.view().pages();
        for (int page = 0; page < pages->count(); ++page) {
            pages->setCurrentIndex(page);
            QApplication::processEvents();
            saved = save(window.grab(), name + pages->widget(page)->objectName() + QStringLiteral(".png")) && saved;
        }
    }
    return saved ? 0 : 1;
}
