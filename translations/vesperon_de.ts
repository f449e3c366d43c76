<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>AppDelegate</name>
    <message>
        <source>Hotkeys belong to the desktop</source>
        <extracomment>A notification&apos;s title, at start on a desktop where only the desktop itself takes global keys.</extracomment>
        <translation>Die Arbeitsumgebung verwaltet die Tastenkürzel</translation>
    </message>
    <message>
        <source>On this desktop no program can take keys for itself: bind %1 to commands such as &apos;vesperon --toggle&apos; in the desktop&apos;s keyboard settings</source>
        <extracomment>The notification&apos;s text; %1 is the hotkeys, such as &quot;Ctrl+Alt+B, Ctrl+Alt+W&quot;.</extracomment>
        <translation>In dieser Arbeitsumgebung kann kein Programm Tasten für sich beanspruchen: Weisen Sie %1 in den Tastatureinstellungen der Arbeitsumgebung Befehlen wie &apos;vesperon --toggle&apos; zu</translation>
    </message>
    <message>
        <source>Hotkeys taken by another program</source>
        <extracomment>A notification&apos;s title, at start, when another program holds some of Vesperon&apos;s hotkeys.</extracomment>
        <translation>Tastenkürzel von einem anderen Programm belegt</translation>
    </message>
    <message>
        <source>%1 is taken by another program; Vesperon will use it as soon as it is free, or set another in its preferences</source>
        <extracomment>The notification&apos;s text; %1 is one hotkey, such as &quot;Ctrl+Alt+B&quot;.</extracomment>
        <translation>%1 ist von einem anderen Programm belegt; Vesperon verwendet es, sobald es frei ist, oder legen Sie in den Einstellungen ein anderes fest</translation>
    </message>
    <message>
        <source>%1 are taken by another program; Vesperon will use them as soon as they are free, or set another in its preferences</source>
        <extracomment>The notification&apos;s text; %1 is two or more hotkeys, such as &quot;Ctrl+Alt+B, Ctrl+Alt+W&quot;.</extracomment>
        <translation>%1 sind von einem anderen Programm belegt; Vesperon verwendet sie, sobald sie frei sind, oder legen Sie in den Einstellungen andere fest</translation>
    </message>
</context>
<context>
    <name>AppStream</name>
    <message>
        <source>Black out chosen monitors of a multi-monitor desktop</source>
        <extracomment>the software centre&apos;s page</extracomment>
        <translation>Ausgewählte Bildschirme eines Arbeitsplatzes mit mehreren Bildschirmen abdunkeln</translation>
    </message>
    <message>
        <source>The Vesperon developers</source>
        <extracomment>the software centre&apos;s page</extracomment>
        <translation>Die Vesperon-Entwickler</translation>
    </message>
    <message>
        <source>Vesperon covers the monitors you choose with black windows that stay above everything else, so that your attention stays on the monitors that remain lit, or so that an OLED panel rests.</source>
        <extracomment>the software centre&apos;s page</extracomment>
        <translation>Vesperon bedeckt die von Ihnen gewählten Bildschirme mit schwarzen Fenstern, die über allem anderen bleiben, sodass Ihre Aufmerksamkeit bei den hell gebliebenen Bildschirmen bleibt oder ein OLED-Bildschirm geschont wird.</translation>
    </message>
    <message>
        <source>Black out every monitor, one monitor, or every monitor but one, from the tray menu</source>
        <extracomment>the software centre&apos;s page</extracomment>
        <translation>Alle Bildschirme, einen Bildschirm oder alle außer einem über das Menü im Statusbereich abdunkeln</translation>
    </message>
    <message>
        <source>Global hotkeys that work whatever program is in front: one for every monitor, and for each monitor one that toggles it and one that keeps only it lit</source>
        <extracomment>the software centre&apos;s page</extracomment>
        <translation>Globale Tastenkürzel, die unabhängig vom Programm im Vordergrund funktionieren: eines für alle Bildschirme und für jeden Bildschirm eines zum Umschalten und eines, das nur ihn hell lässt</translation>
    </message>
    <message>
        <source>Wakes every monitor when you come back: a click, a key you allow, or mouse movement if you want, after an optional delay</source>
        <extracomment>the software centre&apos;s page</extracomment>
        <translation>Weckt alle Bildschirme auf, wenn Sie zurückkommen: durch einen Klick, eine von Ihnen erlaubte Taste oder auf Wunsch eine Mausbewegung, nach einer optionalen Verzögerung</translation>
    </message>
    <message>
        <source>Control+Super+Escape always wakes every monitor at once</source>
        <extracomment>the software centre&apos;s page</extracomment>
        <translation>Control+Super+Escape weckt immer alle Bildschirme sofort auf</translation>
    </message>
    <message>
        <source>A command line and a D-Bus interface for key bindings and scripts</source>
        <extracomment>the software centre&apos;s page</extracomment>
        <translation>Eine Befehlszeile und eine D-Bus-Schnittstelle für Tastenbelegungen und Skripte</translation>
    </message>
    <message>
        <source>Vesperon only watches input: every key and click still reaches the program in front.</source>
        <extracomment>the software centre&apos;s page</extracomment>
        <translation>Vesperon beobachtet Eingaben nur: Jede Taste und jeder Klick erreicht weiterhin das Programm im Vordergrund.</translation>
    </message>
    <message>
        <source>The tray menu, with one monitor dark</source>
        <extracomment>the software centre&apos;s page</extracomment>
        <translation>Das Menü im Statusbereich, mit einem dunklen Bildschirm</translation>
    </message>
    <message>
        <source>The preferences: hotkeys, wake keys, wake delay and launch at login</source>
        <extracomment>the software centre&apos;s page</extracomment>
        <translation>Die Einstellungen: Tastenkürzel, Wecktasten, Weckverzögerung und Start beim Anmelden</translation>
    </message>
    <message>
        <source>The first release, for X11 desktops.</source>
        <extracomment>the software centre&apos;s page</extracomment>
        <translation>Die erste Veröffentlichung, für X11-Arbeitsumgebungen.</translation>
    </message>
</context>
<context>
    <name>AutostartEntry</name>
    <message>
        <source>cannot write %1</source>
        <extracomment>Why launch at login could not be turned on; %1 is a file&apos;s path.</extracomment>
        <translation>%1 kann nicht geschrieben werden</translation>
    </message>
</context>
<context>
    <name>BindLineView</name>
    <message>
        <source>Copy</source>
        <extracomment>Button beside a hotkey&apos;s binding line: puts the line on the clipboard</extracomment>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Line that binds the %1</source>
        <extracomment>Screen reader name of the line; %1 is the hotkey, e.g. &quot;Blackout All hotkey&quot;</extracomment>
        <translation>Zeile, die das %1 festlegt</translation>
    </message>
    <message>
        <source>For the desktop&apos;s configuration file</source>
        <translation>Für die Konfigurationsdatei der Arbeitsumgebung</translation>
    </message>
    <message>
        <source>Copy the line that binds the %1</source>
        <extracomment>Screen reader name of the Copy button; %1 is the hotkey, e.g. &quot;Blackout All hotkey&quot;</extracomment>
        <translation>Zeile kopieren, die das %1 festlegt</translation>
    </message>
    <message>
        <source>Puts the line on the clipboard</source>
        <translation>Kopiert die Zeile in die Zwischenablage</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>--backend takes x11 or wayland</source>
        <extracomment>An error on the command line; --backend, x11 and wayland are typed as they are.</extracomment>
        <translation>--backend erwartet x11 oder wayland</translation>
    </message>
    <message>
        <source>--dim takes a level from 0.5 (dim) to 1 (black), or 50% to 100%</source>
        <extracomment>An error on the command line; --dim is typed as it is.</extracomment>
        <translation>--dim erwartet eine Stufe von 0.5 (gedimmt) bis 1 (schwarz) oder 50% bis 100%</translation>
    </message>
    <message>
        <source>--idle-minutes takes whole minutes from 1 to 120, or 0 for never</source>
        <extracomment>An error on the command line; --idle-minutes is typed as it is.</extracomment>
        <translation>--idle-minutes erwartet ganze Minuten von 1 bis 120 oder 0 für nie</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <extracomment>An error on the command line; %1 is the option as the user typed it.</extracomment>
        <translation>unbekannte Option &apos;%1&apos;</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <extracomment>An error on the command line; %1 is the argument as the user typed it.</extracomment>
        <translation>unerwartetes Argument &apos;%1&apos;</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <extracomment>An error on the command line; %1 is an option, such as --wake.</extracomment>
        <translation>%1 erwartet keinen Wert</translation>
    </message>
    <message>
        <source>%1 needs a display: its identifier, connector name or position in --list-displays</source>
        <extracomment>An error on the command line; %1 is an option, such as --blackout.</extracomment>
        <translation>%1 erwartet einen Bildschirm: seine Kennung, seinen Anschlussnamen oder seine Position in --list-displays</translation>
    </message>
    <message>
        <source>--json goes with --status or --list-displays</source>
        <extracomment>An error on the command line; the options are typed as they are.</extracomment>
        <translation>--json ist nur mit --status oder --list-displays möglich</translation>
    </message>
    <message>
        <source>--backend goes with starting Vesperon, not with commands to it</source>
        <extracomment>An error on the command line; --backend is typed as it is.</extracomment>
        <translation>--backend gilt nur beim Starten von Vesperon, nicht für Befehle an Vesperon</translation>
    </message>
    <message>
        <source>Usage: %1
       %2</source>
        <extracomment>Printed after an error on the command line. %1 is how to give the running Vesperon commands, %2 how to start it, both typed as they are; keep the second line under the first&apos;s %1.</extracomment>
        <translation>Aufruf: %1
        %2</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <extracomment>The help&apos;s first line; %1 is the command&apos;s form, typed as it is.</extracomment>
        <translation>Aufruf: %1</translation>
    </message>
    <message>
        <source>Black out chosen monitors from the tray, with global hotkeys, or from the command line.</source>
        <extracomment>The help&apos;s second line: what Vesperon is for.</extracomment>
        <translation>Ausgewählte Bildschirme über den Statusbereich, mit globalen Tastenkürzeln oder
über die Befehlszeile abdunkeln.</translation>
    </message>
    <message>
        <source>Without an option, start Vesperon; when it runs already, open its preferences window.</source>
        <extracomment>In the help, before the option that goes with starting Vesperon.</extracomment>
        <translation>Ohne Option: Vesperon starten; läuft es schon, das Einstellungsfenster öffnen.</translation>
    </message>
    <message>
        <source>start on this display server&apos;s backend instead of the
one Vesperon chooses for the session</source>
        <extracomment>The help&apos;s description of --backend x11|wayland; a line break goes on under the description.</extracomment>
        <translation>mit dem Backend dieses Anzeigeservers starten statt
mit dem, das Vesperon für die Sitzung wählt</translation>
    </message>
    <message>
        <source>With options, tell the running Vesperon what to do, in the order given:</source>
        <extracomment>In the help, before the options that are commands to the running Vesperon.</extracomment>
        <translation>Mit Optionen: dem laufenden Vesperon der Reihe nach Befehle geben:</translation>
    </message>
    <message>
        <source>black out every monitor</source>
        <extracomment>The help&apos;s description of --blackout-all.</extracomment>
        <translation>alle Bildschirme abdunkeln</translation>
    </message>
    <message>
        <source>wake every monitor</source>
        <extracomment>The help&apos;s description of --wake.</extracomment>
        <translation>alle Bildschirme aufwecken</translation>
    </message>
    <message>
        <source>black out every monitor, or wake them all during a blackout</source>
        <extracomment>The help&apos;s description of --toggle.</extracomment>
        <translation>alle Bildschirme abdunkeln oder während einer
Abdunklung alle aufwecken</translation>
    </message>
    <message>
        <source>black out one monitor</source>
        <extracomment>The help&apos;s description of --blackout DISPLAY.</extracomment>
        <translation>einen Bildschirm abdunkeln</translation>
    </message>
    <message>
        <source>wake one monitor</source>
        <extracomment>The help&apos;s description of --wake-display DISPLAY.</extracomment>
        <translation>einen Bildschirm aufwecken</translation>
    </message>
    <message>
        <source>black out one monitor, or wake it when it is dark</source>
        <extracomment>The help&apos;s description of --toggle-display DISPLAY.</extracomment>
        <translation>einen Bildschirm abdunkeln oder ihn aufwecken,
wenn er dunkel ist</translation>
    </message>
    <message>
        <source>black out every monitor but this one</source>
        <extracomment>The help&apos;s description of --keep-only DISPLAY.</extracomment>
        <translation>alle Bildschirme außer diesem abdunkeln</translation>
    </message>
    <message>
        <source>let a blackout dim instead, from 0.5 (half) to 1 (black,
the default), or 50% to 100%; it needs a compositor</source>
        <extracomment>The help&apos;s description of --dim LEVEL; a line break goes on under the description.</extracomment>
        <translation>eine Abdunklung nur dimmen, von 0.5 (halb) bis
1 (schwarz, Standard) oder 50% bis 100%; erfordert
einen Compositor</translation>
    </message>
    <message>
        <source>black out by itself after N minutes (1 to 120) without
input; 0 never does</source>
        <extracomment>The help&apos;s description of --idle-minutes N; keep N, and a line break goes on under the description.</extracomment>
        <translation>nach N Minuten (1 bis 120) ohne Eingabe von selbst
abdunkeln; 0 bedeutet nie</translation>
    </message>
    <message>
        <source>open the preferences window</source>
        <extracomment>The help&apos;s description of --preferences.</extracomment>
        <translation>das Einstellungsfenster öffnen</translation>
    </message>
    <message>
        <source>wake every monitor and quit</source>
        <extracomment>The help&apos;s description of --quit.</extracomment>
        <translation>alle Bildschirme aufwecken und beenden</translation>
    </message>
    <message>
        <source>say whether a blackout is active and which monitors are dark</source>
        <extracomment>The help&apos;s description of --status.</extracomment>
        <translation>anzeigen, ob eine Abdunklung aktiv ist und welche
Bildschirme dunkel sind</translation>
    </message>
    <message>
        <source>list the monitors</source>
        <extracomment>The help&apos;s description of --list-displays.</extracomment>
        <translation>die Bildschirme auflisten</translation>
    </message>
    <message>
        <source>print --status and --list-displays as JSON</source>
        <extracomment>The help&apos;s description of --json; the options are typed as they are.</extracomment>
        <translation>--status und --list-displays als JSON ausgeben</translation>
    </message>
    <message>
        <source>show this help and exit</source>
        <extracomment>The help&apos;s description of -h, --help.</extracomment>
        <translation>diese Hilfe anzeigen und beenden</translation>
    </message>
    <message>
        <source>show the version and exit</source>
        <extracomment>The help&apos;s description of --version.</extracomment>
        <translation>die Version anzeigen und beenden</translation>
    </message>
    <message>
        <source>DISPLAY is a monitor&apos;s identifier, its connector name (DP-1, HDMI-1, eDP-1) or its
position in --list-displays, counting from 1.</source>
        <extracomment>In the help, after the options; keep DISPLAY and --list-displays, and break the lines where they fit.</extracomment>
        <translation>DISPLAY ist die Kennung eines Bildschirms, sein Anschlussname
(DP-1, HDMI-1, eDP-1) oder seine Position in --list-displays, von 1 an gezählt.</translation>
    </message>
    <message>
        <source>Exit status: 0 done; 1 Vesperon is not running; 2 bad usage or an unknown display;
3 no D-Bus session bus.</source>
        <extracomment>The help&apos;s last paragraph: the numbers the program exits with; break the lines where they fit.</extracomment>
        <translation>Rückgabewert: 0 erledigt; 1 Vesperon läuft nicht; 2 falscher Aufruf oder
unbekannter Bildschirm; 3 kein D-Bus-Sitzungsbus.</translation>
    </message>
    <message>
        <source>--idle-scope takes all, all-but-pointer or each-display</source>
        <extracomment>An error on the command line; --idle-scope and its values are typed as they are.</extracomment>
        <translation>--idle-scope nimmt all, all-but-pointer oder each-display</translation>
    </message>
    <message>
        <source>which displays the idle blackout darkens: all,
all-but-pointer, or each-display, each one the pointer
has left alone that long</source>
        <extracomment>The help&apos;s description of --idle-scope; keep the option&apos;s values, and a line break goes on under the description.</extracomment>
        <translation>welche Bildschirme die Abdunklung bei Inaktivität
betrifft: all, all-but-pointer oder each-display,
jeder, den der Mauszeiger so lange in Ruhe ließ</translation>
    </message>
</context>
<context>
    <name>ControlService</name>
    <message>
        <source>no display &quot;%1&quot;; the displays are: %2</source>
        <extracomment>A command named a monitor that is not there. %1 is the name as given, %2 the list of monitors, such as &quot;1 DELL U2720Q (DP-1), 2 HDMI-1&quot;.</extracomment>
        <translation>kein Bildschirm &quot;%1&quot;; vorhandene Bildschirme: %2</translation>
    </message>
</context>
<context>
    <name>DBusControlClient</name>
    <message>
        <source>there is no D-Bus session bus (DBUS_SESSION_BUS_ADDRESS is not set), so Vesperon cannot be reached</source>
        <extracomment>An error of a command to the running Vesperon; DBUS_SESSION_BUS_ADDRESS is the environment variable.</extracomment>
        <translation>es gibt keinen D-Bus-Sitzungsbus (DBUS_SESSION_BUS_ADDRESS ist nicht gesetzt), daher ist Vesperon nicht erreichbar</translation>
    </message>
    <message>
        <source>cannot connect to the D-Bus session bus: %1</source>
        <extracomment>An error of a command to the running Vesperon; %1 is the bus&apos;s own error message.</extracomment>
        <translation>keine Verbindung zum D-Bus-Sitzungsbus möglich: %1</translation>
    </message>
    <message>
        <source>Vesperon did not quit within %1 s</source>
        <extracomment>An error of --quit; %1 is a number of seconds.</extracomment>
        <translation>Vesperon wurde nicht innerhalb von %1&#xa0;s beendet</translation>
    </message>
    <message>
        <source>Vesperon is not running; start it with &apos;vesperon&apos; or from the application menu</source>
        <extracomment>An error of a command when Vesperon is not running; &apos;vesperon&apos; is the command, typed as it is.</extracomment>
        <translation>Vesperon läuft nicht; starten Sie es mit &apos;vesperon&apos; oder über das Anwendungsmenü</translation>
    </message>
    <message>
        <source>Vesperon did not answer: %1</source>
        <extracomment>An error of a command to the running Vesperon; %1 is the D-Bus error message.</extracomment>
        <translation>Vesperon hat nicht geantwortet: %1</translation>
    </message>
</context>
<context>
    <name>DBusControlServer</name>
    <message>
        <source>no D-Bus session bus; commands such as &apos;vesperon --toggle&apos; cannot reach it</source>
        <extracomment>Said at start; &apos;vesperon --toggle&apos; is a command, typed as it is.</extracomment>
        <translation>kein D-Bus-Sitzungsbus; Befehle wie &apos;vesperon --toggle&apos; können Vesperon nicht erreichen</translation>
    </message>
    <message>
        <source>cannot connect to the session bus: %1</source>
        <extracomment>Said at start; %1 is the bus&apos;s own error message.</extracomment>
        <translation>keine Verbindung zum Sitzungsbus möglich: %1</translation>
    </message>
    <message>
        <source>another program holds %1 on the session bus; commands go to it, not to this Vesperon</source>
        <extracomment>Said at start; %1 is Vesperon&apos;s name on the bus, io.github.vesperon.Vesperon.</extracomment>
        <translation>ein anderes Programm belegt %1 auf dem Sitzungsbus; Befehle gehen an dieses Programm, nicht an diese Vesperon-Instanz</translation>
    </message>
    <message>
        <source>Vesperon serves its own user only</source>
        <extracomment>A D-Bus error&apos;s message, to a program of another user.</extracomment>
        <translation>Vesperon steht nur dem eigenen Benutzer zur Verfügung</translation>
    </message>
    <message>
        <source>No method %1</source>
        <extracomment>A D-Bus error&apos;s message; %1 is the name of the method called.</extracomment>
        <translation>Keine Methode %1</translation>
    </message>
    <message>
        <source>Wrong arguments for %1</source>
        <extracomment>A D-Bus error&apos;s message; %1 is the name of the method called.</extracomment>
        <translation>Falsche Argumente für %1</translation>
    </message>
    <message>
        <source>The dim level is from 0.5 to 1</source>
        <extracomment>A D-Bus error&apos;s message, to a call of SetDimLevel.</extracomment>
        <translation>Die Dimmstufe liegt zwischen 0.5 und 1</translation>
    </message>
    <message>
        <source>The idle minutes are from 0 (never) to 120</source>
        <extracomment>A D-Bus error&apos;s message, to a call of SetIdleMinutes.</extracomment>
        <translation>Die Inaktivitätsminuten liegen zwischen 0 (nie) und 120</translation>
    </message>
    <message>
        <source>No interface %1</source>
        <extracomment>A D-Bus error&apos;s message; %1 is the name of the interface asked for.</extracomment>
        <translation>Keine Schnittstelle %1</translation>
    </message>
    <message>
        <source>The state is read-only</source>
        <extracomment>A D-Bus error&apos;s message, to a program that tried to set Vesperon&apos;s state properties.</extracomment>
        <translation>Der Zustand ist schreibgeschützt</translation>
    </message>
    <message>
        <source>No property %1</source>
        <extracomment>A D-Bus error&apos;s message; %1 is the name of the property asked for.</extracomment>
        <translation>Keine Eigenschaft %1</translation>
    </message>
    <message>
        <source>The idle scope is all, allButPointer or eachDisplay</source>
        <extracomment>A D-Bus error&apos;s message, to a call of SetIdleScope; the names are typed as they are.</extracomment>
        <translation>Der Bereich der Abdunklung bei Inaktivität ist all, allButPointer oder eachDisplay</translation>
    </message>
</context>
<context>
    <name>DesktopEntry</name>
    <message>
        <source>Display Blackout</source>
        <extracomment>the launcher&apos;s GenericName</extracomment>
        <translation>Bildschirm-Abdunklung</translation>
    </message>
    <message>
        <source>Black out chosen monitors so that the others hold your attention</source>
        <extracomment>the launcher&apos;s Comment</extracomment>
        <translation>Ausgewählte Bildschirme abdunkeln, damit die anderen Ihre Aufmerksamkeit behalten</translation>
    </message>
    <message>
        <source>monitor;display;screen;blackout;black;dark;OLED;multi-monitor;focus;</source>
        <extracomment>search words for the launcher: keep the semicolons, add your language&apos;s words</extracomment>
        <translation>monitor;display;screen;blackout;black;dark;OLED;multi-monitor;focus;Bildschirm;abdunkeln;Abdunklung;verdunkeln;schwarz;dunkel;mehrere Bildschirme;Fokus;Konzentration;</translation>
    </message>
    <message>
        <source>Blackout All</source>
        <extracomment>the launcher&apos;s Name</extracomment>
        <translation>Alle abdunkeln</translation>
    </message>
    <message>
        <source>Wake All Displays</source>
        <extracomment>the launcher&apos;s Name</extracomment>
        <translation>Alle Bildschirme aufwecken</translation>
    </message>
</context>
<context>
    <name>DesktopKeyBinding</name>
    <message>
        <source>This desktop binds keys itself: add these lines to its configuration file and reload it.</source>
        <translation>Diese Arbeitsumgebung weist Tasten selbst zu: Fügen Sie diese Zeilen zu ihrer Konfigurationsdatei hinzu und laden Sie die Konfiguration neu.</translation>
    </message>
    <message>
        <source>This desktop binds keys itself: add these lines to hyprland.conf.</source>
        <translation>Diese Arbeitsumgebung weist Tasten selbst zu: Fügen Sie diese Zeilen zu hyprland.conf hinzu.</translation>
    </message>
    <message>
        <source>This desktop binds keys itself: add these lines to the binds section of niri&apos;s config.kdl.</source>
        <translation>Diese Arbeitsumgebung weist Tasten selbst zu: Fügen Sie diese Zeilen zum Abschnitt binds der config.kdl von niri hinzu.</translation>
    </message>
    <message>
        <source>This desktop binds keys itself: add these lines to the keyboard section of labwc&apos;s rc.xml and reconfigure it.</source>
        <translation>Diese Arbeitsumgebung weist Tasten selbst zu: Fügen Sie diese Zeilen zum Abschnitt keyboard der rc.xml von labwc hinzu und konfigurieren Sie labwc neu.</translation>
    </message>
    <message>
        <source>This desktop binds keys itself: add a custom shortcut in its keyboard settings for each command below.</source>
        <translation>Diese Arbeitsumgebung weist Tasten selbst zu: Legen Sie in ihren Tastatureinstellungen für jeden der folgenden Befehle ein eigenes Tastenkürzel an.</translation>
    </message>
</context>
<context>
    <name>Dimming</name>
    <message>
        <source>Needs an X server</source>
        <extracomment>why dimming is unavailable</extracomment>
        <translation>Erfordert einen X-Server</translation>
    </message>
    <message>
        <source>Needs a compositing manager (such as picom); none is running</source>
        <extracomment>why dimming is unavailable</extracomment>
        <translation>Erfordert einen Compositing-Manager (wie picom); es läuft keiner</translation>
    </message>
</context>
<context>
    <name>Display</name>
    <message>
        <source>Built-in Display</source>
        <extracomment>a laptop&apos;s own screen, in menus and hotkey lists</extracomment>
        <translation>Eingebauter Bildschirm</translation>
    </message>
    <message>
        <source>Display %1</source>
        <extracomment>a monitor known by no name or connector; %1 is its number</extracomment>
        <translation>Bildschirm %1</translation>
    </message>
</context>
<context>
    <name>DisplayHotkeyRow</name>
    <message>
        <source>Toggle hotkey for %1</source>
        <extracomment>What a screen reader calls the hotkey that darkens or lights one monitor; %1 is the monitor&apos;s name</extracomment>
        <translation>Tastenkürzel „Umschalten“ für %1</translation>
    </message>
    <message>
        <source>Keep Only hotkey for %1</source>
        <extracomment>What a screen reader calls the hotkey that keeps only one monitor lit; %1 is the monitor&apos;s name</extracomment>
        <translation>Tastenkürzel „Nur dieser hell“ für %1</translation>
    </message>
</context>
<context>
    <name>DisplayServerChoice</name>
    <message>
        <source>This Wayland desktop offers no layer-shell, so Vesperon runs through XWayland: keys pressed in Wayland windows reach neither its hotkeys nor its wake keys, and the desktop&apos;s own overlays may show above the black windows</source>
        <extracomment>Said at start and in the preferences, under a Wayland compositor without the layer-shell protocol.</extracomment>
        <translation>Diese Wayland-Arbeitsumgebung bietet kein layer-shell, daher läuft Vesperon über XWayland: In Wayland-Fenstern gedrückte Tasten erreichen weder seine Tastenkürzel noch seine Wecktasten, und die eigenen Einblendungen der Arbeitsumgebung können über den schwarzen Fenstern erscheinen</translation>
    </message>
    <message>
        <source>Vesperon&apos;s GNOME Shell extension is installed, but GNOME Shell loads new extensions only when the session starts: log out and in once to use it</source>
        <extracomment>Said at start and in the preferences, on GNOME just after the extension was installed.</extracomment>
        <translation>Die GNOME-Shell-Erweiterung von Vesperon ist installiert, aber GNOME Shell lädt neue Erweiterungen nur beim Start der Sitzung: Melden Sie sich einmal ab und wieder an, um sie zu verwenden</translation>
    </message>
    <message>
        <source>Vesperon&apos;s GNOME Shell extension is not installed. Without it Vesperon runs through XWayland: keys pressed in Wayland windows reach neither its hotkeys nor its wake keys (bind its commands in GNOME&apos;s keyboard settings instead), and the Overview and the shell&apos;s popups show above the black windows</source>
        <extracomment>Said at start and in the preferences, on GNOME without the extension; &quot;Overview&quot; is GNOME&apos;s own name.</extracomment>
        <translation>Die GNOME-Shell-Erweiterung von Vesperon ist nicht installiert. Ohne sie läuft Vesperon über XWayland: In Wayland-Fenstern gedrückte Tasten erreichen weder seine Tastenkürzel noch seine Wecktasten (weisen Sie seine Befehle stattdessen in den Tastatureinstellungen von GNOME zu), und die Übersicht sowie die Einblendungen der Shell erscheinen über den schwarzen Fenstern</translation>
    </message>
    <message>
        <source>Vesperon needs an X11 display and cannot connect to &quot;%1&quot;.</source>
        <extracomment>Said at start, when Vesperon cannot run; %1 is the X display&apos;s name, such as &quot;:0&quot;.</extracomment>
        <translation>Vesperon benötigt eine X11-Anzeige und kann keine Verbindung zu &quot;%1&quot; herstellen.</translation>
    </message>
    <message>
        <source>Vesperon needs an X11 display: DISPLAY is not set.</source>
        <extracomment>Said at start, when Vesperon cannot run; DISPLAY is the environment variable, typed as it is.</extracomment>
        <translation>Vesperon benötigt eine X11-Anzeige: DISPLAY ist nicht gesetzt.</translation>
    </message>
    <message>
        <source>Vesperon cannot run on Wayland: WAYLAND_DISPLAY is not set.</source>
        <extracomment>Said at start with --backend wayland; WAYLAND_DISPLAY is the environment variable, typed as it is.</extracomment>
        <translation>Vesperon kann nicht unter Wayland laufen: WAYLAND_DISPLAY ist nicht gesetzt.</translation>
    </message>
    <message>
        <source>Vesperon cannot run on Wayland here: the compositor at &quot;%1&quot; cannot be reached or offers no layer-shell.</source>
        <extracomment>Said at start with --backend wayland; %1 is the Wayland display&apos;s name, such as &quot;wayland-0&quot;.</extracomment>
        <translation>Vesperon kann hier nicht unter Wayland laufen: Der Compositor unter &quot;%1&quot; ist nicht erreichbar oder bietet kein layer-shell.</translation>
    </message>
</context>
<context>
    <name>FreedesktopApplication</name>
    <message>
        <source>%1 takes no parameter</source>
        <extracomment>A D-Bus error&apos;s message, to a launcher; %1 is the name of an action, such as blackout-all.</extracomment>
        <translation>%1 erwartet keinen Parameter</translation>
    </message>
    <message>
        <source>%1 takes the display, a string</source>
        <extracomment>A D-Bus error&apos;s message, to a launcher; %1 is the name of an action, such as blackout-display.</extracomment>
        <translation>%1 erwartet den Bildschirm als Zeichenkette</translation>
    </message>
    <message>
        <source>No action &quot;%1&quot;; the actions are: %2</source>
        <extracomment>A D-Bus error&apos;s message, to a launcher. %1 is the action asked for, %2 the list of actions there are, such as &quot;blackout-all, wake-all&quot;.</extracomment>
        <translation>Keine Aktion &quot;%1&quot;; vorhandene Aktionen: %2</translation>
    </message>
    <message>
        <source>Vesperon opens no files</source>
        <extracomment>A D-Bus error&apos;s message, to a launcher that asked Vesperon to open files.</extracomment>
        <translation>Vesperon öffnet keine Dateien</translation>
    </message>
    <message>
        <source>No method %1(%2) in %3</source>
        <extracomment>A D-Bus error&apos;s message. %1 is the method called, %2 its arguments&apos; D-Bus signature, %3 the interface.</extracomment>
        <translation>Keine Methode %1(%2) in %3</translation>
    </message>
</context>
<context>
    <name>GnomeShell</name>
    <message>
        <source>Blackout</source>
        <extracomment>the Quick Settings toggle that blacks out every monitor, and its menu&apos;s title</extracomment>
        <translation>Abdunklung</translation>
    </message>
</context>
<context>
    <name>Hotkeys</name>
    <message>
        <source>Blackout All</source>
        <extracomment>a hotkey&apos;s name in the desktop&apos;s shortcut settings</extracomment>
        <translation>Alle abdunkeln</translation>
    </message>
    <message>
        <source>Wake All Displays (Safety)</source>
        <extracomment>a hotkey&apos;s name in the desktop&apos;s shortcut settings: Control+Super+Escape, which always wakes</extracomment>
        <translation>Alle Bildschirme aufwecken (Notfall)</translation>
    </message>
    <message>
        <source>Blackout or Wake %1</source>
        <extracomment>a hotkey&apos;s name in the desktop&apos;s shortcut settings; %1 is a display&apos;s name</extracomment>
        <translation>%1 abdunkeln oder aufwecken</translation>
    </message>
    <message>
        <source>Keep Only %1</source>
        <extracomment>a hotkey&apos;s name in the desktop&apos;s shortcut settings; %1 is a display&apos;s name</extracomment>
        <translation>Nur %1 hell lassen</translation>
    </message>
</context>
<context>
    <name>InputAccess</name>
    <message>
        <source>Keys, clicks and pointer movement, to wake the displays</source>
        <translation>Tasten, Klicks und Mausbewegungen, um die Bildschirme aufzuwecken</translation>
    </message>
    <message>
        <source>Clicks, wheel and pointer movement on dark displays, and keys while every display is dark: Wayland shows Vesperon nothing of what happens on a lit display</source>
        <translation>Klicks, Mausrad und Mausbewegungen auf dunklen Bildschirmen sowie Tasten, während alle Bildschirme dunkel sind: Wayland zeigt Vesperon nichts von dem, was auf einem hellen Bildschirm geschieht</translation>
    </message>
    <message>
        <source>Vesperon: this X server does not offer XInput 2.1, which Vesperon needs to see input; waking by input stays off until it does</source>
        <translation>Vesperon: Dieser X-Server bietet kein XInput 2.1, das Vesperon benötigt, um Eingaben zu sehen; das Aufwecken durch Eingaben bleibt ausgeschaltet, bis er es bietet</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <extracomment>what Vesperon sees of input (%1), then what this desktop keeps from it (%2)</extracomment>
        <translation>%1. %2</translation>
    </message>
</context>
<context>
    <name>InputMonitor</name>
    <message>
        <source>Vesperon: cannot watch input on this desktop, so only the hotkeys wake the displays</source>
        <translation>Vesperon: Eingaben können in dieser Arbeitsumgebung nicht beobachtet werden, daher wecken nur die Tastenkürzel die Bildschirme auf</translation>
    </message>
</context>
<context>
    <name>JsonFileSettingsStore</name>
    <message>
        <source>settings file %1 is a symbolic link that cannot be followed</source>
        <extracomment>Said at start; %1 is the settings file&apos;s path.</extracomment>
        <translation>Einstellungsdatei %1 ist eine symbolische Verknüpfung, der nicht gefolgt werden kann</translation>
    </message>
    <message>
        <source>settings file %1 cannot be examined (%2)</source>
        <extracomment>Said at start; %1 is the settings file&apos;s path, %2 the system&apos;s reason.</extracomment>
        <translation>Einstellungsdatei %1 kann nicht untersucht werden (%2)</translation>
    </message>
    <message>
        <source>settings file %1 is not a regular file</source>
        <extracomment>Said at start; %1 is the settings file&apos;s path.</extracomment>
        <translation>Einstellungsdatei %1 ist keine reguläre Datei</translation>
    </message>
    <message>
        <source>settings file %1 is not a JSON object</source>
        <extracomment>Said at start; %1 is the settings file&apos;s path.</extracomment>
        <translation>Einstellungsdatei %1 ist kein JSON-Objekt</translation>
    </message>
    <message>
        <source>settings file %1 cannot be read (%2)</source>
        <extracomment>Said at start; %1 is the settings file&apos;s path, %2 the system&apos;s reason.</extracomment>
        <translation>Einstellungsdatei %1 kann nicht gelesen werden (%2)</translation>
    </message>
    <message>
        <source>settings file %1 is larger than 1 MiB</source>
        <extracomment>Said at start; %1 is the settings file&apos;s path.</extracomment>
        <translation>Einstellungsdatei %1 ist größer als 1&#xa0;MiB</translation>
    </message>
    <message>
        <source>%1; using defaults and leaving it untouched, so changes are not saved this time</source>
        <extracomment>Said at start; %1 says what is wrong with the settings file, naming it.</extracomment>
        <translation>%1; die Standardwerte werden verwendet und die Datei bleibt unverändert, daher werden Änderungen diesmal nicht gespeichert</translation>
    </message>
    <message>
        <source>%1 and could not be moved aside (%2)</source>
        <extracomment>Said at start; %1 says what is wrong with the settings file, naming it, %2 the system&apos;s reason.</extracomment>
        <translation>%1 und konnte nicht beiseitegeschoben werden (%2)</translation>
    </message>
    <message>
        <source>%1; moved it to %2 and started from defaults</source>
        <extracomment>Said at start; %1 says what is wrong with the settings file, naming it, %2 where it is now.</extracomment>
        <translation>%1; sie wurde nach %2 verschoben und die Standardwerte werden verwendet</translation>
    </message>
    <message>
        <source>could not save settings to %1: %2</source>
        <extracomment>%1 is the settings file&apos;s path, %2 the system&apos;s reason.</extracomment>
        <translation>Einstellungen konnten nicht in %1 gespeichert werden: %2</translation>
    </message>
</context>
<context>
    <name>KeyCombo</name>
    <message>
        <source>Key %1</source>
        <extracomment>a key with no name; %1 is its code</extracomment>
        <translation>Taste %1</translation>
    </message>
</context>
<context>
    <name>KeyRecorderView</name>
    <message>
        <source>Taken by another program</source>
        <extracomment>Warning beneath a hotkey whose combination another program holds</extracomment>
        <translation>Von einem anderen Programm belegt</translation>
    </message>
    <message>
        <source>Clear</source>
        <extracomment>Button: removes the hotkey&apos;s combination</extracomment>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Another program holds this combination. Vesperon takes it as soon as it is free; until then, set another.</source>
        <translation>Ein anderes Programm belegt diese Tastenkombination. Vesperon übernimmt sie, sobald sie frei ist; legen Sie bis dahin eine andere fest.</translation>
    </message>
    <message>
        <source>None</source>
        <extracomment>Shown in place of a key combination while the hotkey has none</extracomment>
        <translation>Keine</translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>Said in place of a key combination while the hotkey has none</extracomment>
        <translation>keine</translation>
    </message>
    <message>
        <source>%1: %2, taken by another program</source>
        <extracomment>%1 is the hotkey, e.g. &quot;Blackout All hotkey&quot;; %2 its key combination, or &quot;none&quot;</extracomment>
        <translation>%1: %2, von einem anderen Programm belegt</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is the hotkey, e.g. &quot;Blackout All hotkey&quot;; %2 its key combination, or &quot;none&quot;</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Recording: press the new combination</source>
        <translation>Aufnahme: Drücken Sie die neue Tastenkombination</translation>
    </message>
    <message>
        <source>Record</source>
        <extracomment>Screen reader description of the Set button: it starts recording a combination</extracomment>
        <translation>Aufnehmen</translation>
    </message>
    <message>
        <source>Clear %1</source>
        <extracomment>Screen reader name of the Clear button; %1 is the hotkey, e.g. &quot;Blackout All hotkey&quot;</extracomment>
        <translation>%1 entfernen</translation>
    </message>
    <message>
        <source>Removes the combination</source>
        <extracomment>Screen reader description of the Clear button</extracomment>
        <translation>Entfernt die Tastenkombination</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>Button: stops recording and keeps the combination the hotkey had</extracomment>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Set</source>
        <extracomment>Button: starts recording a new key combination for the hotkey</extracomment>
        <translation>Festlegen</translation>
    </message>
</context>
<context>
    <name>LaunchAtLogin</name>
    <message>
        <source>Failed to enable launch at login: %1</source>
        <extracomment>%1 says why</extracomment>
        <translation>Start beim Anmelden konnte nicht eingeschaltet werden: %1</translation>
    </message>
    <message>
        <source>Failed to disable launch at login: %1</source>
        <translation>Start beim Anmelden konnte nicht ausgeschaltet werden: %1</translation>
    </message>
</context>
<context>
    <name>MenuBarController</name>
    <message>
        <source>Input Monitoring Unavailable</source>
        <extracomment>Tray menu: a warning at the top when the program cannot see the keyboard and mouse.</extracomment>
        <translation>Eingabeüberwachung nicht verfügbar</translation>
    </message>
    <message>
        <source>Grant Permission...</source>
        <extracomment>Tray menu: opens what lets the program see the keyboard and mouse.</extracomment>
        <translation>Berechtigung erteilen …</translation>
    </message>
    <message>
        <source>Blackout All</source>
        <extracomment>Tray menu: blacks out every monitor.</extracomment>
        <translation>Alle abdunkeln</translation>
    </message>
    <message>
        <source>Blackout Display</source>
        <extracomment>Tray menu: the submenu of monitors, each blacked out or woken by itself.</extracomment>
        <translation>Bildschirm abdunkeln</translation>
    </message>
    <message>
        <source>Keep Only This Display</source>
        <extracomment>Tray menu: the submenu of monitors; the one chosen stays lit and every other goes dark.</extracomment>
        <translation>Nur diesen Bildschirm hell lassen</translation>
    </message>
    <message>
        <source>Wake All Displays</source>
        <extracomment>Tray menu: ends the blackout on every monitor.</extracomment>
        <translation>Alle Bildschirme aufwecken</translation>
    </message>
    <message>
        <source>Preferences...</source>
        <extracomment>Tray menu: opens the preferences window.</extracomment>
        <translation>Einstellungen …</translation>
    </message>
    <message>
        <source>Quit Vesperon</source>
        <extracomment>Tray menu: wakes every monitor and ends the program.</extracomment>
        <translation>Vesperon beenden</translation>
    </message>
</context>
<context>
    <name>PreferencesView</name>
    <message>
        <source>&amp;Any Key</source>
        <extracomment>Check box: any key wakes the displays</extracomment>
        <translation>&amp;Beliebige Taste</translation>
    </message>
    <message>
        <source>&amp;Escape</source>
        <extracomment>Check box: the Escape key wakes the displays</extracomment>
        <translation>&amp;Escape</translation>
    </message>
    <message>
        <source>&amp;Space</source>
        <extracomment>Check box: the space bar wakes the displays</extracomment>
        <translation>&amp;Leertaste</translation>
    </message>
    <message>
        <source>E&amp;nter</source>
        <extracomment>Check box: the Enter key wakes the displays</extracomment>
        <translation>E&amp;nter</translation>
    </message>
    <message>
        <source>&amp;General</source>
        <extracomment>Tab of the preferences window</extracomment>
        <translation>&amp;Allgemein</translation>
    </message>
    <message>
        <source>Hot&amp;keys</source>
        <extracomment>Tab of the preferences window</extracomment>
        <translation>&amp;Tastenkürzel</translation>
    </message>
    <message>
        <source>&amp;Waking</source>
        <extracomment>Tab of the preferences window</extracomment>
        <translation>Auf&amp;wecken</translation>
    </message>
    <message>
        <source>I&amp;dle and Dimming</source>
        <extracomment>Tab of the preferences window</extracomment>
        <translation>&amp;Inaktivität und Dimmen</translation>
    </message>
    <message>
        <source>Granted</source>
        <extracomment>Beside the input permission&apos;s status icon, once Vesperon has the permission</extracomment>
        <translation>Erteilt</translation>
    </message>
    <message>
        <source>Grant Access</source>
        <extracomment>Button: opens the desktop&apos;s settings where Vesperon is let see input</extracomment>
        <translation>Zugriff erteilen</translation>
    </message>
    <message>
        <source>Lets Vesperon see keys, clicks and pointer movement</source>
        <translation>Erlaubt Vesperon, Tasten, Klicks und Mausbewegungen zu sehen</translation>
    </message>
    <message>
        <source>Input Monitoring</source>
        <extracomment>Heading of the group about the input permission</extracomment>
        <translation>Eingabeüberwachung</translation>
    </message>
    <message>
        <source>Keys pressed in Wayland windows do not reach these hotkeys. %1</source>
        <extracomment>Above the hotkeys; %1 is how to bind them in the desktop&apos;s own settings</extracomment>
        <translation>In Wayland-Fenstern gedrückte Tasten erreichen diese Tastenkürzel nicht. %1</translation>
    </message>
    <message>
        <source>Blackout All:</source>
        <extracomment>Label before the recorder of the hotkey that darkens every monitor</extracomment>
        <translation>Alle abdunkeln:</translation>
    </message>
    <message>
        <source>Blackout All hotkey</source>
        <extracomment>What a screen reader calls the hotkey that darkens every monitor</extracomment>
        <translation>Tastenkürzel „Alle abdunkeln“</translation>
    </message>
    <message>
        <source>No displays detected</source>
        <extracomment>In place of the monitors&apos; hotkeys while no monitor is found</extracomment>
        <translation>Keine Bildschirme erkannt</translation>
    </message>
    <message>
        <source>Hotkeys</source>
        <extracomment>Heading of the group of hotkeys</extracomment>
        <translation>Tastenkürzel</translation>
    </message>
    <message>
        <source>Monitor</source>
        <extracomment>Column header: the monitors&apos; names</extracomment>
        <translation>Bildschirm</translation>
    </message>
    <message>
        <source>Toggle</source>
        <extracomment>Column header: hotkeys that darken or light one monitor</extracomment>
        <translation>Umschalten</translation>
    </message>
    <message>
        <source>Keep Only</source>
        <extracomment>Column header: hotkeys that keep only one monitor lit and darken the others</extracomment>
        <translation>Nur dieser hell</translation>
    </message>
    <message>
        <source>Add to GNOME&apos;s Keyboard Shortcuts</source>
        <extracomment>Button; &quot;Keyboard Shortcuts&quot; as GNOME&apos;s settings name them</extracomment>
        <translation>Zu GNOME-Tastenkombinationen hinzufügen</translation>
    </message>
    <message>
        <source>Adds every hotkey to GNOME&apos;s custom keyboard shortcuts</source>
        <translation>Fügt alle Tastenkürzel zu den eigenen Tastenkombinationen von GNOME hinzu</translation>
    </message>
    <message>
        <source>Added to Settings › Keyboard › Custom Shortcuts; add them again after a change here</source>
        <extracomment>&quot;Settings › Keyboard › Custom Shortcuts&quot; as GNOME&apos;s settings name them</extracomment>
        <translation>Zu Einstellungen › Tastatur › Eigene Tastenkombinationen hinzugefügt; fügen Sie sie nach einer Änderung hier erneut hinzu</translation>
    </message>
    <message>
        <source>GNOME&apos;s keyboard settings could not be changed</source>
        <translation>Die Tastatureinstellungen von GNOME konnten nicht geändert werden</translation>
    </message>
    <message>
        <source>Ignore mouse &amp;movement</source>
        <extracomment>Check box: moving the mouse does not wake the displays</extracomment>
        <translation>&amp;Mausbewegung ignorieren</translation>
    </message>
    <message>
        <source>Clicks and the wheel still wake the displays</source>
        <translation>Klicks und das Mausrad wecken die Bildschirme weiterhin auf</translation>
    </message>
    <message>
        <source>Clicks and movement on a &amp;lit display wake too</source>
        <translation>Auch Klicks und Bewegung auf einem &amp;hellen Bildschirm wecken auf</translation>
    </message>
    <message>
        <source>Off, the displays kept lit are yours to work on</source>
        <translation>Wenn ausgeschaltet, können Sie auf den hellen Bildschirmen ungestört arbeiten</translation>
    </message>
    <message>
        <source>On this desktop only input on a dark display is seen: the lit ones are always yours to work on</source>
        <translation>In dieser Arbeitsumgebung werden nur Eingaben auf dunklen Bildschirmen erkannt: Auf den hellen können Sie immer ungestört arbeiten</translation>
    </message>
    <message>
        <source>From the first input to the wake, 0 to 5 seconds</source>
        <translation>Von der ersten Eingabe bis zum Aufwecken, 0 bis 5 Sekunden</translation>
    </message>
    <message>
        <source>Wake dela&amp;y:</source>
        <extracomment>Label of the slider: how long input goes on before the displays wake</extracomment>
        <translation>Weck&amp;verzögerung:</translation>
    </message>
    <message>
        <source>Wake keys:</source>
        <extracomment>Above the check boxes of the keys that wake the displays</extracomment>
        <translation>Wecktasten:</translation>
    </message>
    <message>
        <source>A key that wakes the displays</source>
        <translation>Eine Taste, die die Bildschirme aufweckt</translation>
    </message>
    <message>
        <source>Wake Settings</source>
        <extracomment>Heading of the group about what wakes the displays</extracomment>
        <translation>Einstellungen zum Aufwecken</translation>
    </message>
    <message>
        <source>&amp;Launch at login</source>
        <extracomment>Check box: Vesperon starts when the user logs in</extracomment>
        <translation>Beim Anmelden &amp;starten</translation>
    </message>
    <message>
        <source>Starts Vesperon when you log in</source>
        <translation>Startet Vesperon, wenn Sie sich anmelden</translation>
    </message>
    <message>
        <source>Wakes every display at once, whatever the settings</source>
        <translation>Weckt alle Bildschirme sofort auf, unabhängig von den Einstellungen</translation>
    </message>
    <message>
        <source>Safety wake: %1</source>
        <extracomment>What a screen reader calls the safety wake&apos;s keys; %1 is the key combination</extracomment>
        <translation>Notfall-Aufwecken: %1</translation>
    </message>
    <message>
        <source>Safety wake:</source>
        <extracomment>Label before the key combination that wakes every display whatever the settings</extracomment>
        <translation>Notfall-Aufwecken:</translation>
    </message>
    <message>
        <source>(Always works)</source>
        <extracomment>Beside the safety wake&apos;s key combination</extracomment>
        <translation>(Funktioniert immer)</translation>
    </message>
    <message>
        <source>General</source>
        <extracomment>Heading of the group of general settings</extracomment>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>100% is black; less dims the displays instead</source>
        <extracomment>Screen reader description of the blackout opacity slider</extracomment>
        <translation>100&#xa0;% ist schwarz; weniger dimmt die Bildschirme nur</translation>
    </message>
    <message>
        <source>Blackout &amp;opacity:</source>
        <extracomment>Label of the slider: how dark a blackout is</extracomment>
        <translation>Deck&amp;kraft der Abdunklung:</translation>
    </message>
    <message>
        <source>Dimming</source>
        <extracomment>Heading of the group about how dark a blackout is</extracomment>
        <translation>Dimmen</translation>
    </message>
    <message>
        <source>%1s</source>
        <extracomment>The wake delay beside its slider; %1 is a number of seconds, e.g. 2.5</extracomment>
        <translation>%1&#xa0;s</translation>
    </message>
    <message>
        <source>%1%</source>
        <extracomment>The blackout&apos;s opacity beside its slider; %1 is a percentage, e.g. 75</extracomment>
        <translation>%1&#xa0;%</translation>
    </message>
    <message>
        <source>Never</source>
        <extracomment>The idle minutes at 0: no idle blackout</extracomment>
        <translation>Nie</translation>
    </message>
    <message>
        <source> min</source>
        <extracomment>Unit after the idle minutes, with the space before it</extracomment>
        <translation> min</translation>
    </message>
    <message>
        <source>Minutes without input before the displays go dark</source>
        <translation>Minuten ohne Eingabe, bis die Bildschirme dunkel werden</translation>
    </message>
    <message>
        <source>All displays</source>
        <extracomment>Choice of which displays go dark when idle</extracomment>
        <translation>Alle Bildschirme</translation>
    </message>
    <message>
        <source>All but the display with the pointer</source>
        <extracomment>Choice of which displays go dark when idle</extracomment>
        <translation>Alle außer dem Bildschirm mit dem Mauszeiger</translation>
    </message>
    <message>
        <source>Displays that go dark when idle</source>
        <translation>Bildschirme, die bei Inaktivität dunkel werden</translation>
    </message>
    <message>
        <source>&amp;Black out when idle for:</source>
        <extracomment>Label before the idle minutes and the choice of displays</extracomment>
        <translation>Ab&amp;dunkeln nach Inaktivität von:</translation>
    </message>
    <message>
        <source>Idle Blackout</source>
        <extracomment>Heading of the group about blackouts after a time without input</extracomment>
        <translation>Abdunklung bei Inaktivität</translation>
    </message>
    <message>
        <source>This desktop does not tell Vesperon how long input has been left alone</source>
        <translation>Diese Arbeitsumgebung teilt Vesperon nicht mit, wie lange keine Eingabe erfolgt ist</translation>
    </message>
    <message>
        <source>Held back: an application keeps the screen awake</source>
        <translation>Ausgesetzt: Eine Anwendung hält den Bildschirm wach</translation>
    </message>
    <message>
        <source>Held back: %1 keeps the screen awake</source>
        <extracomment>Why no idle blackout comes; %1 is the application that keeps the screen awake, e.g. Firefox</extracomment>
        <translation>Ausgesetzt: %1 hält den Bildschirm wach</translation>
    </message>
    <message>
        <source>This desktop does not tell where the pointer is: every display goes dark</source>
        <translation>Diese Arbeitsumgebung teilt nicht mit, wo der Mauszeiger ist: Alle Bildschirme werden dunkel</translation>
    </message>
    <message>
        <source>Each display on its own</source>
        <extracomment>Choice of which displays go dark when idle: each one the pointer has left alone for the minutes</extracomment>
        <translation>Jeder Bildschirm für sich</translation>
    </message>
    <message>
        <source>Every display, every one but the pointer&apos;s, or each one the pointer has left alone</source>
        <translation>Alle Bildschirme, alle außer dem mit dem Mauszeiger oder jeder, den der Mauszeiger in Ruhe gelassen hat</translation>
    </message>
    <message>
        <source>Each display on its own needs to see the pointer come back, which this desktop does not show</source>
        <extracomment>Why the choice &quot;Each display on its own&quot; is unavailable</extracomment>
        <translation>„Jeder Bildschirm für sich“ braucht die Rückkehr des Mauszeigers, die diese Arbeitsumgebung nicht zeigt</translation>
    </message>
</context>
<context>
    <name>PreferencesWindow</name>
    <message>
        <source>Vesperon Preferences</source>
        <extracomment>Title of the preferences window</extracomment>
        <translation>Vesperon-Einstellungen</translation>
    </message>
</context>
<context>
    <name>ScreenSaverInhibition</name>
    <message>
        <source>No method %1</source>
        <extracomment>A D-Bus error&apos;s message; %1 is the name of the method called.</extracomment>
        <translation>Keine Methode %1</translation>
    </message>
</context>
<context>
    <name>StatusReport</name>
    <message>
        <source>dark, primary</source>
        <extracomment>State column of --list-displays and --status: blacked out, the primary monitor.</extracomment>
        <translation>dunkel, primär</translation>
    </message>
    <message>
        <source>dark</source>
        <extracomment>State column of --list-displays and --status: blacked out.</extracomment>
        <translation>dunkel</translation>
    </message>
    <message>
        <source>lit, primary</source>
        <extracomment>State column of --list-displays and --status: not blacked out, the primary monitor.</extracomment>
        <translation>hell, primär</translation>
    </message>
    <message>
        <source>lit</source>
        <extracomment>State column of --list-displays and --status: not blacked out.</extracomment>
        <translation>hell</translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>In place of the list of monitors, after &quot;the displays are:&quot;, when there is none.</extracomment>
        <translation>keine</translation>
    </message>
    <message numerus="yes">
        <source>Blackout active: %n of %1 displays dark</source>
        <extracomment>The first line of `vesperon --status` during a blackout: %n monitors are dark, of %1 in all.</extracomment>
        <translation>
            <numerusform>Abdunklung aktiv: %n von %1 Bildschirmen ist dunkel</numerusform>
            <numerusform>Abdunklung aktiv: %n von %1 Bildschirmen sind dunkel</numerusform>
        </translation>
    </message>
    <message>
        <source>No blackout: every display is lit</source>
        <extracomment>The first line of `vesperon --status` when there is no blackout.</extracomment>
        <translation>Keine Abdunklung: Alle Bildschirme sind hell</translation>
    </message>
    <message>
        <source>#</source>
        <extracomment>Column heading of --list-displays: the monitor&apos;s position in the list.</extracomment>
        <translation>#</translation>
    </message>
    <message>
        <source>CONNECTOR</source>
        <extracomment>Column heading of --list-displays: the connector&apos;s name, such as DP-1.</extracomment>
        <translation>ANSCHLUSS</translation>
    </message>
    <message>
        <source>IDENTIFIER</source>
        <extracomment>Column heading of --list-displays: the monitor&apos;s identifier, a number.</extracomment>
        <translation>KENNUNG</translation>
    </message>
    <message>
        <source>NAME</source>
        <extracomment>Column heading of --list-displays: the monitor&apos;s name.</extracomment>
        <translation>NAME</translation>
    </message>
    <message>
        <source>GEOMETRY</source>
        <extracomment>Column heading of --list-displays: position and size, such as 1920x1080+0+0.</extracomment>
        <translation>GEOMETRIE</translation>
    </message>
    <message>
        <source>STATE</source>
        <extracomment>Column heading of --list-displays: whether the monitor is dark or lit.</extracomment>
        <translation>ZUSTAND</translation>
    </message>
</context>
<context>
    <name>TrayFallback</name>
    <message>
        <source>No system tray</source>
        <extracomment>A notification&apos;s title, when the desktop shows no tray icons.</extracomment>
        <translation>Kein Statusbereich</translation>
    </message>
    <message>
        <source>this desktop has no system tray; the hotkeys work (%1 blacks out every monitor), and the preferences window stands in for the menu</source>
        <extracomment>The notification&apos;s text; %1 is the hotkey that blacks out every monitor, such as &quot;Ctrl+Alt+B&quot;.</extracomment>
        <translation>Diese Arbeitsumgebung hat keinen Statusbereich; die Tastenkürzel funktionieren (%1 dunkelt alle Bildschirme ab), und das Einstellungsfenster ersetzt das Menü</translation>
    </message>
    <message>
        <source>this desktop has no system tray, and the preferences window stands in for the menu</source>
        <extracomment>The notification&apos;s text, when no hotkey works.</extracomment>
        <translation>Diese Arbeitsumgebung hat keinen Statusbereich, und das Einstellungsfenster ersetzt das Menü</translation>
    </message>
</context>
<context>
    <name>X11</name>
    <message>
        <source>black windows and watching input</source>
        <translation>die schwarzen Fenster und die Eingabeüberwachung</translation>
    </message>
    <message>
        <source>global hotkeys</source>
        <translation>die globalen Tastenkürzel</translation>
    </message>
    <message>
        <source>idle time</source>
        <translation>die Inaktivitätsdauer</translation>
    </message>
    <message>
        <source>Vesperon: lost the connection to the X server; quitting</source>
        <translation>Vesperon: Verbindung zum X-Server verloren; wird beendet</translation>
    </message>
    <message>
        <source>Vesperon: cannot connect to the X server for %1</source>
        <extracomment>%1 is what the connection is for: black windows, hotkeys or idle time</extracomment>
        <translation>Vesperon: Keine Verbindung zum X-Server für %1 möglich</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Vesperon is already running on display %1.</source>
        <extracomment>Said when Vesperon is started again; %1 is the display it runs on, such as &quot;:0&quot; or &quot;wayland-0&quot;.</extracomment>
        <translation>Vesperon läuft bereits auf Anzeige %1.</translation>
    </message>
</context>
</TS>
