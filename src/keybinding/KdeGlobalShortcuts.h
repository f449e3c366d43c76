#pragma once

#include "platform/HotkeyService.h"

#include <QDBusMessage>
#include <QObject>
#include <QStringList>

#include <map>

namespace vesperon {

// Global shortcuts through KDE's shortcut service (kglobalaccel, which KWin runs on Plasma's
// Wayland): each hotkey is an action of Vesperon's component, listed in the desktop's shortcut
// settings under its title. A combination the desktop keeps for itself is refused.
class KdeGlobalShortcuts : public QObject, public HotkeyService {
    Q_OBJECT
public:
    // Whether the service is on the session bus.
    static bool isAvailable();
    KdeGlobalShortcuts();
    ~KdeGlobalShortcuts() override;

    void setHandler(Handler handler) override { handler_ = std::move(handler); }
    void setChangeHandler(ChangeHandler handler) override { changeHandler_ = std::move(handler); }
    std::optional<HotkeyHandle> registerHotkey(
        const KeyCombo& combo, std::uint32_t id, const HotkeyLabel& label) override;
    void unregisterHotkey(HotkeyHandle handle) override;

    // The Qt key code (key and modifiers) KDE knows a combination by; nothing for a key it has no
    // code for.
    static std::optional<int> qtKey(const KeyCombo& combo);
    // The combination of a Qt key code; nothing for a key Vesperon has no name for.
    static std::optional<KeyCombo> fromQtKey(int key);

    // KWin keeps Control+Meta+Escape (Kill Window); with Shift it is free, and Vesperon's input
    // watch takes it for the safety wake too, so the one combination works everywhere.
    std::optional<KeyCombo> safetyWakeHotkey() const override
    {
        return KeyCombo{KeyCombo::safetyWake.keyCode, KeyCombo::safetyWake.modifiers | ModifierMask::shift};
    }

private Q_SLOTS:
    void pressed(const QDBusMessage& message);
    void changed(const QDBusMessage& message);

private:
    struct Registration {
        QStringList action; // component, action name, component title, action title
        std::uint32_t id;
        KeyCombo combo;
    };

    Handler handler_;
    ChangeHandler changeHandler_;
    std::map<HotkeyHandle, Registration> registrations_;
    HotkeyHandle nextHandle_ = 1;
};

} // namespace vesperon
