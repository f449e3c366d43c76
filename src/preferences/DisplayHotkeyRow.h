#pragma once

#include "model/DisplayInfo.h"

#include <QWidget>

namespace vesperon {

class AppState;
struct DesktopKeyBinding;
class KeyboardMap;
class KeyRecorderView;

// One monitor's block in the preferences: its name, a recorder for the hotkey that toggles it and
// one for the hotkey that keeps only it lit. Edits go straight to AppState.
class DisplayHotkeyRow : public QWidget {
public:
    // With `binding`, each recorder has the line that binds its hotkey beneath it.
    DisplayHotkeyRow(const DisplayInfo& display, AppState& state, const KeyboardMap& keyboard,
        const DesktopKeyBinding* binding, QWidget* parent = nullptr);

    const DisplayInfo& display() const { return display_; }
    KeyRecorderView* toggleRecorder() const { return toggle_; }
    KeyRecorderView* keepOnlyRecorder() const { return keepOnly_; }

protected:
    // Each time it comes on screen the row takes the stored hotkeys again and writes each one it
    // finds back, unchanged.
    void showEvent(QShowEvent* event) override;

private:
    DisplayInfo display_;
    AppState& state_;
    KeyRecorderView* toggle_;
    KeyRecorderView* keepOnly_;
};

} // namespace vesperon
