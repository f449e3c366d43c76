#pragma once

#include "core/Subscription.h"
#include "keybinding/GnomeCustomShortcuts.h"
#include "model/DisplayInfo.h"
#include "model/WakeKey.h"

#include <QCoreApplication>
#include <QWidget>

#include <functional>
#include <map>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QSlider;
class QSpinBox;
class QTabWidget;
class QVBoxLayout;

namespace vesperon {

class AppState;
class BlackWindowFactory;
class DisplayHotkeyRow;
struct DesktopKeyBinding;
class HotkeyManager;
class IdleBlackout;
class KeyboardMap;
class KeyRecorderView;
class LaunchAtLogin;
class PermissionManager;

// Everything a user can set, on four pages: General (the permission, launch at login, the safety
// wake), Hotkeys (all monitors, then a table of each monitor's own), Waking, and Idle and Dimming.
// Every control reads and writes the shared services directly; the view keeps nearly nothing of
// its own.
class PreferencesView : public QWidget {
    // tr() in this class's own context rather than QWidget's: there is no Q_OBJECT here.
    Q_DECLARE_TR_FUNCTIONS(PreferencesView)

public:
    struct Services {
        AppState& appState;
        PermissionManager& permission;
        LaunchAtLogin& launchAtLogin;
        const KeyboardMap& keyboard;
        HotkeyManager& hotkeys;
        // What to tell a desktop that binds keys itself.
        const DesktopKeyBinding& binding;
        // Whether a blackout can dim here.
        const BlackWindowFactory& windows;
        // Whether idle time can be told here.
        const IdleBlackout& idle;
    };

    explicit PreferencesView(const Services& services, QWidget* parent = nullptr);
    ~PreferencesView() override;

    // Whether any recorder records; called when that changes.
    std::function<void(bool anyRecording)> onRecordingChanged;
    bool isAnyRecording() const;
    void stopRecording();

    // The monitors' rows, top to bottom.
    std::vector<DisplayHotkeyRow*> rows() const;
    // The pages, which the user turns with the tabs.
    QTabWidget* pages() const { return pages_; }
    // The size that shows the largest page whole.
    QSize wholeSize() const;

protected:
    // Each time the window comes on screen the blackout-all recorder shows the hotkey in force
    // (Shift+Super+D when none is set) and that combination is stored.
    void showEvent(QShowEvent* event) override;

private:
    // `name`: the page's object name, the same in every language.
    void addPage(const QString& name, const QString& title, std::initializer_list<QWidget*> sections);
    QWidget* buildPermissions();
    QWidget* buildHotkeys();
    QWidget* buildTableHeader();
    QWidget* buildGnomeShortcuts();
    std::vector<GnomeCustomShortcuts::Shortcut> gnomeShortcuts() const;
    QWidget* buildWakeSettings();
    QWidget* buildGeneral();
    QWidget* buildDimming();
    void watch(KeyRecorderView* recorder);
    std::vector<KeyRecorderView*> recorders() const;
    void recordingMayHaveChanged();
    void showPermission(bool granted);
    void showDisplays(const std::vector<DisplayInfo>& displays);
    void updateTabOrder();
    void showWakeDelay(double seconds);
    void showWakeKeys(const WakeKeySet& keys);
    void showDimLevel(double opacity);
    void showWhetherDimmingWorks();
    QWidget* buildIdleBlackout();
    void showIdleNote();

    Services services_;
    QTabWidget* pages_ = nullptr;
    std::vector<QWidget*> pageContents_;
    KeyRecorderView* blackoutAll_ = nullptr;
    QVBoxLayout* rowsLayout_ = nullptr;
    std::map<DisplayId, DisplayHotkeyRow*> rows_;
    QLabel* noDisplays_ = nullptr;
    QCheckBox* ignoreMouse_ = nullptr;
    QCheckBox* wakeOnLit_ = nullptr;
    QSlider* wakeDelay_ = nullptr;
    QLabel* wakeDelayText_ = nullptr;
    std::map<WakeKey, QCheckBox*> wakeKeys_;
    QCheckBox* launchAtLogin_ = nullptr;
    QSlider* dimLevel_ = nullptr;
    QLabel* dimLevelText_ = nullptr;
    QLabel* cannotDim_ = nullptr;
    QSpinBox* idleMinutes_ = nullptr;
    QComboBox* idleScope_ = nullptr;
    QLabel* idleNote_ = nullptr;
    QLabel* permissionIcon_ = nullptr;
    QLabel* granted_ = nullptr;
    QPushButton* grantAccess_ = nullptr;
    bool anyRecording_ = false;
    Subscriptions subscriptions_;
};

} // namespace vesperon
