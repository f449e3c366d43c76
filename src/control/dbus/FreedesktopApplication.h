#pragma once

#include "control/CommandLine.h"

#include <QDBusMessage>
#include <QString>

#include <variant>

namespace vesperon::FreedesktopApplication {

// The interface launchers and desktops use to start a single-instance program and run its
// actions: Activate, Open and ActivateAction.
QString interface();

// A refused call: the D-Bus error's name and its message.
struct Refusal {
    QString error;
    QString message;
};

// The command a call of the interface asks for, or why it is refused.
std::variant<ControlCommand, Refusal> command(const QDBusMessage& call);

// The platform data a second start sends with Activate: the token it was started with.
QVariantMap platformData(const std::string& activationToken, const std::string& startupId);

} // namespace vesperon::FreedesktopApplication
