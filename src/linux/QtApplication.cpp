#include "linux/QtApplication.h"

#include <QCoreApplication>
#include <QGuiApplication>

namespace vesperon {

QtApplication::QtApplication()
{
    QObject::connect(qApp, &QGuiApplication::applicationStateChanged, &context_, [this](Qt::ApplicationState state) {
        if (state == Qt::ApplicationActive)
            activated.emit();
    });
}

void QtApplication::quit()
{
    QCoreApplication::exit(0);
}

} // namespace vesperon
