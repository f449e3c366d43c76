#include "preferences/DisplayHotkeyRow.h"

#include "model/AppState.h"
#include "preferences/BindLineView.h"
#include "preferences/KeyRecorderView.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace vesperon {

namespace {

QWidget* recorderRow(const QString& title, KeyRecorderView* recorder, QWidget* parent)
{
    auto* row = new QWidget(parent);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* label = new QLabel(title, row);
    label->setFixedWidth(80);
    QFont caption = label->font();
    caption.setPointSizeF(caption.pointSizeF() * 0.85);
    label->setFont(caption);
    layout->addWidget(label);
    layout->addWidget(recorder);
    layout->addStretch();
    return row;
}

} // namespace

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
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(8);
    auto* name = new QLabel(QString::fromStdString(display_.displayName()), this);
    name->setTextFormat(Qt::PlainText);
    QFont subheadline = name->font();
    subheadline.setWeight(QFont::Medium);
    name->setFont(subheadline);
    column->addWidget(name);
    column->addWidget(recorderRow(QStringLiteral("Toggle:"), toggle_, this));
    if (binding)
        column->addWidget(new BindLineView(*binding, state_, HotkeyAction::toggleDisplay(display.id), this));
    column->addWidget(recorderRow(QStringLiteral("Keep Only:"), keepOnly_, this));
    if (binding)
        column->addWidget(new BindLineView(*binding, state_, HotkeyAction::keepOnlyDisplay(display.id), this));
    auto* divider = new QFrame(this);
    divider->setFrameShape(QFrame::HLine);
    divider->setFrameShadow(QFrame::Sunken);
    column->addWidget(divider);

    toggle_->onKeyComboChanged
        = [this](const std::optional<KeyCombo>& combo) { state_.setToggleHotkey(combo, display_.id); };
    keepOnly_->onKeyComboChanged
        = [this](const std::optional<KeyCombo>& combo) { state_.setKeepOnlyHotkey(combo, display_.id); };
}

void DisplayHotkeyRow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
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
