#pragma once

#include "core/Geometry.h"
#include "core/Signal.h"

#include <QDBusServiceWatcher>
#include <QList>
#include <QObject>
#include <QVariantMap>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vesperon {

// One item of a menu the extension draws: its id, its parent's (0 at the top), its properties.
struct PanelMenuEntry {
    int id = 0;
    int parent = 0;
    QVariantMap properties;
    bool operator==(const PanelMenuEntry&) const = default;
};

// Vesperon's extension inside GNOME Shell, reached over the session bus: the one place that knows
// its names. The shell does what it is told; every decision stays in Vesperon.
class GnomeShellExtension : public QObject {
    Q_OBJECT
public:
    static constexpr char uuid[] = "vesperon@vesperon.github.io";

    enum class State {
        noShell, // not a GNOME Shell session
        loaded, // running in the shell now
        installedNotLoaded, // on disk, but the shell scans for extensions only at log-in
        absent,
    };
    // Asks the shell, before or after the application object exists; enables the extension when
    // the shell knows it but has it switched off.
    static State probe();

    GnomeShellExtension();

    // Black actors exactly over `frames`, letting `opacity` of black over what lies beneath; none
    // for an empty list.
    void setOverlays(const std::vector<Rect>& frames, double opacity);
    // The shell's action number for a combination in GNOME's accelerator syntax; nothing when the
    // shell or another program has it.
    std::optional<std::uint32_t> grabKey(const std::string& accelerator);
    void ungrabKey(std::uint32_t action);
    // While wanted, `key` and `pointer` tell of every input, anywhere.
    void watchActivity(bool wanted);

    // Where the pointer is, asked of the shell (a round trip); nothing when it does not answer.
    std::optional<Point> pointerPosition() const;
    // `idle` fires once when no input came for `ms` from now; 0 stops watching.
    void watchIdle(std::uint32_t ms);
    // A menu in the top bar and Quick Settings with `icon` ("display", "display-dark"); none for no
    // entries. A choice in it comes back as `menuActivated` with this revision.
    void setMenu(std::uint32_t revision, const QString& icon, const QList<PanelMenuEntry>& entries);

    // The shell switched the extension off and on again, as it does around the lock screen, and
    // forgot all it had been told: whoever told it something tells it again.
    Signal<> returned;
    Signal<std::string, Point> pointer; // "left", "right", "scroll" or "motion", and where
    Signal<std::uint32_t> hotkey;
    Signal<std::uint32_t, std::uint32_t> key; // X keycode, X11 modifier state
    Signal<> idle;
    Signal<std::uint32_t, std::int32_t> menuActivated; // revision, id
    Signal<> menuOpening;

private Q_SLOTS:
    void pointerSignal(const QString& kind, int x, int y);
    void hotkeySignal(uint action);
    void keySignal(uint code, uint modifiers);
    void idleSignal() { idle.emit(); }
    void menuActivatedSignal(uint revision, int id) { menuActivated.emit(revision, id); }
    void menuOpeningSignal() { menuOpening.emit(); }

private:
    QDBusServiceWatcher* watcher_;
};

} // namespace vesperon

Q_DECLARE_METATYPE(vesperon::PanelMenuEntry)
