#include "preferences/PreferencesWindow.h"

#include "core/ApplicationId.h"
#include "input/HotkeyManager.h"

#include <QGuiApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QScreen>
#include <QVBoxLayout>

namespace vesperon {

PreferencesWindow::PreferencesWindow(const Services& services)
    : QWidget(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , view_(new PreferencesView(services))
    , hotkeys_(services.hotkeys)
{
    //: Title of the preferences window
    setWindowTitle(tr("Vesperon Preferences"));
    setWindowIcon(QIcon::fromTheme(QString::fromLatin1(applicationId), QIcon(QStringLiteral(":/icons/vesperon.svg"))));
    setAttribute(Qt::WA_QuitOnClose, false);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(view_);
    view_->onRecordingChanged = [this](bool recording) { hotkeys_.setSuspended(recording); };
}

void PreferencesWindow::showAndActivate(const std::function<void(std::uintptr_t)>& activate)
{
    hotkeys_.retryRefused();
    show();
    raise();
    if (activate)
        activate(winId());
    else
        activateWindow();
}

// Placed here, after the view has shown what it shows only when on screen and before the window
// is mapped, so that it opens at its final size.
void PreferencesWindow::showEvent(QShowEvent* event)
{
    if (!placed_) {
        placed_ = true;
        const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
        const QMargins margins = layout()->contentsMargins();
        const QSize whole = view_->wholeSize().grownBy(margins);
        resize(std::min(std::max(460, whole.width()), available.width()),
            std::min(whole.height(), available.height() - 80));
        move(available.center() - rect().center());
    }
    QWidget::showEvent(event);
}

void PreferencesWindow::keyPressEvent(QKeyEvent* event)
{
    // A recorder takes every key while it records: an Escape here is the window's.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier)
        close();
    else
        QWidget::keyPressEvent(event);
}

void PreferencesWindow::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    // A recording does not outlive the window: the hotkeys come back.
    view_->stopRecording();
}

} // namespace vesperon
