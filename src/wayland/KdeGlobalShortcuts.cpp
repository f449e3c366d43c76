#include "wayland/KdeGlobalShortcuts.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>

#include <array>

namespace vesperon {

namespace {

const QString service = QStringLiteral("org.kde.kglobalaccel");
const QString component = QStringLiteral("vesperon");
const QString componentPath = QStringLiteral("/component/vesperon");

// setShortcut's flags: the action is there now, and Vesperon's own settings decide its keys.
constexpr uint setPresent = 2, noAutoloading = 4;

QDBusMessage call(const QString& method, const QVariantList& arguments)
{
    QDBusMessage message = QDBusMessage::createMethodCall(service, QStringLiteral("/kglobalaccel"),
        QStringLiteral("org.kde.KGlobalAccel"), method);
    message.setArguments(arguments);
    return QDBusConnection::sessionBus().call(message);
}

int namedKey(const std::string& name)
{
    static const std::array<std::pair<const char*, int>, 10> named {{{"Tab", Qt::Key_Tab}, {"Space", Qt::Key_Space},
        {"Backspace", Qt::Key_Backspace}, {"Esc", Qt::Key_Escape}, {"Return", Qt::Key_Return}, {"Enter", Qt::Key_Enter},
        {"Left", Qt::Key_Left}, {"Right", Qt::Key_Right}, {"Down", Qt::Key_Down}, {"Up", Qt::Key_Up}}};
    for (const auto& [text, key] : named)
        if (name == text)
            return key;
    if (name.size() > 1 && name[0] == 'F')
        return Qt::Key_F1 + std::stoi(name.substr(1)) - 1;
    // Letters, digits and punctuation: Qt's code is the character's, letters upper case.
    return name.size() == 1 ? QChar::fromLatin1(name[0]).toUpper().unicode() : 0;
}

} // namespace

bool KdeGlobalShortcuts::isAvailable()
{
    const QDBusConnectionInterface* bus = QDBusConnection::sessionBus().interface();
    return bus && bus->isServiceRegistered(service);
}

KdeGlobalShortcuts::KdeGlobalShortcuts()
{
    QDBusConnection::sessionBus().connect(service, componentPath, QStringLiteral("org.kde.kglobalaccel.Component"),
        QStringLiteral("globalShortcutPressed"), this, SLOT(pressed(QDBusMessage)));
}

KdeGlobalShortcuts::~KdeGlobalShortcuts()
{
    for (const auto& [handle, registration] : registrations_)
        call(QStringLiteral("setInactive"), {registration.action});
}

std::optional<int> KdeGlobalShortcuts::qtKey(const KeyCombo& combo)
{
    const std::optional<std::string> name = KeyCombo::keyName(combo.keyCode);
    const int key = name ? namedKey(*name) : 0;
    if (!key)
        return std::nullopt;
    const std::pair<std::uint32_t, int> modifiers[] = {{ModifierMask::control, Qt::ControlModifier}, {ModifierMask::alt, Qt::AltModifier},
        {ModifierMask::shift, Qt::ShiftModifier}, {ModifierMask::super, Qt::MetaModifier}};
    int code = key;
    for (const auto& [bit, qt] : modifiers)
        if (combo.modifiers & bit)
            code |= qt;
    return code;
}

std::optional<HotkeyHandle> KdeGlobalShortcuts::registerHotkey(const KeyCombo& combo, std::uint32_t id, const HotkeyLabel& label)
{
    const std::optional<int> key = qtKey(combo);
    if (!key)
        return std::nullopt;
    const QStringList action {component, QString::fromStdString(label.name), QStringLiteral("Vesperon"),
        QString::fromStdString(label.title)};
    call(QStringLiteral("doRegister"), {action});
    const QDBusMessage reply = call(QStringLiteral("setShortcut"),
        {action, QVariant::fromValue(QList<int> {*key}), setPresent | noAutoloading});
    // The keys the action has now: a combination the desktop or another program holds is left out.
    if (reply.type() != QDBusMessage::ReplyMessage || !qdbus_cast<QList<int>>(reply.arguments().value(0)).contains(*key)) {
        call(QStringLiteral("setInactive"), {action});
        return std::nullopt;
    }
    registrations_[nextHandle_] = {action, id};
    return nextHandle_++;
}

void KdeGlobalShortcuts::unregisterHotkey(HotkeyHandle handle)
{
    const auto it = registrations_.find(handle);
    if (it == registrations_.end())
        return;
    // Inactive, not forgotten: the desktop's settings keep listing it.
    call(QStringLiteral("setInactive"), {it->second.action});
    registrations_.erase(it);
}

void KdeGlobalShortcuts::pressed(const QDBusMessage& message)
{
    const QString action = message.arguments().value(1).toString();
    for (const auto& [handle, registration] : registrations_) {
        if (registration.action.at(1) == action && handler_) {
            handler_(registration.id);
            return;
        }
    }
}

} // namespace vesperon
