#include "preferences/DisplayHotkeyRow.h"

#include "model/AppState.h"
#include "preferences/BindLineView.h"
#include "preferences/KeyRecorderView.h"

#include <QGridLayout>
#include <QLabel>

namespace vesperon {

DisplayHotkeyRow::DisplayHotkeyRow(const DisplayInfo& display, AppState& state, const KeyboardMap& keyboard,
    const DesktopKeyBinding* binding, QWidget* parent)
    : QWidget(parent)
    , display_(display)
    , state_(state)
    , toggle_(new KeyRecorderView(keyboard, this))
    , keepOnly_(new KeyRecorderView(keyboard, this))
{
    setObjectName(QStringLiteral("display-%1").arg(display.id));
    toggle_->setObjectName(QStringLiteral("toggle"));
    keepOnly_->setObjectName(QStringLiteral("keepOnly"));
    const QString name = QString::fromStdString(display_.displayName());
    //: What a screen reader calls the hotkey that darkens or lights one monitor; %1 is the monitor's name
    const QString toggleTitle = tr("Toggle hotkey for %1").arg(name);
    //: What a screen reader calls the hotkey that keeps only one monitor lit; %1 is the monitor's name
    const QString keepOnlyTitle = tr("Keep Only hotkey for %1").arg(name);
    toggle_->setTitle(toggleTitle);
    keepOnly_->setTitle(keepOnlyTitle);
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setColumnStretch(0, 1);
    auto* label = new QLabel(name, this);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    grid->addWidget(label, 0, 0, Qt::AlignVCenter);
    grid->addWidget(toggle_, 0, 1, Qt::AlignLeft);
    grid->addWidget(keepOnly_, 0, 2, Qt::AlignLeft);
    if (binding) {
        const auto line = [&](const HotkeyAction& action, const QString& title, int column) {
            auto* view = new BindLineView(*binding, state_, action, this);
            view->setTitle(title);
            grid->addWidget(view, 1, column);
        };
        line(HotkeyAction::toggleDisplay(display.id), toggleTitle, 1);
        line(HotkeyAction::keepOnlyDisplay(display.id), keepOnlyTitle, 2);
    }

    toggle_->onKeyComboChanged
        = [this](const std::optional<KeyCombo>& combo) { state_.setToggleHotkey(combo, display_.id); };
    keepOnly_->onKeyComboChanged
        = [this](const std::optional<KeyCombo>& combo) { state_.setKeepOnlyHotkey(combo, display_.id); };
}

void DisplayHotkeyRow::refresh()
{
    const auto toggle = AppState::hotkeyOf(state_.displayToggleHotkeys.get(), display_.id);
    const auto keepOnly = AppState::hotkeyOf(state_.displayKeepOnlyHotkeys.get(), display_.id);
    toggle_->setKeyCombo(toggle);
    keepOnly_->setKeyCombo(keepOnly);
    if (toggle)
        state_.setToggleHotkey(toggle, display_.id);
    if (keepOnly)
        state_.setKeepOnlyHotkey(keepOnly, display_.id);
}

} // namespace vesperon
