#pragma once

#include "preferences/PreferencesView.h"

#include <QWidget>

namespace vesperon {

class HotkeyManager;

// The "Vesperon Preferences" window: made once, centred the first time, shown again as it was;
// closing it only hides it. While one of its recorders records, Vesperon's own global hotkeys are
// suspended so that the keys being recorded reach the recorder.
class PreferencesWindow : public QWidget {
public:
    using Services = PreferencesView::Services;

    explicit PreferencesWindow(const Services& services);

    // Brings the window to the front with the keyboard focus, sized to its content (up to the
    // screen's height) the first time. Hotkeys another program held are tried again.
    void showAndActivate();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    PreferencesView* view_;
    HotkeyManager& hotkeys_;
    bool placed_ = false;
};

} // namespace vesperon
