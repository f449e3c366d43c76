#pragma once

#include <memory>

class QWidget;

namespace vesperon {

// The preferences window, created on first request and reused; closing it only hides it.
class PreferencesWindow {
public:
    PreferencesWindow();
    ~PreferencesWindow();

    void show();
    QWidget* window() const { return window_.get(); }

private:
    std::unique_ptr<QWidget> window_;
};

} // namespace vesperon
