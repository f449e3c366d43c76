#pragma once

#include "core/Subscription.h"
#include "keybinding/DesktopKeyBinding.h"

#include <QCoreApplication>
#include <QWidget>

class QLineEdit;
class QPushButton;

namespace vesperon {

class AppState;

// Where the desktop binds keys itself: the line that binds one hotkey, kept in step with the
// setting, and a button that copies it. Hidden while the hotkey has no combination.
class BindLineView : public QWidget {
    // tr() in this class's own context rather than QWidget's: there is no Q_OBJECT here.
    Q_DECLARE_TR_FUNCTIONS(BindLineView)

public:
    BindLineView(
        const DesktopKeyBinding& binding, AppState& state, const HotkeyAction& action, QWidget* parent = nullptr);

    QString line() const;
    // What the line binds, as screen readers say it.
    void setTitle(const QString& title);
    // The combination `action` has now; nothing while it has none.
    static std::optional<KeyCombo> comboFor(const AppState& state, const HotkeyAction& action);

private:
    void refresh();

    const DesktopKeyBinding& binding_;
    AppState& state_;
    HotkeyAction action_;
    QLineEdit* text_;
    QPushButton* copy_;
    Subscriptions subscriptions_;
};

} // namespace vesperon
