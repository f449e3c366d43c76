#pragma once

#include "core/KeyCombo.h"

#include <QCoreApplication>
#include <QWidget>

#include <functional>
#include <optional>

class QLabel;
class QPushButton;

namespace vesperon {

class KeyboardMap;

// Sets one hotkey: shows the combination ("None" without one), records a new one from the
// keyboard, cancels a recording or clears the combination. While recording it holds the keyboard
// focus and takes the first key pressed with Control, Alt, Shift or Super; keys without those
// modifiers and modifiers alone are swallowed, and no recorded key reaches anything else.
class KeyRecorderView : public QWidget {
    // tr() in this class's own context rather than QWidget's: there is no Q_OBJECT here.
    Q_DECLARE_TR_FUNCTIONS(KeyRecorderView)

public:
    explicit KeyRecorderView(const KeyboardMap& keyboard, QWidget* parent = nullptr);

    std::optional<KeyCombo> keyCombo() const { return keyCombo_; }
    // Shows a combination; owners are not told, as they made the change themselves.
    void setKeyCombo(const std::optional<KeyCombo>& combo);

    bool isRecording() const { return recording_; }
    void setRecording(bool recording);

    // The user recorded or cleared a combination.
    std::function<void(const std::optional<KeyCombo>&)> onKeyComboChanged;
    // Recording began or ended.
    std::function<void(bool recording)> onRecordingChanged;
    // Whether another program holds a combination: the recorder says so beside it.
    std::function<bool(const KeyCombo&)> isTaken;
    // Shows the combination, the recording state and whether it is taken as they are now.
    void refresh();
    // What the hotkey is for ("Toggle hotkey for DELL U2720Q (DP-1)"), as screen readers say it.
    void setTitle(const QString& title);

    // The combination a key press stands for: the key's code in the program's numbering with the
    // held modifiers; nothing without a modifier or for a key with no code.
    std::optional<KeyCombo> comboFor(std::uint32_t nativeScanCode, Qt::KeyboardModifiers modifiers) const;

    QPushButton* setButton() const { return setButton_; }
    QPushButton* clearButton() const { return clearButton_; }

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // "Set", or "Cancel" while recording.
    static QString textOfSetButton(bool recording);

    const KeyboardMap& keyboard_;
    std::optional<KeyCombo> keyCombo_;
    bool recording_ = false;
    QString title_;
    QLabel* label_;
    QLabel* taken_;
    QPushButton* setButton_;
    QPushButton* clearButton_;
};

} // namespace vesperon
