#pragma once

#include "control/CommandLine.h"
#include "control/DisplayReport.h"

#include <QString>
#include <QVariantMap>

#include <optional>

namespace vesperon::ControlBus {

// The names both ends of the control interface agree on.
QString service();
QString path();
QString interface();
QString unknownDisplayError();
inline constexpr int callTimeoutMilliseconds = 3000;
// The running program's one connection to the session bus.
inline QString connectionName() { return QStringLiteral("vesperon"); }

// The user's session bus: $DBUS_SESSION_BUS_ADDRESS, else the socket at $XDG_RUNTIME_DIR/bus.
// Never an autolaunch, which would start a bus or touch the X server.
std::optional<QString> address();

// The method behind a command, and back; status and the display list have none of their own.
QString method(ControlCommand::Action action);
std::optional<ControlCommand::Action> action(const QString& method);

// A monitor on the wire: a{sv} with id, connector, name, x, y, width, height, primary, dark.
QVariantMap toMap(const DisplayReport& display);
DisplayReport fromMap(const QVariantMap& map);
// The introspection data of a D-Bus interface the program serves, from its definition in
// data/dbus/ (built in): the <interface> element, to go inside the object's <node>.
QString introspection(const QString& interfaceName);

// Makes aa{sv} and au known to Qt's D-Bus marshalling. Called before the first connection, it also
// makes Qt's type registry outlive Qt's D-Bus thread at exit, which may still be reading then.
void registerTypes();

} // namespace vesperon::ControlBus
