#pragma once

#include "preferences/PreferencesView.h"

#include <QCoreApplication>
#include <QWidget>

#include <cstdint>
#include <functional>

namespace vesperon {

class HotkeyManager;

// The "Vesperon Preferences" window: made once, centred the first time, shown again as it was;
// closing it (or Escape) only hides it. While one of its recorders records, Vesperon's own global
// hotkeys are suspended so that the keys being recorded reach the recorder.
class PreferencesWindow : public QWidget {
    // tr() in this class's own context rather than QWidget's: there is no Q_OBJECT here.
    Q_DECLARE_TR_FUNCTIONS(PreferencesWindow)

public:
    using Services = PreferencesView::Services;

    explicit PreferencesWindow(const Services& services);

    // Brings the window to the front with the keyboard focus, sized to show its largest page whole
    // (within the screen) the first time. Hotkeys another program held are tried again. `activate`,
    // if given, asks for the focus in Qt's stead (with a launcher's token), given the native window.
    void showAndActivate(const std::function<void(std::uintptr_t)>& activate = {});

    PreferencesView& view() const { return *view_; }

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    PreferencesView* view_;
    HotkeyManager& hotkeys_;
    bool placed_ = false;
};

} // namespace vesperon
