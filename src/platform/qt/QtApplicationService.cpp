#include "platform/qt/QtApplicationService.h"

#include "platform/AccessibilityTrust.h"
#include "platform/NotificationCenter.h"

#include <QCoreApplication>
#include <QGuiApplication>

namespace vesperon {

QtApplicationService::QtApplicationService(NotificationCenter& notifications) : notifications_(notifications)
{
    connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
        if (state == Qt::ApplicationActive)
            notifications_.post(applicationDidBecomeActive);
    });
}

void QtApplicationService::terminate()
{
    if (terminating_)
        return; // a signal during the menu's quit, say
    terminating_ = true;
    if (willTerminate_)
        willTerminate_();
    QCoreApplication::exit(0);
}

} // namespace vesperon
