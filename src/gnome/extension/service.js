// Vesperon's hand inside GNOME Shell, which lets no other program put windows above its own or
// bind keys: black actors on the stage, key bindings, and the user's input over them, all on
// Vesperon's word over D-Bus. Every decision stays in Vesperon. The build puts this between the
// imports and the entry point of the shell's module format (entry-43.js, entry-45.js).

// Owned while the extension runs, so Vesperon can tell at once whether it is there.
const busName = 'io.github.vesperon.Vesperon.Shell';
const objectPath = '/org/gnome/Shell/Extensions/Vesperon';
// From data/dbus/io.github.vesperon.Vesperon.Shell.xml, put here by the build.
const interfaceXml = `@interfaceXml@`;

const motionInterval = 50; // ms

// Reactive, so a click on black goes no further; Activity tells of it.
class Overlays {
    constructor() {
        this._actors = [];
        // 'actor-added' until GNOME 45, 'child-added' after
        const added = GObject.signal_lookup('child-added', global.stage.constructor.$gtype) ? 'child-added' : 'actor-added';
        this._raise = global.stage.connect(added, () => this._raiseAll());
    }

    // x, y, width and height of each overlay in turn
    set(corners, opacity) {
        this._actors.forEach(actor => actor.destroy());
        this._actors = [];
        for (let i = 0; i + 3 < corners.length; i += 4)
            this._actors.push(this._make(...corners.slice(i, i + 4), opacity));
    }

    _make(x, y, width, height, opacity) {
        const actor = new St.Widget({x, y, width, height, reactive: true, style: 'background-color: black;',
            opacity: Math.round(255 * Math.min(Math.max(opacity, 0), 1))});
        global.stage.add_child(actor);
        return actor;
    }

    // Whatever the shell adds to the stage later (a notification, the OSD) stays beneath.
    _raiseAll() {
        this._actors.forEach(actor => global.stage.set_child_above_sibling(actor, null));
    }

    destroy() {
        global.stage.disconnect(this._raise);
        this.set([], 1);
    }
}

class Keys {
    constructor(report) {
        this._report = report;
        this._actions = new Set();
        this._activated = global.display.connect('accelerator-activated', (_, action) => {
            if (this._actions.has(action))
                this._report('Hotkey', new GLib.Variant('(u)', [action]));
        });
    }

    // 0 when the shell or another program has the combination already.
    grab(accelerator) {
        const action = global.display.grab_accelerator(accelerator, Meta.KeyBindingFlags.NONE);
        if (action === Meta.KeyBindingAction.NONE)
            return 0;
        Main.wm.allowKeybinding(Meta.external_binding_name_for_action(action), Shell.ActionMode.ALL);
        this._actions.add(action);
        return action;
    }

    ungrab(action) {
        if (!this._actions.delete(action))
            return;
        Main.wm.allowKeybinding(Meta.external_binding_name_for_action(action), Shell.ActionMode.NONE);
        global.display.ungrab_accelerator(action);
    }

    clear() {
        [...this._actions].forEach(action => this.ungrab(action));
    }

    destroy() {
        this.clear();
        global.display.disconnect(this._activated);
    }
}

// Watches on the shell's idle monitor, removed together.
class Watches {
    constructor() {
        this._monitor = global.backend.get_core_idle_monitor();
        this._ids = new Set();
    }

    get idleTime() {
        return this._monitor.get_idletime();
    }

    // Fires each time no input came for `period` ms.
    idle(period, callback) {
        const id = this._monitor.add_idle_watch(period, callback);
        this._ids.add(id);
        return id;
    }

    // Fires once, on the next input, while the shell handles it.
    active(callback) {
        const id = this._monitor.add_user_active_watch(() => {
            this._ids.delete(id);
            callback();
        });
        this._ids.add(id);
        return id;
    }

    remove(id) {
        if (this._ids.delete(id))
            this._monitor.remove_watch(id);
    }

    clear() {
        this._ids.forEach(id => this._monitor.remove_watch(id));
        this._ids.clear();
    }
}

// Every key press, click, wheel turn and movement, wherever it goes, told as it comes and left to
// reach its window. The idle monitor calls back while the shell handles the event (windows' input
// never passes the stage's event filters), so the event itself says what it was.
class Activity {
    constructor(report) {
        this._report = report;
        this._watches = new Watches();
        this._again = 0;
        this._lastMotion = 0;
    }

    watch(wanted) {
        this._watches.clear();
        if (this._again)
            GLib.source_remove(this._again);
        this._again = 0;
        if (wanted)
            this._arm();
    }

    // A watch fires once; the next is added on the next turn, since the monitor is still going
    // through its watches, and before the next batch of input.
    _arm() {
        this._watches.active(() => {
            this._tell(Clutter.get_current_event());
            this._again = GLib.idle_add(GLib.PRIORITY_HIGH, () => {
                this._again = 0;
                this._arm();
                return GLib.SOURCE_REMOVE;
            });
        });
    }

    _tell(event) {
        const type = event ? event.type() : Clutter.EventType.NOTHING;
        switch (type) {
        case Clutter.EventType.KEY_PRESS:
            this._report('Key', new GLib.Variant('(uu)', [event.get_key_code(), event.get_state()]));
            break;
        case Clutter.EventType.BUTTON_PRESS:
            this._pointer(event, event.get_button() === Clutter.BUTTON_SECONDARY ? 'right' : 'left');
            break;
        case Clutter.EventType.TOUCH_BEGIN:
            this._pointer(event, 'left');
            break;
        case Clutter.EventType.SCROLL:
        case Clutter.EventType.MOTION:
        case Clutter.EventType.TOUCH_UPDATE:
            // A touchpad sends both by the hundred: one report per interval is enough to wake.
            if (event.get_time() - this._lastMotion >= motionInterval) {
                this._lastMotion = event.get_time();
                this._pointer(event, type === Clutter.EventType.SCROLL ? 'scroll' : 'motion');
            }
            break;
        }
    }

    _pointer(event, kind) {
        const [x, y] = event.get_coords();
        this._report('Pointer', new GLib.Variant('(sii)', [kind, Math.round(x), Math.round(y)]));
    }
}

// No input for a period counted from when the watch began (input before it does not count); once.
class IdleTime {
    constructor(report) {
        this._report = report;
        this._watches = new Watches();
    }

    watch(period) {
        this._watches.clear();
        if (!period)
            return;
        const fire = () => {
            this._watches.clear();
            this._report('Idle', null);
        };
        let idle = this._watches.idle(this._watches.idleTime + period, fire);
        this._watches.active(() => {
            this._watches.remove(idle);
            idle = this._watches.idle(period, fire);
        });
    }
}

class Service {
    // `path`: the extension's folder, with its icons.
    constructor(path) {
        const report = (name, parameters) => this._object.emit_signal(name, parameters);
        this._overlays = new Overlays();
        this._activity = new Activity(report);
        this._keys = new Keys(report);
        this._idleTime = new IdleTime(report);
        this._panel = new PanelMenus(report, path);
        this._owner = null;
        this._ownerWatch = 0;
        this._object = Gio.DBusExportedObject.wrapJSObject(interfaceXml, this);
        this._object.export(Gio.DBus.session, objectPath);
        this._name = Gio.bus_own_name_on_connection(Gio.DBus.session, busName, Gio.BusNameOwnerFlags.NONE, null, null);
    }

    SetOverlaysAsync([corners, opacity], invocation) {
        this._adopt(invocation);
        this._overlays.set(corners, opacity);
        invocation.return_value(null);
    }

    GrabKeyAsync([accelerator], invocation) {
        this._adopt(invocation);
        invocation.return_value(new GLib.Variant('(u)', [this._keys.grab(accelerator)]));
    }

    UngrabKeyAsync([action], invocation) {
        this._keys.ungrab(action);
        invocation.return_value(null);
    }

    WatchActivityAsync([wanted], invocation) {
        this._adopt(invocation);
        this._activity.watch(wanted);
        invocation.return_value(null);
    }

    SetMenuAsync([revision, icon, items], invocation) {
        this._adopt(invocation);
        this._panel.set(revision, icon, items);
        invocation.return_value(null);
    }

    GetPointerAsync(_parameters, invocation) {
        const [x, y] = global.get_pointer();
        invocation.return_value(new GLib.Variant('(ii)', [x, y]));
    }

    WatchIdleAsync([period], invocation) {
        this._adopt(invocation);
        this._idleTime.watch(period);
        invocation.return_value(null);
    }

    // What a program set up goes when it leaves the bus, however it ends: nobody is left behind
    // a black screen by a crash.
    _adopt(invocation) {
        const sender = invocation.get_sender();
        if (sender === this._owner)
            return;
        this._release();
        this._owner = sender;
        this._ownerWatch = Gio.bus_watch_name_on_connection(Gio.DBus.session, sender,
            Gio.BusNameWatcherFlags.NONE, null, () => this._release());
    }

    _release() {
        if (this._ownerWatch)
            Gio.bus_unwatch_name(this._ownerWatch);
        this._owner = null;
        this._ownerWatch = 0;
        this._activity.watch(false);
        this._idleTime.watch(0);
        this._keys.clear();
        this._overlays.set([], 1);
        this._panel.destroy();
    }

    destroy() {
        this._release();
        Gio.bus_unown_name(this._name);
        this._object.unexport();
        this._keys.destroy();
        this._overlays.destroy();
    }
}
