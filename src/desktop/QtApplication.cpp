#include "desktop/QtApplication.h"

#include <QCoreApplication>

namespace vesperon {

void QtApplication::quit() { QCoreApplication::exit(0); }

} // namespace vesperon
