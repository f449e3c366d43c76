#include "preferences/KeyRecorderView.h"

#include "core/EventFlags.h"
#include "platform/KeyboardMap.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include <algorithm>

namespace vesperon {

namespace {

QString rgba(QColor colour, double alpha)
{
    return QStringLiteral("rgba(%1, %2, %3, %4)").arg(colour.red()).arg(colour.green()).arg(colour.blue()).arg(alpha);
}

} // namespace

KeyRecorderView::KeyRecorderView(const KeyboardMap& keyboard, QWidget* parent)
    : QWidget(parent)
    , keyboard_(keyboard)
    , label_(new QLabel(this))
    //: Warning beneath a hotkey whose combination another program holds
    , taken_(new QLabel(tr("Taken by another program"), this))
    , setButton_(new QPushButton(this))
    //: Button: removes the hotkey's combination
    , clearButton_(new QPushButton(tr("Clear"), this))
{
    setFocusPolicy(Qt::ClickFocus);
    label_->setObjectName(QStringLiteral("combo"));
    setButton_->setObjectName(QStringLiteral("set"));
    clearButton_->setObjectName(QStringLiteral("clear"));
    taken_->setObjectName(QStringLiteral("taken"));
    taken_->setToolTip(tr("Another program holds this combination. Vesperon takes it as soon as it is free; "
                          "until then, set another."));
    QPalette warning = taken_->palette();
    warning.setColor(QPalette::WindowText, QColor(0xd1, 0x34, 0x38));
    taken_->setPalette(warning);
    label_->setAlignment(Qt::AlignCenter);
    // As wide in every state, so that recorders one above the other keep a table's columns.
    label_->setFixedWidth(fontMetrics().horizontalAdvance(QStringLiteral("Ctrl+Alt+Shift+Super+Escape")) + 20);
    // As wide as the wider of its two texts, whichever it is in the user's language.
    setButton_->setText(textOfSetButton(false));
    const int setWidth = setButton_->sizeHint().width();
    setButton_->setText(textOfSetButton(true));
    setButton_->setMinimumWidth(std::max(setWidth, setButton_->sizeHint().width()));
    QSizePolicy keepsItsPlace = clearButton_->sizePolicy();
    keepsItsPlace.setRetainSizeWhenHidden(true);
    clearButton_->setSizePolicy(keepsItsPlace);
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(label_, 0, 0);
    grid->addWidget(setButton_, 0, 1);
    grid->addWidget(clearButton_, 0, 2);
    grid->addWidget(taken_, 1, 0, 1, 3); // beneath: a table of recorders stays narrow
    connect(setButton_, &QPushButton::clicked, this, [this] { setRecording(!recording_); });
    connect(clearButton_, &QPushButton::clicked, this, [this] {
        keyCombo_.reset();
        refresh();
        if (onKeyComboChanged)
            onKeyComboChanged(keyCombo_);
    });
    refresh();
}

void KeyRecorderView::setKeyCombo(const std::optional<KeyCombo>& combo)
{
    keyCombo_ = combo;
    refresh();
}

void KeyRecorderView::setRecording(bool recording)
{
    if (recording == recording_)
        return;
    recording_ = recording;
    refresh();
    if (recording_) {
        // After the click that started recording has been handled, so that focus stays here.
        QTimer::singleShot(0, this, [this] {
            if (recording_ && window()->isVisible())
                setFocus(Qt::OtherFocusReason);
        });
    }
    if (onRecordingChanged)
        onRecordingChanged(recording_);
}

void KeyRecorderView::refresh()
{
    //: Shown in place of a key combination while the hotkey has none
    label_->setText(keyCombo_ ? QString::fromStdString(keyCombo_->displayString()) : tr("None"));
    const QColor accent = palette().color(QPalette::Highlight);
    const QColor secondary = palette().color(QPalette::PlaceholderText);
    label_->setStyleSheet(
        QStringLiteral("QLabel { background: %1; border: 1px solid %2; border-radius: 4px; padding: 4px 8px; }")
            .arg(rgba(recording_ ? accent : secondary, 0.2),
                recording_ ? accent.name() : QStringLiteral("transparent")));
    setButton_->setText(textOfSetButton(recording_));
    clearButton_->setVisible(keyCombo_.has_value());
    const bool taken = keyCombo_ && !recording_ && isTaken && isTaken(*keyCombo_);
    taken_->setVisible(taken);
    if (!title_.isEmpty()) {
        // What a screen reader says of the button: the hotkey, and the combination it has.
        //: Said in place of a key combination while the hotkey has none
        const QString combo = keyCombo_ ? QString::fromStdString(keyCombo_->displayString()) : tr("none");
        if (taken)
            //: %1 is the hotkey, e.g. "Blackout All hotkey"; %2 its key combination, or "none"
            setButton_->setAccessibleName(tr("%1: %2, taken by another program").arg(title_, combo));
        else
            //: %1 is the hotkey, e.g. "Blackout All hotkey"; %2 its key combination, or "none"
            setButton_->setAccessibleName(tr("%1: %2").arg(title_, combo));
        if (recording_)
            setButton_->setAccessibleDescription(tr("Recording: press the new combination"));
        else
            //: Screen reader description of the Set button: it starts recording a combination
            setButton_->setAccessibleDescription(tr("Record"));
        //: Screen reader name of the Clear button; %1 is the hotkey, e.g. "Blackout All hotkey"
        clearButton_->setAccessibleName(tr("Clear %1").arg(title_));
        //: Screen reader description of the Clear button
        clearButton_->setAccessibleDescription(tr("Removes the combination"));
    }
}

QString KeyRecorderView::textOfSetButton(bool recording)
{
    if (recording)
        //: Button: stops recording and keeps the combination the hotkey had
        return tr("Cancel");
    //: Button: starts recording a new key combination for the hotkey
    return tr("Set");
}

void KeyRecorderView::setTitle(const QString& title)
{
    title_ = title;
    setAccessibleName(title);
    refresh();
}

std::optional<KeyCombo> KeyRecorderView::comboFor(std::uint32_t nativeScanCode, Qt::KeyboardModifiers modifiers) const
{
    std::uint64_t flags = 0;
    if (modifiers & Qt::ControlModifier)
        flags |= EventFlags::control;
    if (modifiers & Qt::AltModifier)
        flags |= EventFlags::alt;
    if (modifiers & Qt::ShiftModifier)
        flags |= EventFlags::shift;
    if (modifiers & Qt::MetaModifier)
        flags |= EventFlags::super;
    const std::uint32_t mask = modifierMaskFromEventFlags(flags);
    if (mask == 0)
        return std::nullopt;
    const auto code = keyboard_.keyCode(nativeScanCode);
    if (!code)
        return std::nullopt; // modifier keys alone, and keys a hotkey cannot use
    return KeyCombo{*code, mask};
}

bool KeyRecorderView::event(QEvent* event)
{
    if (recording_) {
        // Before shortcuts and focus changes (Tab) can take the key, it is the recorder's.
        if (event->type() == QEvent::ShortcutOverride) {
            event->accept();
            return true;
        }
        if (event->type() == QEvent::KeyPress) {
            keyPressEvent(static_cast<QKeyEvent*>(event));
            return true;
        }
        if (event->type() == QEvent::KeyRelease)
            return true;
    }
    return QWidget::event(event);
}

void KeyRecorderView::keyPressEvent(QKeyEvent* event)
{
    if (!recording_) {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    const auto combo = comboFor(event->nativeScanCode(), event->modifiers());
    if (!combo)
        return; // swallowed; recording goes on
    keyCombo_ = combo;
    refresh();
    if (onKeyComboChanged)
        onKeyComboChanged(keyCombo_);
    setRecording(false);
}

} // namespace vesperon
