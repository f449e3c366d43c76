#include "x11/X11ServerLoss.h"

#include "core/Translation.h"
#include <QString>
#include <QtGlobal>

#include <iostream>

namespace vesperon {

namespace {

QtMessageHandler qtHandler = nullptr;

void handle(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message.startsWith(QLatin1String("The X11 connection broke"))) {
        std::cout << translated("X11", "Vesperon: lost the connection to the X server; quitting") << std::endl;
        return;
    }
    qtHandler(type, context, message);
}

} // namespace

void sayOnceWhenTheXServerIsLost() { qtHandler = qInstallMessageHandler(handle); }

} // namespace vesperon
