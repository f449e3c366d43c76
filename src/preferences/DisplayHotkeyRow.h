#pragma once

#include "model/DisplayInfo.h"

#include <QCoreApplication>
#include <QWidget>

namespace vesperon {

class AppState;
struct DesktopKeyBinding;
class KeyboardMap;
class KeyRecorderView;

// One monitor's row in the preferences' table of hotkeys: its name, a recorder for the hotkey that
// toggles it and one for the hotkey that keeps only it lit, in the table's columns. Edits go
// straight to AppState.
class DisplayHotkeyRow : public QWidget {
    // tr() in this class's own context rather than QWidget's: there is no Q_OBJECT here.
    Q_DECLARE_TR_FUNCTIONS(DisplayHotkeyRow)

public:
    // With `binding`, each recorder has the line that binds its hotkey beneath it.
    DisplayHotkeyRow(const DisplayInfo& display, AppState& state, const KeyboardMap& keyboard,
        const DesktopKeyBinding* binding, QWidget* parent = nullptr);

    const DisplayInfo& display() const { return display_; }
    KeyRecorderView* toggleRecorder() const { return toggle_; }
    KeyRecorderView* keepOnlyRecorder() const { return keepOnly_; }

    // Takes the stored hotkeys again and writes each one it finds back, unchanged: each time the
    // preferences come on screen.
    void refresh();

private:
    DisplayInfo display_;
    AppState& state_;
    KeyRecorderView* toggle_;
    KeyRecorderView* keepOnly_;
};

} // namespace vesperon
