#include "preferences/PreferencesView.h"

#include "input/HotkeyManager.h"
#include "input/IdleBlackout.h"
#include "input/PermissionManager.h"
#include "keybinding/GnomeCustomShortcuts.h"
#include "model/AppState.h"
#include "model/LaunchAtLogin.h"
#include "platform/BlackWindow.h"
#include "preferences/BindLineView.h"
#include "preferences/DisplayHotkeyRow.h"
#include "preferences/KeyRecorderView.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace vesperon {

namespace {

constexpr int sliderSteps = 10; // 0 to 5 seconds in steps of 0.5

QGroupBox* group(const QString& title, QLayout* content)
{
    auto* box = new QGroupBox(title);
    content->setContentsMargins(content->contentsMargins().left(), 4, content->contentsMargins().right(), 4);
    box->setLayout(content);
    return box;
}

QHBoxLayout* row()
{
    auto* layout = new QHBoxLayout;
    layout->setContentsMargins(0, 0, 0, 0);
    return layout;
}

QWidget* wrap(QLayout* layout)
{
    auto* widget = new QWidget;
    widget->setLayout(layout);
    return widget;
}

QColor secondaryColour(const QWidget* widget) { return widget->palette().color(QPalette::PlaceholderText); }

// A note beside a control: the type size of every label, in the palette's secondary colour.
QLabel* secondaryText(const QString& text)
{
    auto* label = new QLabel(text);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, secondaryColour(label));
    label->setPalette(palette);
    return label;
}

// A label that names `control`: its mnemonic moves the focus there, and screen readers say it.
QLabel* labelFor(const QString& text, QWidget* control)
{
    auto* label = new QLabel(text);
    label->setBuddy(control);
    // trimmed: some languages put a space before the colon.
    control->setAccessibleName(QString(text).remove(QLatin1Char('&')).remove(QLatin1Char(':')).trimmed());
    return label;
}

// A filled circle with a check mark (granted) or a cross (missing).
QPixmap statusIcon(bool granted, int size)
{
    QPixmap pixmap(size * 2, size * 2);
    pixmap.setDevicePixelRatio(2);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(granted ? QColor(0x2e, 0xa0, 0x43) : QColor(0xd1, 0x34, 0x38));
    painter.drawEllipse(QRectF(0.5, 0.5, size - 1, size - 1));
    painter.setPen(QPen(Qt::white, size / 8.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    const double s = size;
    if (granted)
        painter.drawPolyline(
            QPolygonF({QPointF(s * 0.28, s * 0.52), QPointF(s * 0.44, s * 0.68), QPointF(s * 0.72, s * 0.34)}));
    else {
        painter.drawLine(QPointF(s * 0.33, s * 0.33), QPointF(s * 0.67, s * 0.67));
        painter.drawLine(QPointF(s * 0.67, s * 0.33), QPointF(s * 0.33, s * 0.67));
    }
    return pixmap;
}

// The wake-key toggle labels.
QString label(WakeKey key)
{
    switch (key) {
    case WakeKey::anyKey:
        //: Check box: any key wakes the displays
        return QCoreApplication::translate("PreferencesView", "&Any Key");
    case WakeKey::escape:
        //: Check box: the Escape key wakes the displays
        return QCoreApplication::translate("PreferencesView", "&Escape");
    case WakeKey::space:
        //: Check box: the space bar wakes the displays
        return QCoreApplication::translate("PreferencesView", "&Space");
    case WakeKey::enter:
        //: Check box: the Enter key wakes the displays
        return QCoreApplication::translate("PreferencesView", "E&nter");
    }
    return {};
}

} // namespace

PreferencesView::PreferencesView(const Services& services, QWidget* parent) : QWidget(parent), services_(services)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    pages_ = new QTabWidget(this);
    pages_->setObjectName(QStringLiteral("pages"));
    layout->addWidget(pages_);
    //: Tab of the preferences window
    addPage(QStringLiteral("general"), tr("&General"), {buildPermissions(), buildGeneral()});
    //: Tab of the preferences window
    addPage(QStringLiteral("hotkeys"), tr("Hot&keys"), {buildHotkeys()});
    //: Tab of the preferences window
    addPage(QStringLiteral("waking"), tr("&Waking"), {buildWakeSettings()});
    //: Tab of the preferences window
    addPage(QStringLiteral("idle-and-dimming"), tr("I&dle and Dimming"), {buildDimming(), buildIdleBlackout()});

    AppState& state = services_.appState;
    subscriptions_.push_back(
        services_.permission.hasAccessibilityPermission.subscribe([this](bool granted) { showPermission(granted); }));
    subscriptions_.push_back(
        state.availableDisplays.subscribe([this](const auto& displays) { showDisplays(displays); }));
    subscriptions_.push_back(state.ignoreMouseMovement.subscribe([this](bool ignore) {
        const QSignalBlocker quiet(ignoreMouse_);
        ignoreMouse_->setChecked(ignore);
    }));
    subscriptions_.push_back(state.wakeOnLitDisplays.subscribe([this](bool wakes) {
        const QSignalBlocker quiet(wakeOnLit_);
        wakeOnLit_->setChecked(wakes && services_.permission.seesLitDisplays());
    }));
    subscriptions_.push_back(state.wakeDelay.subscribe([this](double seconds) { showWakeDelay(seconds); }));
    subscriptions_.push_back(state.allowedWakeKeys.subscribe([this](const WakeKeySet& keys) { showWakeKeys(keys); }));
    subscriptions_.push_back(state.blackoutOpacity.subscribe(
        [this](double) { showDimLevel(services_.appState.effectiveBlackoutOpacity()); }));
    subscriptions_.push_back(state.idleBlackoutMinutes.subscribe([this](int) {
        const QSignalBlocker quiet(idleMinutes_);
        idleMinutes_->setValue(services_.appState.effectiveIdleBlackoutMinutes());
        idleScope_->setEnabled(idleMinutes_->value() > 0);
    }));
    subscriptions_.push_back(state.idleBlackoutScope.subscribe([this](IdleScope scope) {
        const QSignalBlocker quiet(idleScope_);
        idleScope_->setCurrentIndex(static_cast<int>(scope));
        showIdleNote();
    }));
    subscriptions_.push_back(state.idleHeldBy.subscribe([this](const auto&) { showIdleNote(); }));
    subscriptions_.push_back(services_.hotkeys.refusedHotkeys.subscribe([this](const auto&) {
        for (KeyRecorderView* recorder : recorders())
            recorder->refresh();
    }));
}

PreferencesView::~PreferencesView() = default;

void PreferencesView::addPage(const QString& name, const QString& title, std::initializer_list<QWidget*> sections)
{
    auto* content = new QWidget;
    auto* column = new QVBoxLayout(content);
    column->setSpacing(16);
    for (QWidget* section : sections)
        column->addWidget(section);
    column->addStretch();
    // A screen too small for a page scrolls it up and down, never sideways.
    auto* scroll = new QScrollArea;
    scroll->setObjectName(name);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setFocusPolicy(Qt::NoFocus);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->viewport()->setAutoFillBackground(false);
    scroll->setWidget(content);
    pages_->addTab(scroll, title);
    pageContents_.push_back(content);
}

QSize PreferencesView::wholeSize() const
{
    int width = 0;
    for (const QWidget* content : pageContents_)
        width = std::max(width, content->sizeHint().width());
    int height = 0;
    for (const QWidget* content : pageContents_)
        height = std::max(
            height, content->hasHeightForWidth() ? content->heightForWidth(width) : content->sizeHint().height());
    // The tabs' bar and the frame around the page.
    const int frame = 2 * pages_->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, pages_) + 16;
    return {width + frame, height + pages_->tabBar()->sizeHint().height() + frame};
}

QWidget* PreferencesView::buildPermissions()
{
    auto* layout = row();
    permissionIcon_ = new QLabel;
    //: Beside the input permission's status icon, once Vesperon has the permission
    granted_ = secondaryText(tr("Granted"));
    granted_->setObjectName(QStringLiteral("permissionGranted"));
    //: Button: opens the desktop's settings where Vesperon is let see input
    grantAccess_ = new QPushButton(tr("Grant Access"));
    grantAccess_->setObjectName(QStringLiteral("grantAccess"));
    grantAccess_->setAccessibleDescription(tr("Lets Vesperon see keys, clicks and pointer movement"));
    connect(grantAccess_, &QPushButton::clicked, this, [this] { services_.permission.openAccessibilitySettings(); });
    layout->addWidget(permissionIcon_);
    auto* what = new QLabel(QString::fromStdString(services_.permission.whatIsSeen()));
    what->setObjectName(QStringLiteral("inputSeen"));
    what->setWordWrap(true);
    layout->addWidget(what, 1);
    layout->addStretch();
    layout->addWidget(granted_);
    layout->addWidget(grantAccess_);
    auto* content = new QVBoxLayout;
    content->addWidget(wrap(layout));
    //: Heading of the group about the input permission
    return group(tr("Input Monitoring"), content);
}

QWidget* PreferencesView::buildHotkeys()
{
    auto* content = new QVBoxLayout;
    content->setSpacing(12);
    const bool desktopBinds = services_.hotkeys.desktopBindsKeys();
    if (desktopBinds) {
        const QString howToBind = QString::fromStdString(services_.binding.instructions());
        //: Above the hotkeys; %1 is how to bind them in the desktop's own settings
        const QString notInWayland
            = tr("Keys pressed in Wayland windows do not reach these hotkeys. %1").arg(howToBind);
        auto* instructions = new QLabel(services_.hotkeys.grabsKeys() ? notInWayland : howToBind);
        instructions->setObjectName(QStringLiteral("bindInstructions"));
        instructions->setWordWrap(true);
        content->addWidget(instructions);
        if (services_.binding.syntax == DesktopKeyBinding::Syntax::command && GnomeCustomShortcuts::isAvailable())
            content->addWidget(buildGnomeShortcuts());
    }

    auto* allRow = row();
    //: Label before the recorder of the hotkey that darkens every monitor
    auto* title = new QLabel(tr("Blackout All:"));
    //: What a screen reader calls the hotkey that darkens every monitor
    const QString blackoutAllTitle = tr("Blackout All hotkey");
    blackoutAll_ = new KeyRecorderView(services_.keyboard);
    blackoutAll_->setObjectName(QStringLiteral("blackoutAll"));
    blackoutAll_->setTitle(blackoutAllTitle);
    blackoutAll_->onKeyComboChanged
        = [this](const std::optional<KeyCombo>& combo) { services_.appState.blackoutAllHotkey.set(combo); };
    watch(blackoutAll_);
    allRow->addWidget(title);
    allRow->addWidget(blackoutAll_);
    allRow->addStretch();
    content->addWidget(wrap(allRow));
    if (desktopBinds) {
        auto* line = new BindLineView(services_.binding, services_.appState, HotkeyAction::blackoutAll());
        line->setTitle(blackoutAllTitle);
        content->addWidget(line);
    }

    content->addWidget(buildTableHeader());
    rowsLayout_ = new QVBoxLayout;
    rowsLayout_->setSpacing(8);
    content->addLayout(rowsLayout_);
    //: In place of the monitors' hotkeys while no monitor is found
    noDisplays_ = secondaryText(tr("No displays detected"));
    noDisplays_->setObjectName(QStringLiteral("noDisplays"));
    QFont italic = noDisplays_->font();
    italic.setItalic(true);
    noDisplays_->setFont(italic);
    content->addWidget(noDisplays_);
    //: Heading of the group of hotkeys
    return group(tr("Hotkeys"), content);
}

// The titles of the monitors' table, above columns as wide as the recorders beneath them.
QWidget* PreferencesView::buildTableHeader()
{
    const int recorderWidth = KeyRecorderView(services_.keyboard).sizeHint().width(); // every one alike
    auto* header = new QWidget;
    auto* grid = new QGridLayout(header);
    grid->setContentsMargins(0, 8, 0, 0);
    grid->setColumnStretch(0, 1);
    int column = 0;
    const QString titles[] = {
        //: Column header: the monitors' names
        tr("Monitor"),
        //: Column header: hotkeys that darken or light one monitor
        tr("Toggle"),
        //: Column header: hotkeys that keep only one monitor lit and darken the others
        tr("Keep Only"),
    };
    for (const QString& text : titles) {
        auto* title = new QLabel(text);
        QFont bold = title->font();
        bold.setBold(true);
        title->setFont(bold);
        if (column > 0)
            title->setFixedWidth(recorderWidth);
        grid->addWidget(title, 0, column++);
    }
    return header;
}

// GNOME runs custom shortcuts whatever window is in front: one click puts every hotkey there.
QWidget* PreferencesView::buildGnomeShortcuts()
{
    auto* layout = row();
    //: Button; "Keyboard Shortcuts" as GNOME's settings name them
    auto* add = new QPushButton(tr("Add to GNOME's Keyboard Shortcuts"));
    add->setObjectName(QStringLiteral("addGnomeShortcuts"));
    add->setAccessibleDescription(tr("Adds every hotkey to GNOME's custom keyboard shortcuts"));
    auto* said = secondaryText({});
    said->setObjectName(QStringLiteral("gnomeShortcutsSaid"));
    said->setWordWrap(true);
    connect(add, &QPushButton::clicked, this, [this, said] {
        const bool added = GnomeCustomShortcuts::add(gnomeShortcuts());
        said->setText(added
                //: "Settings › Keyboard › Custom Shortcuts" as GNOME's settings name them
                ? tr("Added to Settings › Keyboard › Custom Shortcuts; add them again after a change here")
                : tr("GNOME's keyboard settings could not be changed"));
    });
    layout->addWidget(add);
    layout->addWidget(said, 1);
    return wrap(layout);
}

std::vector<GnomeCustomShortcuts::Shortcut> PreferencesView::gnomeShortcuts() const
{
    const AppState& state = services_.appState;
    std::vector<HotkeyAction> actions{HotkeyAction::blackoutAll()};
    for (const DisplayInfo& display : state.availableDisplays.get()) {
        actions.push_back(HotkeyAction::toggleDisplay(display.id));
        actions.push_back(HotkeyAction::keepOnlyDisplay(display.id));
    }
    std::vector<GnomeCustomShortcuts::Shortcut> shortcuts;
    const auto addOne = [&](const HotkeyAction& action, const KeyCombo& combo) {
        const std::string accelerator = DesktopKeyBinding::accelerator(combo);
        const HotkeyLabel label = services_.hotkeys.label(action);
        // The command as a shell would take it: GNOME splits it so.
        const std::string command = services_.binding.line(combo, action, state.availableDisplays.get());
        if (!accelerator.empty())
            shortcuts.push_back({label.name, label.title, command, accelerator});
    };
    for (const HotkeyAction& action : actions)
        if (const auto combo = BindLineView::comboFor(state, action))
            addOne(action, *combo);
    addOne(HotkeyAction::safetyWake(), KeyCombo::safetyWake); // grabs miss it over Wayland windows too
    return shortcuts;
}

QWidget* PreferencesView::buildWakeSettings()
{
    auto* content = new QVBoxLayout;
    content->setSpacing(12);
    AppState& state = services_.appState;

    //: Check box: moving the mouse does not wake the displays
    ignoreMouse_ = new QCheckBox(tr("Ignore mouse &movement"));
    ignoreMouse_->setObjectName(QStringLiteral("ignoreMouseMovement"));
    ignoreMouse_->setAccessibleDescription(tr("Clicks and the wheel still wake the displays"));
    connect(ignoreMouse_, &QCheckBox::toggled, this, [&state](bool ignore) { state.ignoreMouseMovement.set(ignore); });
    content->addWidget(ignoreMouse_);

    wakeOnLit_ = new QCheckBox(tr("Clicks and movement on a &lit display wake too"));
    wakeOnLit_->setObjectName(QStringLiteral("wakeOnLitDisplays"));
    wakeOnLit_->setAccessibleDescription(tr("Off, the displays kept lit are yours to work on"));
    connect(wakeOnLit_, &QCheckBox::toggled, this, [&state](bool wakes) { state.wakeOnLitDisplays.set(wakes); });
    content->addWidget(wakeOnLit_);
    if (!services_.permission.seesLitDisplays()) {
        // Nothing on a lit display reaches Vesperon here: it is always free to work on.
        wakeOnLit_->setEnabled(false);
        auto* note = secondaryText(
            tr("On this desktop only input on a dark display is seen: the lit ones are always yours to work on"));
        note->setWordWrap(true);
        content->addWidget(note);
    }

    auto* delayRow = row();
    wakeDelay_ = new QSlider(Qt::Horizontal);
    wakeDelay_->setObjectName(QStringLiteral("wakeDelay"));
    wakeDelay_->setRange(0, sliderSteps);
    wakeDelay_->setSingleStep(1);
    wakeDelay_->setPageStep(1);
    wakeDelay_->setTickPosition(QSlider::TicksBelow);
    wakeDelay_->setAccessibleDescription(tr("From the first input to the wake, 0 to 5 seconds"));
    wakeDelayText_ = new QLabel;
    wakeDelayText_->setObjectName(QStringLiteral("wakeDelayText"));
    wakeDelayText_->setFixedWidth(40);
    connect(wakeDelay_, &QSlider::valueChanged, this, [&state](int step) { state.wakeDelay.set(step * 0.5); });
    //: Label of the slider: how long input goes on before the displays wake
    delayRow->addWidget(labelFor(tr("Wake dela&y:"), wakeDelay_));
    delayRow->addWidget(wakeDelay_);
    delayRow->addWidget(wakeDelayText_);
    content->addWidget(wrap(delayRow));

    auto* keys = new QVBoxLayout;
    keys->setSpacing(8);
    //: Above the check boxes of the keys that wake the displays
    keys->addWidget(new QLabel(tr("Wake keys:")));
    for (WakeKey key : allWakeKeys) {
        auto* box = new QCheckBox(label(key));
        box->setObjectName(QStringLiteral("wakeKey-")
            + QString::fromUtf8(rawValue(key).data(), static_cast<qsizetype>(rawValue(key).size())));
        connect(box, &QCheckBox::toggled, this, [&state, key](bool on) {
            WakeKeySet set = state.allowedWakeKeys.get();
            if (on)
                set.insert(key);
            else
                set.erase(key);
            state.allowedWakeKeys.set(set);
        });
        box->setAccessibleDescription(tr("A key that wakes the displays"));
        wakeKeys_[key] = box;
        keys->addWidget(box);
    }
    content->addLayout(keys);
    //: Heading of the group about what wakes the displays
    return group(tr("Wake Settings"), content);
}

QWidget* PreferencesView::buildGeneral()
{
    auto* content = new QVBoxLayout;
    content->setSpacing(12);
    //: Check box: Vesperon starts when the user logs in
    launchAtLogin_ = new QCheckBox(tr("&Launch at login"));
    launchAtLogin_->setObjectName(QStringLiteral("launchAtLogin"));
    launchAtLogin_->setAccessibleDescription(tr("Starts Vesperon when you log in"));
    launchAtLogin_->setChecked(services_.launchAtLogin.isEnabled()); // read once, when the window is made
    connect(launchAtLogin_, &QCheckBox::toggled, this,
        [this](bool enabled) { services_.launchAtLogin.setEnabled(enabled); });
    content->addWidget(launchAtLogin_);

    auto* safety = row();
    const KeyCombo safetyWake = services_.hotkeys.safetyWakeHotkey();
    auto* keyCap = new QLabel(QString::fromStdString(safetyWake.displayString()));
    keyCap->setObjectName(QStringLiteral("safetyWake"));
    const QColor secondary = secondaryColour(keyCap);
    keyCap->setStyleSheet(
        QStringLiteral("QLabel { background: rgba(%1, %2, %3, 0.2); border-radius: 4px; padding: 4px 8px; }")
            .arg(secondary.red())
            .arg(secondary.green())
            .arg(secondary.blue()));
    keyCap->setToolTip(tr("Wakes every display at once, whatever the settings"));
    //: What a screen reader calls the safety wake's keys; %1 is the key combination
    keyCap->setAccessibleName(tr("Safety wake: %1").arg(keyCap->text()));
    keyCap->setAccessibleDescription(keyCap->toolTip());
    //: Label before the key combination that wakes every display whatever the settings
    safety->addWidget(new QLabel(tr("Safety wake:")));
    safety->addWidget(keyCap);
    //: Beside the safety wake's key combination
    safety->addWidget(secondaryText(tr("(Always works)")));
    safety->addStretch();
    content->addWidget(wrap(safety));
    //: Heading of the group of general settings
    return group(tr("General"), content);
}

QWidget* PreferencesView::buildDimming()
{
    auto* content = new QVBoxLayout;
    content->setSpacing(12);
    // Black at the right end, as the setting's default; dimmer to the left.
    auto* dimRow = row();
    dimLevel_ = new QSlider(Qt::Horizontal);
    dimLevel_->setObjectName(QStringLiteral("dimLevel"));
    dimLevel_->setRange(10, 20); // opacity in twentieths: 50 % to 100 %
    dimLevel_->setPageStep(1);
    dimLevel_->setTickPosition(QSlider::TicksBelow);
    //: Screen reader description of the blackout opacity slider
    dimLevel_->setAccessibleDescription(tr("100% is black; less dims the displays instead"));
    dimLevelText_ = new QLabel;
    dimLevelText_->setObjectName(QStringLiteral("dimLevelText"));
    dimLevelText_->setFixedWidth(48);
    connect(dimLevel_, &QSlider::valueChanged, this,
        [this](int step) { services_.appState.blackoutOpacity.set(step / 20.0); });
    //: Label of the slider: how dark a blackout is
    dimRow->addWidget(labelFor(tr("Blackout &opacity:"), dimLevel_));
    dimRow->addWidget(dimLevel_);
    dimRow->addWidget(dimLevelText_);
    content->addWidget(wrap(dimRow));
    cannotDim_ = secondaryText({});
    cannotDim_->setObjectName(QStringLiteral("cannotDim"));
    cannotDim_->setWordWrap(true);
    content->addWidget(cannotDim_);

    //: Heading of the group about how dark a blackout is
    return group(tr("Dimming"), content);
}

void PreferencesView::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    showWhetherDimmingWorks(); // a compositing manager may have started or stopped since
    showIdleNote();
    const KeyCombo inForce = services_.appState.blackoutAllHotkey.get().value_or(KeyCombo::defaultBlackoutAll);
    blackoutAll_->setKeyCombo(inForce);
    services_.appState.blackoutAllHotkey.set(inForce);
    for (DisplayHotkeyRow* rowWidget : rows())
        rowWidget->refresh();
}

void PreferencesView::showPermission(bool granted)
{
    permissionIcon_->setPixmap(statusIcon(granted, 16));
    granted_->setVisible(granted);
    grantAccess_->setVisible(!granted);
}

void PreferencesView::showDisplays(const std::vector<DisplayInfo>& displays)
{
    // A row lives as long as its display stays in the list, keeping its recorders' state.
    for (auto it = rows_.begin(); it != rows_.end();) {
        const bool present = std::ranges::any_of(displays, [&](const DisplayInfo& d) { return d.id == it->first; });
        if (present) {
            ++it;
            continue;
        }
        it->second->deleteLater();
        it->second->hide();
        it = rows_.erase(it);
    }
    for (const DisplayInfo& display : displays) {
        DisplayHotkeyRow*& rowWidget = rows_[display.id];
        const bool made = !rowWidget;
        if (made) {
            rowWidget = new DisplayHotkeyRow(display, services_.appState, services_.keyboard,
                services_.hotkeys.desktopBindsKeys() ? &services_.binding : nullptr, this);
            watch(rowWidget->toggleRecorder());
            watch(rowWidget->keepOnlyRecorder());
        }
        rowsLayout_->removeWidget(rowWidget);
        rowsLayout_->addWidget(rowWidget);
        rowWidget->show();
        if (made && isVisible())
            rowWidget->refresh(); // the others were when the window came on screen
    }
    noDisplays_->setVisible(displays.empty());
    // Told even while its page is not in front, so that the window is sized for the rows.
    rowsLayout_->parentWidget()->updateGeometry();
    updateTabOrder();
    recordingMayHaveChanged();
}

void PreferencesView::updateTabOrder()
{
    // Rows are made after the controls below them; Tab should still go from top to bottom.
    std::vector<QWidget*> order{grantAccess_, blackoutAll_->setButton(), blackoutAll_->clearButton()};
    for (DisplayHotkeyRow* rowWidget : rows()) {
        for (KeyRecorderView* recorder : {rowWidget->toggleRecorder(), rowWidget->keepOnlyRecorder()}) {
            order.push_back(recorder->setButton());
            order.push_back(recorder->clearButton());
        }
    }
    order.push_back(ignoreMouse_);
    order.push_back(wakeOnLit_);
    order.push_back(wakeDelay_);
    for (WakeKey key : allWakeKeys)
        order.push_back(wakeKeys_.at(key));
    order.push_back(launchAtLogin_);
    order.push_back(dimLevel_);
    order.push_back(idleMinutes_);
    order.push_back(idleScope_);
    for (std::size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

std::vector<DisplayHotkeyRow*> PreferencesView::rows() const
{
    std::vector<DisplayHotkeyRow*> ordered;
    for (int i = 0; i < rowsLayout_->count(); ++i) {
        if (auto* rowWidget = dynamic_cast<DisplayHotkeyRow*>(rowsLayout_->itemAt(i)->widget()))
            ordered.push_back(rowWidget);
    }
    return ordered;
}

void PreferencesView::showWakeDelay(double seconds)
{
    const QSignalBlocker quiet(wakeDelay_);
    const double shown = std::clamp(seconds, 0.0, 5.0);
    wakeDelay_->setValue(static_cast<int>(std::lround(shown * 2)));
    //: The wake delay beside its slider; %1 is a number of seconds, e.g. 2.5
    wakeDelayText_->setText(tr("%1s").arg(QLocale().toString(seconds, 'f', 1)));
}

void PreferencesView::showWakeKeys(const WakeKeySet& keys)
{
    for (auto& [key, box] : wakeKeys_) {
        const QSignalBlocker quiet(box);
        box->setChecked(keys.contains(key));
    }
    // "Any Key" cannot be the one to leave no key at all; the others may empty the set.
    wakeKeys_.at(WakeKey::anyKey)->setEnabled(keys != WakeKeySet{WakeKey::anyKey});
}

void PreferencesView::showDimLevel(double opacity)
{
    const QSignalBlocker quiet(dimLevel_);
    dimLevel_->setValue(static_cast<int>(std::lround(opacity * 20)));
    //: The blackout's opacity beside its slider; %1 is a percentage, e.g. 75
    dimLevelText_->setText(tr("%1%").arg(std::lround(opacity * 100)));
}

// Without a compositor the blackout stays black whatever is set: the slider waits, saying why.
void PreferencesView::showWhetherDimmingWorks()
{
    const std::optional<std::string> reason = services_.windows.cannotDim();
    dimLevel_->setEnabled(!reason);
    cannotDim_->setText(QString::fromStdString(reason.value_or(std::string())));
    cannotDim_->setVisible(reason.has_value());
}

QWidget* PreferencesView::buildIdleBlackout()
{
    auto* content = new QVBoxLayout;
    content->setSpacing(12);
    auto* idleRow = row();
    idleMinutes_ = new QSpinBox;
    idleMinutes_->setObjectName(QStringLiteral("idleMinutes"));
    idleMinutes_->setRange(0, 120);
    //: The idle minutes at 0: no idle blackout
    idleMinutes_->setSpecialValueText(tr("Never"));
    //: Unit after the idle minutes, with the space before it
    idleMinutes_->setSuffix(tr(" min"));
    idleMinutes_->setAccessibleDescription(tr("Minutes without input before the displays go dark"));
    connect(idleMinutes_, &QSpinBox::valueChanged, this,
        [this](int minutes) { services_.appState.idleBlackoutMinutes.set(minutes); });
    idleScope_ = new QComboBox;
    idleScope_->setObjectName(QStringLiteral("idleScope"));
    idleScope_->addItems({
        //: Choice of which displays go dark when idle
        tr("All displays"),
        //: Choice of which displays go dark when idle
        tr("All but the display with the pointer"),
        //: Choice of which displays go dark when idle: each one the pointer has left alone for the minutes
        tr("Each display on its own"),
    });
    // Only where the pointer's return to a display can be seen, or it would stay dark.
    if (!services_.idle.followsEachDisplay())
        if (auto* items = qobject_cast<QStandardItemModel*>(idleScope_->model()))
            items->item(2)->setEnabled(false);
    connect(idleScope_, &QComboBox::currentIndexChanged, this,
        [this](int index) { services_.appState.idleBlackoutScope.set(static_cast<IdleScope>(index)); });
    idleScope_->setAccessibleName(tr("Displays that go dark when idle"));
    idleScope_->setAccessibleDescription(
        tr("Every display, every one but the pointer's, or each one the pointer has left alone"));
    //: Label before the idle minutes and the choice of displays
    idleRow->addWidget(labelFor(tr("&Black out when idle for:"), idleMinutes_));
    idleRow->addWidget(idleMinutes_);
    idleRow->addWidget(idleScope_);
    idleRow->addStretch();
    idleNote_ = secondaryText({});
    idleNote_->setObjectName(QStringLiteral("idleNote"));
    idleNote_->setWordWrap(true);
    content->addWidget(wrap(idleRow));
    content->addWidget(idleNote_);
    //: Heading of the group about blackouts after a time without input
    return group(tr("Idle Blackout"), content);
}

// Why an idle blackout does not come: the desktop cannot tell, or an application holds it back.
void PreferencesView::showIdleNote()
{
    QString note;
    if (!services_.idle.isAvailable())
        note = tr("This desktop does not tell Vesperon how long input has been left alone");
    else if (const auto& holder = services_.appState.idleHeldBy.get()) {
        if (holder->empty())
            note = tr("Held back: an application keeps the screen awake");
        else
            //: Why no idle blackout comes; %1 is the application that keeps the screen awake, e.g. Firefox
            note = tr("Held back: %1 keeps the screen awake").arg(QString::fromStdString(*holder));
    } else if (services_.appState.idleBlackoutScope.get() != IdleScope::all && !services_.idle.knowsPointer()) {
        note = tr("This desktop does not tell where the pointer is: every display goes dark");
    } else if (!services_.idle.followsEachDisplay()) {
        //: Why the choice "Each display on its own" is unavailable
        note = tr("Each display on its own needs to see the pointer come back, which this desktop does not show");
    }
    idleNote_->setText(note);
    idleNote_->setVisible(!note.isEmpty());
}

void PreferencesView::watch(KeyRecorderView* recorder)
{
    recorder->onRecordingChanged = [this](bool) { recordingMayHaveChanged(); };
    // Where the desktop binds every key itself nothing is taken from Vesperon.
    recorder->isTaken = [this](const KeyCombo& combo) {
        return services_.hotkeys.grabsKeys() && services_.hotkeys.refusedHotkeys.get().contains(combo);
    };
}

std::vector<KeyRecorderView*> PreferencesView::recorders() const
{
    std::vector<KeyRecorderView*> all{blackoutAll_};
    for (const auto& [id, row] : rows_) {
        all.push_back(row->toggleRecorder());
        all.push_back(row->keepOnlyRecorder());
    }
    return all;
}

bool PreferencesView::isAnyRecording() const { return std::ranges::any_of(recorders(), &KeyRecorderView::isRecording); }

void PreferencesView::stopRecording()
{
    blackoutAll_->setRecording(false);
    for (auto& [id, rowWidget] : rows_) {
        rowWidget->toggleRecorder()->setRecording(false);
        rowWidget->keepOnlyRecorder()->setRecording(false);
    }
}

void PreferencesView::recordingMayHaveChanged()
{
    const bool recording = isAnyRecording();
    if (recording == anyRecording_)
        return;
    anyRecording_ = recording;
    if (onRecordingChanged)
        onRecordingChanged(recording);
}

} // namespace vesperon
