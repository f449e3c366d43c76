#include "keybinding/KdeGlobalShortcuts.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusConnectionInterface>

#include <algorithm>
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
    QDBusMessage message = QDBusMessage::createMethodCall(
        service, QStringLiteral("/kglobalaccel"), QStringLiteral("org.kde.KGlobalAccel"), method);
    message.setArguments(arguments);
    return QDBusConnection::sessionBus().call(message);
}

int namedKey(const std::string& name)
{
    static const std::array<std::pair<const char*, int>, 10> named{{{"Tab", Qt::Key_Tab}, {"Space", Qt::Key_Space},
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

// The first key of a change: newer KDE Frameworks send key sequences, (ai) each, whose first
// element is the key; older ones plain key codes.
int firstKey(const QDBusMessage& change)
{
    const QVariant keys = change.arguments().value(1);
    if (!change.signature().endsWith(QLatin1String("a(ai)")))
        return qdbus_cast<QList<int>>(keys).value(0);
    const QDBusArgument sequences = keys.value<QDBusArgument>();
    int key = 0;
    sequences.beginArray();
    if (!sequences.atEnd()) {
        QList<int> sequence;
        sequences.beginStructure();
        sequences >> sequence;
        sequences.endStructure();
        key = sequence.value(0);
    }
    return key;
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
    // What the user sets in the desktop's shortcut settings.
    for (const QString& signal : {QStringLiteral("yourShortcutGotChanged"), QStringLiteral("yourShortcutsChanged")})
        QDBusConnection::sessionBus().connect(service, QStringLiteral("/kglobalaccel"),
            QStringLiteral("org.kde.KGlobalAccel"), signal, this, SLOT(changed(QDBusMessage)));
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
    const std::pair<std::uint32_t, int> modifiers[]
        = {{ModifierMask::control, Qt::ControlModifier}, {ModifierMask::alt, Qt::AltModifier},
            {ModifierMask::shift, Qt::ShiftModifier}, {ModifierMask::super, Qt::MetaModifier}};
    int code = key;
    for (const auto& [bit, qt] : modifiers)
        if (combo.modifiers & bit)
            code |= qt;
    return code;
}

std::optional<KeyCombo> KdeGlobalShortcuts::fromQtKey(int key)
{
    const std::pair<int, std::uint32_t> modifiers[]
        = {{Qt::ControlModifier, ModifierMask::control}, {Qt::AltModifier, ModifierMask::alt},
            {Qt::ShiftModifier, ModifierMask::shift}, {Qt::MetaModifier, ModifierMask::super}};
    const int code = key & ~int(Qt::KeyboardModifierMask);
    if (key & Qt::KeypadModifier)
        return code == Qt::Key_Enter ? fromQtKey(key & ~int(Qt::KeypadModifier)) : std::nullopt;
    for (std::uint32_t keyCode = 0; keyCode < 128; ++keyCode) {
        const std::optional<std::string> name = KeyCombo::keyName(keyCode);
        if (!name || namedKey(*name) != code)
            continue;
        KeyCombo combo{keyCode, 0};
        for (const auto& [qt, bit] : modifiers)
            if (key & qt)
                combo.modifiers |= bit;
        return combo;
    }
    return std::nullopt;
}

std::optional<HotkeyHandle> KdeGlobalShortcuts::registerHotkey(
    const KeyCombo& combo, std::uint32_t id, const HotkeyLabel& label)
{
    const std::optional<int> key = qtKey(combo);
    if (!key)
        return std::nullopt;
    const QStringList action{
        component, QString::fromStdString(label.name), QStringLiteral("Vesperon"), QString::fromStdString(label.title)};
    call(QStringLiteral("doRegister"), {action});
    const QDBusMessage reply = call(
        QStringLiteral("setShortcut"), {action, QVariant::fromValue(QList<int>{*key}), setPresent | noAutoloading});
    // The keys the action has now: a combination the desktop or another program holds is left out.
    if (reply.type() != QDBusMessage::ReplyMessage
        || !qdbus_cast<QList<int>>(reply.arguments().value(0)).contains(*key)) {
        call(QStringLiteral("setInactive"), {action});
        return std::nullopt;
    }
    registrations_[nextHandle_] = {action, id, combo};
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

// Only the first of the keys counts: Vesperon keeps one combination a hotkey.
void KdeGlobalShortcuts::changed(const QDBusMessage& message)
{
    const QStringList action = message.arguments().value(0).toStringList();
    const int key = firstKey(message);
    const auto registration = std::ranges::find_if(registrations_, [&](const auto& entry) {
        return action.value(0) == component && entry.second.action.at(1) == action.value(1);
    });
    if (registration == registrations_.end() || !changeHandler_)
        return;
    const std::optional<KeyCombo> combo = fromQtKey(key);
    if (key && !combo) {
        qWarning("Vesperon: the desktop's new shortcut for %s has a key Vesperon cannot store; it works until Vesperon "
                 "restarts",
            qPrintable(action.value(3)));
        return;
    }
    if (combo != std::optional(registration->second.combo))
        changeHandler_(registration->second.id, combo);
}

} // namespace vesperon
