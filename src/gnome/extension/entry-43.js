// Vesperon's GNOME Shell extension for GNOME 43 and 44 (the shell's own module format).
'use strict';

const {Clutter, Gio, GLib, GObject, Meta, Shell, St} = imports.gi;
const Gettext = imports.gettext;
const Main = imports.ui.main;
const PanelMenu = imports.ui.panelMenu;
const PopupMenu = imports.ui.popupMenu;
const QuickSettings = imports.ui.quickSettings;
const Me = imports.misc.extensionUtils.getCurrentExtension();

//@service@

class Extension {
    enable() {
        this._service = new Service(Me.path);
    }

    disable() {
        this._service.destroy();
        this._service = null;
    }
}

function init() {
    return new Extension();
}
