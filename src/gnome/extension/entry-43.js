// Vesperon's GNOME Shell extension for GNOME 43 and 44 (the shell's own module format).
'use strict';

const {Clutter, Gio, GLib, GObject, Meta, Shell, St} = imports.gi;
const Main = imports.ui.main;

//@service@

class Extension {
    enable() {
        this._service = new Service();
    }

    disable() {
        this._service.destroy();
        this._service = null;
    }
}

function init() {
    return new Extension();
}
