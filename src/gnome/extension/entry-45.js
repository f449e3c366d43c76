// Vesperon's GNOME Shell extension for GNOME 45 and later (ES modules).
import Clutter from 'gi://Clutter';
import Gettext from 'gettext';
import Gio from 'gi://Gio';
import GLib from 'gi://GLib';
import GObject from 'gi://GObject';
import Meta from 'gi://Meta';
import Shell from 'gi://Shell';
import St from 'gi://St';
import * as Main from 'resource:///org/gnome/shell/ui/main.js';
import * as PanelMenu from 'resource:///org/gnome/shell/ui/panelMenu.js';
import * as PopupMenu from 'resource:///org/gnome/shell/ui/popupMenu.js';
import * as QuickSettings from 'resource:///org/gnome/shell/ui/quickSettings.js';
import {Extension} from 'resource:///org/gnome/shell/extensions/extension.js';

//@service@

export default class VesperonExtension extends Extension {
    enable() {
        this._service = new Service(this.path);
    }

    disable() {
        this._service.destroy();
        this._service = null;
    }
}
