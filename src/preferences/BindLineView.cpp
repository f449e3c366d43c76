#include "preferences/BindLineView.h"

#include "model/AppState.h"

#include <QApplication>
#include <QClipboard>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

namespace vesperon {

std::optional<KeyCombo> BindLineView::comboFor(const AppState& state, const HotkeyAction& action)
{
    switch (action.kind) {
    case HotkeyAction::Kind::blackoutAll:
        return state.blackoutAllHotkey.get().value_or(KeyCombo::defaultBlackoutAll);
    case HotkeyAction::Kind::toggleDisplay:
        return AppState::hotkeyOf(state.displayToggleHotkeys.get(), action.display);
    case HotkeyAction::Kind::keepOnlyDisplay:
        return AppState::hotkeyOf(state.displayKeepOnlyHotkeys.get(), action.display);
    case HotkeyAction::Kind::safetyWake:
        break;
    }
    return std::nullopt;
}

BindLineView::BindLineView(
    const DesktopKeyBinding& binding, AppState& state, const HotkeyAction& action, QWidget* parent)
    : QWidget(parent)
    , binding_(binding)
    , state_(state)
    , action_(action)
    , text_(new QLineEdit(this))
    , copy_(new QPushButton(QIcon::fromTheme(QStringLiteral("edit-copy")),
          //: Button beside a hotkey's binding line: puts the line on the clipboard
          tr("Copy"), this))
{
    setObjectName(QStringLiteral("bindLine"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    text_->setReadOnly(true);
    text_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    copy_->setObjectName(QStringLiteral("copy"));
    connect(copy_, &QPushButton::clicked, this, [this] { QApplication::clipboard()->setText(line()); });
    layout->addWidget(text_, 1);
    layout->addWidget(copy_);
    subscriptions_.push_back(state_.hotkeysChanged.connect([this] { refresh(); }));
    subscriptions_.push_back(state_.availableDisplays.subscribe([this](const auto&) { refresh(); }));
}

QString BindLineView::line() const { return text_->text(); }

void BindLineView::setTitle(const QString& title)
{
    //: Screen reader name of the line; %1 is the hotkey, e.g. "Blackout All hotkey"
    text_->setAccessibleName(tr("Line that binds the %1").arg(title));
    text_->setAccessibleDescription(tr("For the desktop's configuration file"));
    //: Screen reader name of the Copy button; %1 is the hotkey, e.g. "Blackout All hotkey"
    copy_->setAccessibleName(tr("Copy the line that binds the %1").arg(title));
    copy_->setAccessibleDescription(tr("Puts the line on the clipboard"));
}

void BindLineView::refresh()
{
    const std::optional<KeyCombo> combo = comboFor(state_, action_);
    text_->setText(
        combo ? QString::fromStdString(binding_.line(*combo, action_, state_.availableDisplays.get())) : QString());
    text_->setCursorPosition(0);
    setVisible(combo.has_value());
}

} // namespace vesperon
