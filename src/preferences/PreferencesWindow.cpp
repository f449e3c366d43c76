#include "preferences/PreferencesWindow.h"

#include "core/ApplicationId.h"
#include "input/HotkeyManager.h"

#include <QIcon>

#include <QGuiApplication>
#include <QScreen>
#include <QScrollArea>
#include <QVBoxLayout>

namespace vesperon {

PreferencesWindow::PreferencesWindow(const Services& services)
    : QWidget(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , view_(new PreferencesView(services))
    , hotkeys_(services.hotkeys)
{
    setWindowTitle(QStringLiteral("Vesperon Preferences"));
    setWindowIcon(QIcon::fromTheme(QString::fromLatin1(applicationId), QIcon(QStringLiteral(":/icons/vesperon.svg"))));
    setAttribute(Qt::WA_QuitOnClose, false);
    auto* scroll = new QScrollArea(this);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setFocusPolicy(Qt::NoFocus);
    scroll->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    scroll->setWidget(view_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scroll);
    view_->onRecordingChanged = [this](bool recording) { hotkeys_.setSuspended(recording); };
}

void PreferencesWindow::showAndActivate()
{
    hotkeys_.retryRefused();
    show();
    raise();
    activateWindow();
}

// Placed here, after the view has shown what it shows only when on screen and before the window
// is mapped, so that it opens at its final size.
void PreferencesWindow::showEvent(QShowEvent* event)
{
    if (!placed_) {
        placed_ = true;
        const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
        const int width = std::max(460, view_->sizeHint().width());
        const int height = view_->hasHeightForWidth() ? view_->heightForWidth(width) : view_->sizeHint().height();
        resize(width, std::min(height, available.height() - 80));
        move(available.center() - rect().center());
    }
    QWidget::showEvent(event);
}

void PreferencesWindow::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    // A recording does not outlive the window: the hotkeys come back.
    view_->stopRecording();
}

} // namespace vesperon
