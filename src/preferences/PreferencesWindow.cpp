#include "preferences/PreferencesWindow.h"

#include "app/ApplicationId.h"
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
    if (!placed_) {
        placed_ = true;
        const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
        const QSize content = view_->sizeHint();
        resize(std::max(460, content.width()), std::min(content.height(), available.height() - 80));
        move(available.center() - rect().center());
    }
    hotkeys_.retryRefused();
    show();
    raise();
    activateWindow();
}

void PreferencesWindow::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    // A recording does not outlive the window: the hotkeys come back.
    view_->stopRecording();
}

} // namespace vesperon
