#include "preferences/PreferencesWindow.h"

#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>

namespace vesperon {

PreferencesWindow::PreferencesWindow() = default;
PreferencesWindow::~PreferencesWindow() = default;

void PreferencesWindow::show()
{
    if (!window_) {
        // Placeholder until the settings controls land.
        window_ = std::make_unique<QWidget>();
        window_->setWindowTitle(QStringLiteral("Vesperon Preferences"));
        auto* layout = new QVBoxLayout(window_.get());
        layout->addWidget(new QLabel(QStringLiteral("The settings controls are not built yet.")));
        window_->resize(400, 300);
    }
    window_->show();
    window_->raise();
    window_->activateWindow();
}

} // namespace vesperon
