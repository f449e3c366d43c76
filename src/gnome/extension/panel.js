// Vesperon's menu where GNOME has no system tray: a button in the top bar and a toggle in Quick
// Settings, both drawn from the menu Vesperon sends and reporting the user's choice by id; what an
// item does stays in Vesperon. The build appends this to service.js.

// The extension's own few texts come from Vesperon's translations, compiled for gettext with the
// extension at build time; lupdate finds them by this name (and reads no `??=`).
const gettextDomain = 'vesperon-shell';

function qsTranslate(context, text) {
    return Gettext.domain(gettextDomain).pgettext(context, text);
}

// Each item of the menu as Vesperon sent it: id, parent id (0 at the top) and properties.
class MenuModel {
    constructor(icon, items) {
        this.icon = icon;
        this.items = items.map(([id, parent, properties]) => {
            const item = {id, parent};
            for (const [key, value] of Object.entries(properties))
                item[key] = value instanceof GLib.Variant ? value.unpack() : value;
            return item;
        });
    }

    children(parent) {
        return this.items.filter(item => item.parent === parent);
    }

    named(name) {
        return this.items.find(item => item.name === name);
    }

    // Blacked out somewhere: the icon Vesperon shows for it.
    get dark() {
        return this.icon === 'display-dark';
    }
}

class Icons {
    constructor(path) {
        this._path = path;
    }

    // Vesperon's own symbolic icons, recoloured by the shell as its own are.
    get(name) {
        return Gio.icon_new_for_string(`${this._path}/icons/vesperon-${name || 'display'}-symbolic.svg`);
    }
}

// Fills a PopupMenu with items of the model, submenus included.
function fillMenu(menu, model, parent, icons, activate) {
    for (const item of model.children(parent)) {
        if (item.separator) {
            menu.addMenuItem(new PopupMenu.PopupSeparatorMenuItem());
        } else if (item.submenu) {
            const submenu = new PopupMenu.PopupSubMenuMenuItem(item.title);
            fillMenu(submenu.menu, model, item.id, icons, activate);
            menu.addMenuItem(submenu);
        } else {
            menu.addMenuItem(menuItem(item, icons, activate));
        }
    }
}

function menuItem(item, icons, activate) {
    const entry = item.icon
        ? new PopupMenu.PopupImageMenuItem(item.title, icons.get(item.icon))
        : new PopupMenu.PopupMenuItem(item.title);
    if (item.hint) {
        entry.add_child(new St.Label({text: item.hint, x_expand: true, x_align: Clutter.ActorAlign.END,
            style_class: 'popup-inactive-menu-item', style: 'padding-left: 2em;'}));
    }
    entry.setOrnament(item.checked ? PopupMenu.Ornament.CHECK : PopupMenu.Ornament.NONE);
    entry.setSensitive(item.enabled);
    entry.connect('activate', () => activate(item));
    return entry;
}

// The button in the top bar, with the whole menu.
class TopBarButton {
    constructor(icons, activate, opening) {
        this._icons = icons;
        this._activate = activate;
        this._button = new PanelMenu.Button(0.0, 'Vesperon', false);
        this._icon = new St.Icon({style_class: 'system-status-icon'});
        this._button.add_child(this._icon);
        this._button.menu.connect('open-state-changed', (_, open) => {
            if (open)
                opening();
        });
        Main.panel.addToStatusArea('vesperon', this._button);
    }

    show(model) {
        this._icon.gicon = this._icons.get(model.icon);
        this._button.menu.removeAll();
        fillMenu(this._button.menu, model, 0, this._icons, this._activate);
    }

    destroy() {
        this._button.destroy();
    }
}

// "Blackout" in Quick Settings: on blacks out every monitor, off wakes them; its menu toggles
// each monitor.
class BlackoutToggle {
    constructor(icons, activate) {
        this._icons = icons;
        this._activate = activate;
        this._model = null;
        this._toggle = new QuickSettings.QuickMenuToggle({gicon: icons.get('display'), toggleMode: false});
        //: the Quick Settings toggle that blacks out every monitor, and its menu's title
        this._toggle['title' in this._toggle ? 'title' : 'label'] = qsTranslate('GnomeShell', 'Blackout');
        this._toggle.connect('clicked', () => this._clicked());
        this._indicator = new QuickSettings.SystemIndicator();
        this._indicator.quickSettingsItems.push(this._toggle);
        const quickSettings = Main.panel.statusArea.quickSettings;
        if (quickSettings.addExternalIndicator) { // GNOME 45 and later
            quickSettings.addExternalIndicator(this._indicator);
        } else {
            quickSettings._indicators.add_child(this._indicator);
            quickSettings._addItems(this._indicator.quickSettingsItems);
        }
    }

    show(model) {
        this._model = model;
        this._toggle.checked = model.dark;
        this._toggle.gicon = this._icons.get(model.icon);
        const menu = this._toggle.menu;
        menu.setHeader(this._icons.get(model.icon), qsTranslate('GnomeShell', 'Blackout'));
        menu.removeAll();
        const displays = model.named('blackout-display');
        if (displays)
            model.children(displays.id).forEach(item => menu.addMenuItem(menuItem(item, this._icons, this._activate)));
        const preferences = model.named('preferences');
        if (preferences) {
            menu.addMenuItem(new PopupMenu.PopupSeparatorMenuItem());
            menu.addMenuItem(menuItem(preferences, this._icons, this._activate));
        }
    }

    _clicked() {
        const item = this._model?.named(this._model.dark ? 'wake-all' : 'blackout-all');
        if (item?.enabled)
            this._activate(item);
    }

    destroy() {
        this._indicator.quickSettingsItems.forEach(item => item.destroy());
        this._indicator.destroy();
    }
}

class PanelMenus {
    constructor(report, path) {
        this._report = report;
        this._icons = new Icons(path);
        Gettext.bindtextdomain(gettextDomain, `${path}/locale`);
        this._revision = 0;
        this._button = null;
        this._toggle = null;
    }

    // No items: Vesperon's icon docks in a system tray instead, or Vesperon has gone.
    set(revision, icon, items) {
        if (!items.length) {
            this.destroy();
            return;
        }
        const model = new MenuModel(icon, items);
        if (!this._button) {
            this._button = new TopBarButton(this._icons, item => this._activate(item),
                () => this._report('MenuOpening', null));
        }
        if (!this._toggle && Main.panel.statusArea.quickSettings)
            this._toggle = new BlackoutToggle(this._icons, item => this._activate(item));
        this._revision = revision;
        this._button.show(model);
        this._toggle?.show(model);
    }

    _activate(item) {
        this._report('MenuActivated', new GLib.Variant('(ui)', [this._revision, item.id]));
    }

    destroy() {
        this._button?.destroy();
        this._toggle?.destroy();
        this._button = null;
        this._toggle = null;
    }
}
