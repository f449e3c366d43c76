<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>AppDelegate</name>
    <message>
        <source>Hotkeys belong to the desktop</source>
        <extracomment>A notification&apos;s title, at start on a desktop where only the desktop itself takes global keys.</extracomment>
        <translation>Les raccourcis clavier relèvent du bureau</translation>
    </message>
    <message>
        <source>On this desktop no program can take keys for itself: bind %1 to commands such as &apos;vesperon --toggle&apos; in the desktop&apos;s keyboard settings</source>
        <extracomment>The notification&apos;s text; %1 is the hotkeys, such as &quot;Ctrl+Alt+B, Ctrl+Alt+W&quot;.</extracomment>
        <translation>Sur ce bureau, aucun programme ne peut s&apos;approprier des touches&#xa0;: associez %1 à des commandes comme &apos;vesperon --toggle&apos; dans les paramètres clavier du bureau</translation>
    </message>
    <message>
        <source>Hotkeys taken by another program</source>
        <extracomment>A notification&apos;s title, at start, when another program holds some of Vesperon&apos;s hotkeys.</extracomment>
        <translation>Raccourcis clavier utilisés par un autre programme</translation>
    </message>
    <message>
        <source>%1 is taken by another program; Vesperon will use it as soon as it is free, or set another in its preferences</source>
        <extracomment>The notification&apos;s text; %1 is one hotkey, such as &quot;Ctrl+Alt+B&quot;.</extracomment>
        <translation>%1 est utilisé par un autre programme&#xa0;; Vesperon le prendra dès qu&apos;il sera libre, ou définissez-en un autre dans ses préférences</translation>
    </message>
    <message>
        <source>%1 are taken by another program; Vesperon will use them as soon as they are free, or set another in its preferences</source>
        <extracomment>The notification&apos;s text; %1 is two or more hotkeys, such as &quot;Ctrl+Alt+B, Ctrl+Alt+W&quot;.</extracomment>
        <translation>%1 sont utilisés par un autre programme&#xa0;; Vesperon les prendra dès qu&apos;ils seront libres, ou définissez-en d&apos;autres dans ses préférences</translation>
    </message>
</context>
<context>
    <name>AppStream</name>
    <message>
        <source>Black out chosen monitors of a multi-monitor desktop</source>
        <extracomment>the software centre&apos;s page</extracomment>
        <translation>Occulter les écrans choisis d&apos;un bureau à plusieurs écrans</translation>
    </message>
    <message>
        <source>The Vesperon developers</source>
        <extracomment>the software centre&apos;s page</extracomment>
        <translation>Les développeurs de Vesperon</translation>
    </message>
    <message>
        <source>Vesperon covers the monitors you choose with black windows that stay above everything else, so that your attention stays on the monitors that remain lit, or so that an OLED panel rests.</source>
        <extracomment>the software centre&apos;s page</extracomment>
        <translation>Vesperon couvre les écrans de votre choix de fenêtres noires qui restent au-dessus de tout le reste, pour que votre attention reste sur les écrans allumés, ou pour laisser reposer une dalle OLED.</translation>
    </message>
    <message>
        <source>Black out every monitor, one monitor, or every monitor but one, from the tray menu</source>
        <extracomment>the software centre&apos;s page</extracomment>
        <translation>Occulter tous les écrans, un seul écran, ou tous les écrans sauf un, depuis le menu de la zone de notification</translation>
    </message>
    <message>
        <source>Global hotkeys that work whatever program is in front: one for every monitor, and for each monitor one that toggles it and one that keeps only it lit</source>
        <extracomment>the software centre&apos;s page</extracomment>
        <translation>Des raccourcis clavier globaux qui fonctionnent quel que soit le programme au premier plan&#xa0;: un pour tous les écrans, et pour chaque écran un qui le bascule et un qui ne garde que lui allumé</translation>
    </message>
    <message>
        <source>Wakes every monitor when you come back: a click, a key you allow, or mouse movement if you want, after an optional delay</source>
        <extracomment>the software centre&apos;s page</extracomment>
        <translation>Réveille tous les écrans à votre retour&#xa0;: un clic, une touche que vous autorisez, ou un mouvement de la souris si vous le souhaitez, après un délai facultatif</translation>
    </message>
    <message>
        <source>Control+Super+Escape always wakes every monitor at once</source>
        <extracomment>the software centre&apos;s page</extracomment>
        <translation>Ctrl+Super+Échap réveille toujours tous les écrans immédiatement</translation>
    </message>
    <message>
        <source>A command line and a D-Bus interface for key bindings and scripts</source>
        <extracomment>the software centre&apos;s page</extracomment>
        <translation>Une ligne de commande et une interface D-Bus pour les raccourcis et les scripts</translation>
    </message>
    <message>
        <source>Vesperon only watches input: every key and click still reaches the program in front.</source>
        <extracomment>the software centre&apos;s page</extracomment>
        <translation>Vesperon ne fait qu&apos;observer les entrées&#xa0;: chaque touche et chaque clic parvient toujours au programme au premier plan.</translation>
    </message>
    <message>
        <source>The tray menu, with one monitor dark</source>
        <extracomment>the software centre&apos;s page</extracomment>
        <translation>Le menu de la zone de notification, avec un écran occulté</translation>
    </message>
    <message>
        <source>The preferences: hotkeys, wake keys, wake delay and launch at login</source>
        <extracomment>the software centre&apos;s page</extracomment>
        <translation>Les préférences&#xa0;: raccourcis clavier, touches de réveil, délai de réveil et lancement à la connexion</translation>
    </message>
    <message>
        <source>The first release, for X11 desktops.</source>
        <extracomment>the software centre&apos;s page</extracomment>
        <translation>La première version, pour les bureaux X11.</translation>
    </message>
</context>
<context>
    <name>AutostartEntry</name>
    <message>
        <source>cannot write %1</source>
        <extracomment>Why launch at login could not be turned on; %1 is a file&apos;s path.</extracomment>
        <translation>impossible d&apos;écrire %1</translation>
    </message>
</context>
<context>
    <name>BindLineView</name>
    <message>
        <source>Copy</source>
        <extracomment>Button beside a hotkey&apos;s binding line: puts the line on the clipboard</extracomment>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Line that binds the %1</source>
        <extracomment>Screen reader name of the line; %1 is the hotkey, e.g. &quot;Blackout All hotkey&quot;</extracomment>
        <translation>Ligne qui définit le %1</translation>
    </message>
    <message>
        <source>For the desktop&apos;s configuration file</source>
        <translation>Pour le fichier de configuration du bureau</translation>
    </message>
    <message>
        <source>Copy the line that binds the %1</source>
        <extracomment>Screen reader name of the Copy button; %1 is the hotkey, e.g. &quot;Blackout All hotkey&quot;</extracomment>
        <translation>Copier la ligne qui définit le %1</translation>
    </message>
    <message>
        <source>Puts the line on the clipboard</source>
        <translation>Copie la ligne dans le presse-papiers</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>--backend takes x11 or wayland</source>
        <extracomment>An error on the command line; --backend, x11 and wayland are typed as they are.</extracomment>
        <translation>--backend accepte x11 ou wayland</translation>
    </message>
    <message>
        <source>--dim takes a level from 0.5 (dim) to 1 (black), or 50% to 100%</source>
        <extracomment>An error on the command line; --dim is typed as it is.</extracomment>
        <translation>--dim accepte un niveau de 0.5 (assombri) à 1 (noir), ou de 50% à 100%</translation>
    </message>
    <message>
        <source>--idle-minutes takes whole minutes from 1 to 120, or 0 for never</source>
        <extracomment>An error on the command line; --idle-minutes is typed as it is.</extracomment>
        <translation>--idle-minutes accepte un nombre entier de minutes de 1 à 120, ou 0 pour jamais</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <extracomment>An error on the command line; %1 is the option as the user typed it.</extracomment>
        <translation>option inconnue &apos;%1&apos;</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <extracomment>An error on the command line; %1 is the argument as the user typed it.</extracomment>
        <translation>argument inattendu &apos;%1&apos;</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <extracomment>An error on the command line; %1 is an option, such as --wake.</extracomment>
        <translation>%1 n&apos;accepte pas de valeur</translation>
    </message>
    <message>
        <source>%1 needs a display: its identifier, connector name or position in --list-displays</source>
        <extracomment>An error on the command line; %1 is an option, such as --blackout.</extracomment>
        <translation>%1 demande un écran&#xa0;: son identifiant, son nom de connecteur ou sa position dans --list-displays</translation>
    </message>
    <message>
        <source>--json goes with --status or --list-displays</source>
        <extracomment>An error on the command line; the options are typed as they are.</extracomment>
        <translation>--json s&apos;utilise avec --status ou --list-displays</translation>
    </message>
    <message>
        <source>--backend goes with starting Vesperon, not with commands to it</source>
        <extracomment>An error on the command line; --backend is typed as it is.</extracomment>
        <translation>--backend sert au démarrage de Vesperon, pas aux commandes qu&apos;on lui envoie</translation>
    </message>
    <message>
        <source>Usage: %1
       %2</source>
        <extracomment>Printed after an error on the command line. %1 is how to give the running Vesperon commands, %2 how to start it, both typed as they are; keep the second line under the first&apos;s %1.</extracomment>
        <translation>Utilisation&#xa0;: %1
              %2</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <extracomment>The help&apos;s first line; %1 is the command&apos;s form, typed as it is.</extracomment>
        <translation>Utilisation&#xa0;: %1</translation>
    </message>
    <message>
        <source>Black out chosen monitors from the tray, with global hotkeys, or from the command line.</source>
        <extracomment>The help&apos;s second line: what Vesperon is for.</extracomment>
        <translation>Occulter les écrans choisis depuis la zone de notification, avec des raccourcis
clavier globaux ou en ligne de commande.</translation>
    </message>
    <message>
        <source>Without an option, start Vesperon; when it runs already, open its preferences window.</source>
        <extracomment>In the help, before the option that goes with starting Vesperon.</extracomment>
        <translation>Sans option, démarrer Vesperon&#xa0;; s&apos;il est déjà lancé, ouvrir ses préférences.</translation>
    </message>
    <message>
        <source>start on this display server&apos;s backend instead of the
one Vesperon chooses for the session</source>
        <extracomment>The help&apos;s description of --backend x11|wayland; a line break goes on under the description.</extracomment>
        <translation>démarrer avec ce serveur d&apos;affichage plutôt qu&apos;avec
celui que Vesperon choisit pour la session</translation>
    </message>
    <message>
        <source>With options, tell the running Vesperon what to do, in the order given:</source>
        <extracomment>In the help, before the options that are commands to the running Vesperon.</extracomment>
        <translation>Avec des options, indiquer au Vesperon lancé quoi faire, dans l&apos;ordre donné&#xa0;:</translation>
    </message>
    <message>
        <source>black out every monitor</source>
        <extracomment>The help&apos;s description of --blackout-all.</extracomment>
        <translation>occulter tous les écrans</translation>
    </message>
    <message>
        <source>wake every monitor</source>
        <extracomment>The help&apos;s description of --wake.</extracomment>
        <translation>réveiller tous les écrans</translation>
    </message>
    <message>
        <source>black out every monitor, or wake them all during a blackout</source>
        <extracomment>The help&apos;s description of --toggle.</extracomment>
        <translation>occulter tous les écrans, ou tous les réveiller
pendant une occultation</translation>
    </message>
    <message>
        <source>black out one monitor</source>
        <extracomment>The help&apos;s description of --blackout DISPLAY.</extracomment>
        <translation>occulter un écran</translation>
    </message>
    <message>
        <source>wake one monitor</source>
        <extracomment>The help&apos;s description of --wake-display DISPLAY.</extracomment>
        <translation>réveiller un écran</translation>
    </message>
    <message>
        <source>black out one monitor, or wake it when it is dark</source>
        <extracomment>The help&apos;s description of --toggle-display DISPLAY.</extracomment>
        <translation>occulter un écran, ou le réveiller s&apos;il est occulté</translation>
    </message>
    <message>
        <source>black out every monitor but this one</source>
        <extracomment>The help&apos;s description of --keep-only DISPLAY.</extracomment>
        <translation>occulter tous les écrans sauf celui-ci</translation>
    </message>
    <message>
        <source>let a blackout dim instead, from 0.5 (half) to 1 (black,
the default), or 50% to 100%; it needs a compositor</source>
        <extracomment>The help&apos;s description of --dim LEVEL; a line break goes on under the description.</extracomment>
        <translation>assombrir au lieu d&apos;occulter, de 0.5 (à moitié)
à 1 (noir, par défaut), ou de 50% à 100%&#xa0;;
nécessite un gestionnaire de composition</translation>
    </message>
    <message>
        <source>black out by itself after N minutes (1 to 120) without
input; 0 never does</source>
        <extracomment>The help&apos;s description of --idle-minutes N; keep N, and a line break goes on under the description.</extracomment>
        <translation>occulter automatiquement après N minutes (1 à 120)
sans activité&#xa0;; 0 pour jamais</translation>
    </message>
    <message>
        <source>open the preferences window</source>
        <extracomment>The help&apos;s description of --preferences.</extracomment>
        <translation>ouvrir la fenêtre des préférences</translation>
    </message>
    <message>
        <source>wake every monitor and quit</source>
        <extracomment>The help&apos;s description of --quit.</extracomment>
        <translation>réveiller tous les écrans et quitter</translation>
    </message>
    <message>
        <source>say whether a blackout is active and which monitors are dark</source>
        <extracomment>The help&apos;s description of --status.</extracomment>
        <translation>indiquer si une occultation est active et quels
écrans sont occultés</translation>
    </message>
    <message>
        <source>list the monitors</source>
        <extracomment>The help&apos;s description of --list-displays.</extracomment>
        <translation>lister les écrans</translation>
    </message>
    <message>
        <source>print --status and --list-displays as JSON</source>
        <extracomment>The help&apos;s description of --json; the options are typed as they are.</extracomment>
        <translation>afficher --status et --list-displays en JSON</translation>
    </message>
    <message>
        <source>show this help and exit</source>
        <extracomment>The help&apos;s description of -h, --help.</extracomment>
        <translation>afficher cette aide et quitter</translation>
    </message>
    <message>
        <source>show the version and exit</source>
        <extracomment>The help&apos;s description of --version.</extracomment>
        <translation>afficher la version et quitter</translation>
    </message>
    <message>
        <source>DISPLAY is a monitor&apos;s identifier, its connector name (DP-1, HDMI-1, eDP-1) or its
position in --list-displays, counting from 1.</source>
        <extracomment>In the help, after the options; keep DISPLAY and --list-displays, and break the lines where they fit.</extracomment>
        <translation>DISPLAY désigne un écran par son identifiant, son nom de connecteur
(DP-1, HDMI-1, eDP-1) ou sa position dans --list-displays, à partir de 1.</translation>
    </message>
    <message>
        <source>Exit status: 0 done; 1 Vesperon is not running; 2 bad usage or an unknown display;
3 no D-Bus session bus.</source>
        <extracomment>The help&apos;s last paragraph: the numbers the program exits with; break the lines where they fit.</extracomment>
        <translation>Code de sortie&#xa0;: 0 réussite&#xa0;; 1 Vesperon n&apos;est pas lancé&#xa0;; 2 mauvaise
utilisation ou écran inconnu&#xa0;; 3 pas de bus de session D-Bus.</translation>
    </message>
    <message>
        <source>--idle-scope takes all, all-but-pointer or each-display</source>
        <extracomment>An error on the command line; --idle-scope and its values are typed as they are.</extracomment>
        <translation>--idle-scope accepte all, all-but-pointer ou each-display</translation>
    </message>
    <message>
        <source>which displays the idle blackout darkens: all,
all-but-pointer, or each-display, each one the pointer
has left alone that long</source>
        <extracomment>The help&apos;s description of --idle-scope; keep the option&apos;s values, and a line break goes on under the description.</extracomment>
        <translation>écrans occultés après inactivité&#xa0;: all,
all-but-pointer, ou each-display, chacun que le
pointeur a délaissé aussi longtemps</translation>
    </message>
</context>
<context>
    <name>ControlService</name>
    <message>
        <source>no display &quot;%1&quot;; the displays are: %2</source>
        <extracomment>A command named a monitor that is not there. %1 is the name as given, %2 the list of monitors, such as &quot;1 DELL U2720Q (DP-1), 2 HDMI-1&quot;.</extracomment>
        <translation>aucun écran &quot;%1&quot;&#xa0;; écrans disponibles&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>DBusControlClient</name>
    <message>
        <source>there is no D-Bus session bus (DBUS_SESSION_BUS_ADDRESS is not set), so Vesperon cannot be reached</source>
        <extracomment>An error of a command to the running Vesperon; DBUS_SESSION_BUS_ADDRESS is the environment variable.</extracomment>
        <translation>pas de bus de session D-Bus (DBUS_SESSION_BUS_ADDRESS n&apos;est pas défini)&#xa0;: Vesperon est injoignable</translation>
    </message>
    <message>
        <source>cannot connect to the D-Bus session bus: %1</source>
        <extracomment>An error of a command to the running Vesperon; %1 is the bus&apos;s own error message.</extracomment>
        <translation>impossible de se connecter au bus de session D-Bus&#xa0;: %1</translation>
    </message>
    <message>
        <source>Vesperon did not quit within %1 s</source>
        <extracomment>An error of --quit; %1 is a number of seconds.</extracomment>
        <translation>Vesperon ne s&apos;est pas arrêté dans les %1&#xa0;s</translation>
    </message>
    <message>
        <source>Vesperon is not running; start it with &apos;vesperon&apos; or from the application menu</source>
        <extracomment>An error of a command when Vesperon is not running; &apos;vesperon&apos; is the command, typed as it is.</extracomment>
        <translation>Vesperon n&apos;est pas lancé&#xa0;; démarrez-le avec &apos;vesperon&apos; ou depuis le menu des applications</translation>
    </message>
    <message>
        <source>Vesperon did not answer: %1</source>
        <extracomment>An error of a command to the running Vesperon; %1 is the D-Bus error message.</extracomment>
        <translation>Vesperon n&apos;a pas répondu&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>DBusControlServer</name>
    <message>
        <source>no D-Bus session bus; commands such as &apos;vesperon --toggle&apos; cannot reach it</source>
        <extracomment>Said at start; &apos;vesperon --toggle&apos; is a command, typed as it is.</extracomment>
        <translation>pas de bus de session D-Bus&#xa0;; les commandes comme &apos;vesperon --toggle&apos; ne peuvent pas joindre Vesperon</translation>
    </message>
    <message>
        <source>cannot connect to the session bus: %1</source>
        <extracomment>Said at start; %1 is the bus&apos;s own error message.</extracomment>
        <translation>impossible de se connecter au bus de session&#xa0;: %1</translation>
    </message>
    <message>
        <source>another program holds %1 on the session bus; commands go to it, not to this Vesperon</source>
        <extracomment>Said at start; %1 is Vesperon&apos;s name on the bus, io.github.vesperon.Vesperon.</extracomment>
        <translation>un autre programme détient %1 sur le bus de session&#xa0;; c&apos;est lui qui reçoit les commandes, pas ce Vesperon</translation>
    </message>
    <message>
        <source>Vesperon serves its own user only</source>
        <extracomment>A D-Bus error&apos;s message, to a program of another user.</extracomment>
        <translation>Vesperon ne répond qu&apos;à son propre utilisateur</translation>
    </message>
    <message>
        <source>No method %1</source>
        <extracomment>A D-Bus error&apos;s message; %1 is the name of the method called.</extracomment>
        <translation>Aucune méthode %1</translation>
    </message>
    <message>
        <source>Wrong arguments for %1</source>
        <extracomment>A D-Bus error&apos;s message; %1 is the name of the method called.</extracomment>
        <translation>Arguments incorrects pour %1</translation>
    </message>
    <message>
        <source>The dim level is from 0.5 to 1</source>
        <extracomment>A D-Bus error&apos;s message, to a call of SetDimLevel.</extracomment>
        <translation>Le niveau d&apos;assombrissement va de 0.5 à 1</translation>
    </message>
    <message>
        <source>The idle minutes are from 0 (never) to 120</source>
        <extracomment>A D-Bus error&apos;s message, to a call of SetIdleMinutes.</extracomment>
        <translation>Les minutes d&apos;inactivité vont de 0 (jamais) à 120</translation>
    </message>
    <message>
        <source>No interface %1</source>
        <extracomment>A D-Bus error&apos;s message; %1 is the name of the interface asked for.</extracomment>
        <translation>Aucune interface %1</translation>
    </message>
    <message>
        <source>The state is read-only</source>
        <extracomment>A D-Bus error&apos;s message, to a program that tried to set Vesperon&apos;s state properties.</extracomment>
        <translation>L&apos;état est en lecture seule</translation>
    </message>
    <message>
        <source>No property %1</source>
        <extracomment>A D-Bus error&apos;s message; %1 is the name of the property asked for.</extracomment>
        <translation>Aucune propriété %1</translation>
    </message>
    <message>
        <source>The idle scope is all, allButPointer or eachDisplay</source>
        <extracomment>A D-Bus error&apos;s message, to a call of SetIdleScope; the names are typed as they are.</extracomment>
        <translation>La portée de l&apos;occultation après inactivité est all, allButPointer ou eachDisplay</translation>
    </message>
</context>
<context>
    <name>DesktopEntry</name>
    <message>
        <source>Display Blackout</source>
        <extracomment>the launcher&apos;s GenericName</extracomment>
        <translation>Occultation d&apos;écrans</translation>
    </message>
    <message>
        <source>Black out chosen monitors so that the others hold your attention</source>
        <extracomment>the launcher&apos;s Comment</extracomment>
        <translation>Occulter les écrans choisis pour que les autres retiennent votre attention</translation>
    </message>
    <message>
        <source>monitor;display;screen;blackout;black;dark;OLED;multi-monitor;focus;</source>
        <extracomment>search words for the launcher: keep the semicolons, add your language&apos;s words</extracomment>
        <translation>monitor;display;screen;blackout;black;dark;OLED;multi-monitor;focus;écran;moniteur;occulter;occultation;noir;sombre;plusieurs écrans;concentration;</translation>
    </message>
    <message>
        <source>Blackout All</source>
        <extracomment>the launcher&apos;s Name</extracomment>
        <translation>Tout occulter</translation>
    </message>
    <message>
        <source>Wake All Displays</source>
        <extracomment>the launcher&apos;s Name</extracomment>
        <translation>Réveiller tous les écrans</translation>
    </message>
</context>
<context>
    <name>DesktopKeyBinding</name>
    <message>
        <source>This desktop binds keys itself: add these lines to its configuration file and reload it.</source>
        <translation>Ce bureau gère lui-même les raccourcis clavier&#xa0;: ajoutez ces lignes à son fichier de configuration, puis rechargez-le.</translation>
    </message>
    <message>
        <source>This desktop binds keys itself: add these lines to hyprland.conf.</source>
        <translation>Ce bureau gère lui-même les raccourcis clavier&#xa0;: ajoutez ces lignes à hyprland.conf.</translation>
    </message>
    <message>
        <source>This desktop binds keys itself: add these lines to the binds section of niri&apos;s config.kdl.</source>
        <translation>Ce bureau gère lui-même les raccourcis clavier&#xa0;: ajoutez ces lignes à la section binds du fichier config.kdl de niri.</translation>
    </message>
    <message>
        <source>This desktop binds keys itself: add these lines to the keyboard section of labwc&apos;s rc.xml and reconfigure it.</source>
        <translation>Ce bureau gère lui-même les raccourcis clavier&#xa0;: ajoutez ces lignes à la section keyboard du fichier rc.xml de labwc, puis reconfigurez labwc.</translation>
    </message>
    <message>
        <source>This desktop binds keys itself: add a custom shortcut in its keyboard settings for each command below.</source>
        <translation>Ce bureau gère lui-même les raccourcis clavier&#xa0;: ajoutez un raccourci personnalisé dans ses paramètres clavier pour chaque commande ci-dessous.</translation>
    </message>
</context>
<context>
    <name>Dimming</name>
    <message>
        <source>Needs an X server</source>
        <extracomment>why dimming is unavailable</extracomment>
        <translation>Nécessite un serveur X</translation>
    </message>
    <message>
        <source>Needs a compositing manager (such as picom); none is running</source>
        <extracomment>why dimming is unavailable</extracomment>
        <translation>Nécessite un gestionnaire de composition (comme picom)&#xa0;; aucun n&apos;est lancé</translation>
    </message>
</context>
<context>
    <name>Display</name>
    <message>
        <source>Built-in Display</source>
        <extracomment>a laptop&apos;s own screen, in menus and hotkey lists</extracomment>
        <translation>Écran intégré</translation>
    </message>
    <message>
        <source>Display %1</source>
        <extracomment>a monitor known by no name or connector; %1 is its number</extracomment>
        <translation>Écran %1</translation>
    </message>
</context>
<context>
    <name>DisplayHotkeyRow</name>
    <message>
        <source>Toggle hotkey for %1</source>
        <extracomment>What a screen reader calls the hotkey that darkens or lights one monitor; %1 is the monitor&apos;s name</extracomment>
        <translation>raccourci clavier Basculer pour %1</translation>
    </message>
    <message>
        <source>Keep Only hotkey for %1</source>
        <extracomment>What a screen reader calls the hotkey that keeps only one monitor lit; %1 is the monitor&apos;s name</extracomment>
        <translation>raccourci clavier Garder seulement pour %1</translation>
    </message>
</context>
<context>
    <name>DisplayServerChoice</name>
    <message>
        <source>This Wayland desktop offers no layer-shell, so Vesperon runs through XWayland: keys pressed in Wayland windows reach neither its hotkeys nor its wake keys, and the desktop&apos;s own overlays may show above the black windows</source>
        <extracomment>Said at start and in the preferences, under a Wayland compositor without the layer-shell protocol.</extracomment>
        <translation>Ce bureau Wayland ne propose pas layer-shell, Vesperon passe donc par XWayland&#xa0;: les touches pressées dans les fenêtres Wayland n&apos;atteignent ni ses raccourcis clavier ni ses touches de réveil, et les éléments superposés du bureau peuvent s&apos;afficher par-dessus les fenêtres noires</translation>
    </message>
    <message>
        <source>Vesperon&apos;s GNOME Shell extension is installed, but GNOME Shell loads new extensions only when the session starts: log out and in once to use it</source>
        <extracomment>Said at start and in the preferences, on GNOME just after the extension was installed.</extracomment>
        <translation>L&apos;extension GNOME Shell de Vesperon est installée, mais GNOME Shell ne charge les nouvelles extensions qu&apos;à l&apos;ouverture de la session&#xa0;: fermez la session et rouvrez-la une fois pour l&apos;utiliser</translation>
    </message>
    <message>
        <source>Vesperon&apos;s GNOME Shell extension is not installed. Without it Vesperon runs through XWayland: keys pressed in Wayland windows reach neither its hotkeys nor its wake keys (bind its commands in GNOME&apos;s keyboard settings instead), and the Overview and the shell&apos;s popups show above the black windows</source>
        <extracomment>Said at start and in the preferences, on GNOME without the extension; &quot;Overview&quot; is GNOME&apos;s own name.</extracomment>
        <translation>L&apos;extension GNOME Shell de Vesperon n&apos;est pas installée. Sans elle, Vesperon passe par XWayland&#xa0;: les touches pressées dans les fenêtres Wayland n&apos;atteignent ni ses raccourcis clavier ni ses touches de réveil (associez plutôt ses commandes dans les paramètres clavier de GNOME), et la vue d&apos;ensemble et les fenêtres contextuelles du Shell s&apos;affichent par-dessus les fenêtres noires</translation>
    </message>
    <message>
        <source>Vesperon needs an X11 display and cannot connect to &quot;%1&quot;.</source>
        <extracomment>Said at start, when Vesperon cannot run; %1 is the X display&apos;s name, such as &quot;:0&quot;.</extracomment>
        <translation>Vesperon a besoin d&apos;un affichage X11 et ne peut pas se connecter à &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Vesperon needs an X11 display: DISPLAY is not set.</source>
        <extracomment>Said at start, when Vesperon cannot run; DISPLAY is the environment variable, typed as it is.</extracomment>
        <translation>Vesperon a besoin d&apos;un affichage X11&#xa0;: DISPLAY n&apos;est pas défini.</translation>
    </message>
    <message>
        <source>Vesperon cannot run on Wayland: WAYLAND_DISPLAY is not set.</source>
        <extracomment>Said at start with --backend wayland; WAYLAND_DISPLAY is the environment variable, typed as it is.</extracomment>
        <translation>Vesperon ne peut pas fonctionner sous Wayland&#xa0;: WAYLAND_DISPLAY n&apos;est pas défini.</translation>
    </message>
    <message>
        <source>Vesperon cannot run on Wayland here: the compositor at &quot;%1&quot; cannot be reached or offers no layer-shell.</source>
        <extracomment>Said at start with --backend wayland; %1 is the Wayland display&apos;s name, such as &quot;wayland-0&quot;.</extracomment>
        <translation>Vesperon ne peut pas fonctionner sous Wayland ici&#xa0;: le compositeur de &quot;%1&quot; est injoignable ou ne propose pas layer-shell.</translation>
    </message>
</context>
<context>
    <name>FreedesktopApplication</name>
    <message>
        <source>%1 takes no parameter</source>
        <extracomment>A D-Bus error&apos;s message, to a launcher; %1 is the name of an action, such as blackout-all.</extracomment>
        <translation>%1 n&apos;accepte aucun paramètre</translation>
    </message>
    <message>
        <source>%1 takes the display, a string</source>
        <extracomment>A D-Bus error&apos;s message, to a launcher; %1 is the name of an action, such as blackout-display.</extracomment>
        <translation>%1 attend l&apos;écran, sous forme de chaîne</translation>
    </message>
    <message>
        <source>No action &quot;%1&quot;; the actions are: %2</source>
        <extracomment>A D-Bus error&apos;s message, to a launcher. %1 is the action asked for, %2 the list of actions there are, such as &quot;blackout-all, wake-all&quot;.</extracomment>
        <translation>Aucune action &quot;%1&quot;&#xa0;; actions disponibles&#xa0;: %2</translation>
    </message>
    <message>
        <source>Vesperon opens no files</source>
        <extracomment>A D-Bus error&apos;s message, to a launcher that asked Vesperon to open files.</extracomment>
        <translation>Vesperon n&apos;ouvre aucun fichier</translation>
    </message>
    <message>
        <source>No method %1(%2) in %3</source>
        <extracomment>A D-Bus error&apos;s message. %1 is the method called, %2 its arguments&apos; D-Bus signature, %3 the interface.</extracomment>
        <translation>Aucune méthode %1(%2) dans %3</translation>
    </message>
</context>
<context>
    <name>GnomeShell</name>
    <message>
        <source>Blackout</source>
        <extracomment>the Quick Settings toggle that blacks out every monitor, and its menu&apos;s title</extracomment>
        <translation>Occultation</translation>
    </message>
</context>
<context>
    <name>Hotkeys</name>
    <message>
        <source>Blackout All</source>
        <extracomment>a hotkey&apos;s name in the desktop&apos;s shortcut settings</extracomment>
        <translation>Tout occulter</translation>
    </message>
    <message>
        <source>Wake All Displays (Safety)</source>
        <extracomment>a hotkey&apos;s name in the desktop&apos;s shortcut settings: Control+Super+Escape, which always wakes</extracomment>
        <translation>Réveiller tous les écrans (secours)</translation>
    </message>
    <message>
        <source>Blackout or Wake %1</source>
        <extracomment>a hotkey&apos;s name in the desktop&apos;s shortcut settings; %1 is a display&apos;s name</extracomment>
        <translation>Occulter ou réveiller %1</translation>
    </message>
    <message>
        <source>Keep Only %1</source>
        <extracomment>a hotkey&apos;s name in the desktop&apos;s shortcut settings; %1 is a display&apos;s name</extracomment>
        <translation>Garder seulement %1</translation>
    </message>
</context>
<context>
    <name>InputAccess</name>
    <message>
        <source>Keys, clicks and pointer movement, to wake the displays</source>
        <translation>Touches, clics et mouvements du pointeur, pour réveiller les écrans</translation>
    </message>
    <message>
        <source>Clicks, wheel and pointer movement on dark displays, and keys while every display is dark: Wayland shows Vesperon nothing of what happens on a lit display</source>
        <translation>Clics, molette et mouvements du pointeur sur les écrans occultés, et touches quand tous les écrans sont occultés&#xa0;: Wayland ne montre à Vesperon rien de ce qui se passe sur un écran allumé</translation>
    </message>
    <message>
        <source>Vesperon: this X server does not offer XInput 2.1, which Vesperon needs to see input; waking by input stays off until it does</source>
        <translation>Vesperon&#xa0;: ce serveur X ne propose pas XInput 2.1, dont Vesperon a besoin pour voir les entrées&#xa0;; le réveil par les entrées reste désactivé d&apos;ici là</translation>
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
        <translation>Vesperon&#xa0;: impossible de surveiller les entrées sur ce bureau, seuls les raccourcis clavier réveillent donc les écrans</translation>
    </message>
</context>
<context>
    <name>JsonFileSettingsStore</name>
    <message>
        <source>settings file %1 is a symbolic link that cannot be followed</source>
        <extracomment>Said at start; %1 is the settings file&apos;s path.</extracomment>
        <translation>le fichier de paramètres %1 est un lien symbolique impossible à suivre</translation>
    </message>
    <message>
        <source>settings file %1 cannot be examined (%2)</source>
        <extracomment>Said at start; %1 is the settings file&apos;s path, %2 the system&apos;s reason.</extracomment>
        <translation>le fichier de paramètres %1 ne peut pas être examiné (%2)</translation>
    </message>
    <message>
        <source>settings file %1 is not a regular file</source>
        <extracomment>Said at start; %1 is the settings file&apos;s path.</extracomment>
        <translation>le fichier de paramètres %1 n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>settings file %1 is not a JSON object</source>
        <extracomment>Said at start; %1 is the settings file&apos;s path.</extracomment>
        <translation>le fichier de paramètres %1 n&apos;est pas un objet JSON</translation>
    </message>
    <message>
        <source>settings file %1 cannot be read (%2)</source>
        <extracomment>Said at start; %1 is the settings file&apos;s path, %2 the system&apos;s reason.</extracomment>
        <translation>le fichier de paramètres %1 ne peut pas être lu (%2)</translation>
    </message>
    <message>
        <source>settings file %1 is larger than 1 MiB</source>
        <extracomment>Said at start; %1 is the settings file&apos;s path.</extracomment>
        <translation>le fichier de paramètres %1 dépasse 1&#xa0;Mio</translation>
    </message>
    <message>
        <source>%1; using defaults and leaving it untouched, so changes are not saved this time</source>
        <extracomment>Said at start; %1 says what is wrong with the settings file, naming it.</extracomment>
        <translation>%1&#xa0;; paramètres par défaut utilisés et fichier laissé intact&#xa0;: les modifications ne seront pas enregistrées cette fois</translation>
    </message>
    <message>
        <source>%1 and could not be moved aside (%2)</source>
        <extracomment>Said at start; %1 says what is wrong with the settings file, naming it, %2 the system&apos;s reason.</extracomment>
        <translation>%1 et n&apos;a pas pu être mis de côté (%2)</translation>
    </message>
    <message>
        <source>%1; moved it to %2 and started from defaults</source>
        <extracomment>Said at start; %1 says what is wrong with the settings file, naming it, %2 where it is now.</extracomment>
        <translation>%1&#xa0;; déplacé vers %2, démarrage avec les paramètres par défaut</translation>
    </message>
    <message>
        <source>could not save settings to %1: %2</source>
        <extracomment>%1 is the settings file&apos;s path, %2 the system&apos;s reason.</extracomment>
        <translation>impossible d&apos;enregistrer les paramètres dans %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>KeyCombo</name>
    <message>
        <source>Key %1</source>
        <extracomment>a key with no name; %1 is its code</extracomment>
        <translation>Touche %1</translation>
    </message>
</context>
<context>
    <name>KeyRecorderView</name>
    <message>
        <source>Taken by another program</source>
        <extracomment>Warning beneath a hotkey whose combination another program holds</extracomment>
        <translation>Utilisé par un autre programme</translation>
    </message>
    <message>
        <source>Clear</source>
        <extracomment>Button: removes the hotkey&apos;s combination</extracomment>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Another program holds this combination. Vesperon takes it as soon as it is free; until then, set another.</source>
        <translation>Un autre programme utilise cette combinaison. Vesperon la prendra dès qu&apos;elle sera libre&#xa0;; d&apos;ici là, définissez-en une autre.</translation>
    </message>
    <message>
        <source>None</source>
        <extracomment>Shown in place of a key combination while the hotkey has none</extracomment>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>Said in place of a key combination while the hotkey has none</extracomment>
        <translation>aucun</translation>
    </message>
    <message>
        <source>%1: %2, taken by another program</source>
        <extracomment>%1 is the hotkey, e.g. &quot;Blackout All hotkey&quot;; %2 its key combination, or &quot;none&quot;</extracomment>
        <translation>%1&#xa0;: %2, utilisé par un autre programme</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is the hotkey, e.g. &quot;Blackout All hotkey&quot;; %2 its key combination, or &quot;none&quot;</extracomment>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Recording: press the new combination</source>
        <translation>Saisie&#xa0;: appuyez sur la nouvelle combinaison</translation>
    </message>
    <message>
        <source>Record</source>
        <extracomment>Screen reader description of the Set button: it starts recording a combination</extracomment>
        <translation>Saisir une nouvelle combinaison</translation>
    </message>
    <message>
        <source>Clear %1</source>
        <extracomment>Screen reader name of the Clear button; %1 is the hotkey, e.g. &quot;Blackout All hotkey&quot;</extracomment>
        <translation>Effacer le %1</translation>
    </message>
    <message>
        <source>Removes the combination</source>
        <extracomment>Screen reader description of the Clear button</extracomment>
        <translation>Supprime la combinaison</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>Button: stops recording and keeps the combination the hotkey had</extracomment>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Set</source>
        <extracomment>Button: starts recording a new key combination for the hotkey</extracomment>
        <translation>Définir</translation>
    </message>
</context>
<context>
    <name>LaunchAtLogin</name>
    <message>
        <source>Failed to enable launch at login: %1</source>
        <extracomment>%1 says why</extracomment>
        <translation>Échec de l&apos;activation du lancement à la connexion&#xa0;: %1</translation>
    </message>
    <message>
        <source>Failed to disable launch at login: %1</source>
        <translation>Échec de la désactivation du lancement à la connexion&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>MenuBarController</name>
    <message>
        <source>Input Monitoring Unavailable</source>
        <extracomment>Tray menu: a warning at the top when the program cannot see the keyboard and mouse.</extracomment>
        <translation>Surveillance des entrées indisponible</translation>
    </message>
    <message>
        <source>Grant Permission...</source>
        <extracomment>Tray menu: opens what lets the program see the keyboard and mouse.</extracomment>
        <translation>Accorder l&apos;autorisation…</translation>
    </message>
    <message>
        <source>Blackout All</source>
        <extracomment>Tray menu: blacks out every monitor.</extracomment>
        <translation>Tout occulter</translation>
    </message>
    <message>
        <source>Blackout Display</source>
        <extracomment>Tray menu: the submenu of monitors, each blacked out or woken by itself.</extracomment>
        <translation>Occulter un écran</translation>
    </message>
    <message>
        <source>Keep Only This Display</source>
        <extracomment>Tray menu: the submenu of monitors; the one chosen stays lit and every other goes dark.</extracomment>
        <translation>Garder seulement cet écran</translation>
    </message>
    <message>
        <source>Wake All Displays</source>
        <extracomment>Tray menu: ends the blackout on every monitor.</extracomment>
        <translation>Réveiller tous les écrans</translation>
    </message>
    <message>
        <source>Preferences...</source>
        <extracomment>Tray menu: opens the preferences window.</extracomment>
        <translation>Préférences…</translation>
    </message>
    <message>
        <source>Quit Vesperon</source>
        <extracomment>Tray menu: wakes every monitor and ends the program.</extracomment>
        <translation>Quitter Vesperon</translation>
    </message>
</context>
<context>
    <name>PreferencesView</name>
    <message>
        <source>&amp;Any Key</source>
        <extracomment>Check box: any key wakes the displays</extracomment>
        <translation>&amp;N&apos;importe quelle touche</translation>
    </message>
    <message>
        <source>&amp;Escape</source>
        <extracomment>Check box: the Escape key wakes the displays</extracomment>
        <translation>É&amp;chap</translation>
    </message>
    <message>
        <source>&amp;Space</source>
        <extracomment>Check box: the space bar wakes the displays</extracomment>
        <translation>&amp;Espace</translation>
    </message>
    <message>
        <source>E&amp;nter</source>
        <extracomment>Check box: the Enter key wakes the displays</extracomment>
        <translation>En&amp;trée</translation>
    </message>
    <message>
        <source>&amp;General</source>
        <extracomment>Tab of the preferences window</extracomment>
        <translation>&amp;Général</translation>
    </message>
    <message>
        <source>Hot&amp;keys</source>
        <extracomment>Tab of the preferences window</extracomment>
        <translation>&amp;Raccourcis</translation>
    </message>
    <message>
        <source>&amp;Waking</source>
        <extracomment>Tab of the preferences window</extracomment>
        <translation>Ré&amp;veil</translation>
    </message>
    <message>
        <source>I&amp;dle and Dimming</source>
        <extracomment>Tab of the preferences window</extracomment>
        <translation>&amp;Inactivité et assombrissement</translation>
    </message>
    <message>
        <source>Granted</source>
        <extracomment>Beside the input permission&apos;s status icon, once Vesperon has the permission</extracomment>
        <translation>Accès autorisé</translation>
    </message>
    <message>
        <source>Grant Access</source>
        <extracomment>Button: opens the desktop&apos;s settings where Vesperon is let see input</extracomment>
        <translation>Autoriser l&apos;accès</translation>
    </message>
    <message>
        <source>Lets Vesperon see keys, clicks and pointer movement</source>
        <translation>Permet à Vesperon de voir les touches, les clics et les mouvements du pointeur</translation>
    </message>
    <message>
        <source>Input Monitoring</source>
        <extracomment>Heading of the group about the input permission</extracomment>
        <translation>Surveillance des entrées</translation>
    </message>
    <message>
        <source>Keys pressed in Wayland windows do not reach these hotkeys. %1</source>
        <extracomment>Above the hotkeys; %1 is how to bind them in the desktop&apos;s own settings</extracomment>
        <translation>Les touches pressées dans les fenêtres Wayland n&apos;atteignent pas ces raccourcis clavier. %1</translation>
    </message>
    <message>
        <source>Blackout All:</source>
        <extracomment>Label before the recorder of the hotkey that darkens every monitor</extracomment>
        <translation>Tout occulter&#xa0;:</translation>
    </message>
    <message>
        <source>Blackout All hotkey</source>
        <extracomment>What a screen reader calls the hotkey that darkens every monitor</extracomment>
        <translation>raccourci clavier Tout occulter</translation>
    </message>
    <message>
        <source>No displays detected</source>
        <extracomment>In place of the monitors&apos; hotkeys while no monitor is found</extracomment>
        <translation>Aucun écran détecté</translation>
    </message>
    <message>
        <source>Hotkeys</source>
        <extracomment>Heading of the group of hotkeys</extracomment>
        <translation>Raccourcis clavier</translation>
    </message>
    <message>
        <source>Monitor</source>
        <extracomment>Column header: the monitors&apos; names</extracomment>
        <translation>Écran</translation>
    </message>
    <message>
        <source>Toggle</source>
        <extracomment>Column header: hotkeys that darken or light one monitor</extracomment>
        <translation>Basculer</translation>
    </message>
    <message>
        <source>Keep Only</source>
        <extracomment>Column header: hotkeys that keep only one monitor lit and darken the others</extracomment>
        <translation>Garder seulement</translation>
    </message>
    <message>
        <source>Add to GNOME&apos;s Keyboard Shortcuts</source>
        <extracomment>Button; &quot;Keyboard Shortcuts&quot; as GNOME&apos;s settings name them</extracomment>
        <translation>Ajouter aux raccourcis clavier de GNOME</translation>
    </message>
    <message>
        <source>Adds every hotkey to GNOME&apos;s custom keyboard shortcuts</source>
        <translation>Ajoute chaque raccourci aux raccourcis clavier personnalisés de GNOME</translation>
    </message>
    <message>
        <source>Added to Settings › Keyboard › Custom Shortcuts; add them again after a change here</source>
        <extracomment>&quot;Settings › Keyboard › Custom Shortcuts&quot; as GNOME&apos;s settings name them</extracomment>
        <translation>Ajoutés dans Paramètres › Clavier › Raccourcis personnalisés&#xa0;; ajoutez-les de nouveau après toute modification ici</translation>
    </message>
    <message>
        <source>GNOME&apos;s keyboard settings could not be changed</source>
        <translation>Les paramètres clavier de GNOME n&apos;ont pas pu être modifiés</translation>
    </message>
    <message>
        <source>Ignore mouse &amp;movement</source>
        <extracomment>Check box: moving the mouse does not wake the displays</extracomment>
        <translation>Ignorer les &amp;mouvements de la souris</translation>
    </message>
    <message>
        <source>Clicks and the wheel still wake the displays</source>
        <translation>Les clics et la molette réveillent toujours les écrans</translation>
    </message>
    <message>
        <source>Clicks and movement on a &amp;lit display wake too</source>
        <translation>Réveiller aussi par clic ou mouvement sur un écran &amp;allumé</translation>
    </message>
    <message>
        <source>Off, the displays kept lit are yours to work on</source>
        <translation>Si décoché, vous pouvez travailler librement sur les écrans restés allumés</translation>
    </message>
    <message>
        <source>On this desktop only input on a dark display is seen: the lit ones are always yours to work on</source>
        <translation>Sur ce bureau, seules les entrées sur un écran occulté sont vues&#xa0;: vous pouvez toujours travailler sur les écrans allumés</translation>
    </message>
    <message>
        <source>From the first input to the wake, 0 to 5 seconds</source>
        <translation>De la première activité au réveil, de 0 à 5 secondes</translation>
    </message>
    <message>
        <source>Wake dela&amp;y:</source>
        <extracomment>Label of the slider: how long input goes on before the displays wake</extracomment>
        <translation>&amp;Délai de réveil&#xa0;:</translation>
    </message>
    <message>
        <source>Wake keys:</source>
        <extracomment>Above the check boxes of the keys that wake the displays</extracomment>
        <translation>Touches de réveil&#xa0;:</translation>
    </message>
    <message>
        <source>A key that wakes the displays</source>
        <translation>Une touche qui réveille les écrans</translation>
    </message>
    <message>
        <source>Wake Settings</source>
        <extracomment>Heading of the group about what wakes the displays</extracomment>
        <translation>Paramètres de réveil</translation>
    </message>
    <message>
        <source>&amp;Launch at login</source>
        <extracomment>Check box: Vesperon starts when the user logs in</extracomment>
        <translation>&amp;Lancer à la connexion</translation>
    </message>
    <message>
        <source>Starts Vesperon when you log in</source>
        <translation>Démarre Vesperon quand vous vous connectez</translation>
    </message>
    <message>
        <source>Wakes every display at once, whatever the settings</source>
        <translation>Réveille immédiatement tous les écrans, quels que soient les paramètres</translation>
    </message>
    <message>
        <source>Safety wake: %1</source>
        <extracomment>What a screen reader calls the safety wake&apos;s keys; %1 is the key combination</extracomment>
        <translation>Réveil de secours&#xa0;: %1</translation>
    </message>
    <message>
        <source>Safety wake:</source>
        <extracomment>Label before the key combination that wakes every display whatever the settings</extracomment>
        <translation>Réveil de secours&#xa0;:</translation>
    </message>
    <message>
        <source>(Always works)</source>
        <extracomment>Beside the safety wake&apos;s key combination</extracomment>
        <translation>(Fonctionne toujours)</translation>
    </message>
    <message>
        <source>General</source>
        <extracomment>Heading of the group of general settings</extracomment>
        <translation>Général</translation>
    </message>
    <message>
        <source>100% is black; less dims the displays instead</source>
        <extracomment>Screen reader description of the blackout opacity slider</extracomment>
        <translation>100&#xa0;% donne du noir&#xa0;; en dessous, les écrans sont assombris</translation>
    </message>
    <message>
        <source>Blackout &amp;opacity:</source>
        <extracomment>Label of the slider: how dark a blackout is</extracomment>
        <translation>&amp;Opacité de l&apos;occultation&#xa0;:</translation>
    </message>
    <message>
        <source>Dimming</source>
        <extracomment>Heading of the group about how dark a blackout is</extracomment>
        <translation>Assombrissement</translation>
    </message>
    <message>
        <source>%1s</source>
        <extracomment>The wake delay beside its slider; %1 is a number of seconds, e.g. 2.5</extracomment>
        <translation>%1&#x202f;s</translation>
    </message>
    <message>
        <source>%1%</source>
        <extracomment>The blackout&apos;s opacity beside its slider; %1 is a percentage, e.g. 75</extracomment>
        <translation>%1&#x202f;%</translation>
    </message>
    <message>
        <source>Never</source>
        <extracomment>The idle minutes at 0: no idle blackout</extracomment>
        <translation>Jamais</translation>
    </message>
    <message>
        <source> min</source>
        <extracomment>Unit after the idle minutes, with the space before it</extracomment>
        <translation> min</translation>
    </message>
    <message>
        <source>Minutes without input before the displays go dark</source>
        <translation>Minutes sans activité avant l&apos;occultation des écrans</translation>
    </message>
    <message>
        <source>All displays</source>
        <extracomment>Choice of which displays go dark when idle</extracomment>
        <translation>Tous les écrans</translation>
    </message>
    <message>
        <source>All but the display with the pointer</source>
        <extracomment>Choice of which displays go dark when idle</extracomment>
        <translation>Tous sauf l&apos;écran du pointeur</translation>
    </message>
    <message>
        <source>Displays that go dark when idle</source>
        <translation>Écrans occultés en cas d&apos;inactivité</translation>
    </message>
    <message>
        <source>&amp;Black out when idle for:</source>
        <extracomment>Label before the idle minutes and the choice of displays</extracomment>
        <translation>Occulter &amp;après une inactivité de&#xa0;:</translation>
    </message>
    <message>
        <source>Idle Blackout</source>
        <extracomment>Heading of the group about blackouts after a time without input</extracomment>
        <translation>Occultation après inactivité</translation>
    </message>
    <message>
        <source>This desktop does not tell Vesperon how long input has been left alone</source>
        <translation>Ce bureau n&apos;indique pas à Vesperon depuis combien de temps il n&apos;y a eu aucune activité</translation>
    </message>
    <message>
        <source>Held back: an application keeps the screen awake</source>
        <translation>Suspendue&#xa0;: une application empêche la mise en veille de l&apos;écran</translation>
    </message>
    <message>
        <source>Held back: %1 keeps the screen awake</source>
        <extracomment>Why no idle blackout comes; %1 is the application that keeps the screen awake, e.g. Firefox</extracomment>
        <translation>Suspendue&#xa0;: %1 empêche la mise en veille de l&apos;écran</translation>
    </message>
    <message>
        <source>This desktop does not tell where the pointer is: every display goes dark</source>
        <translation>Ce bureau n&apos;indique pas où se trouve le pointeur&#xa0;: tous les écrans sont occultés</translation>
    </message>
    <message>
        <source>Each display on its own</source>
        <extracomment>Choice of which displays go dark when idle: each one the pointer has left alone for the minutes</extracomment>
        <translation>Chaque écran séparément</translation>
    </message>
    <message>
        <source>Every display, every one but the pointer&apos;s, or each one the pointer has left alone</source>
        <translation>Tous les écrans, tous sauf celui du pointeur, ou chacun que le pointeur a délaissé</translation>
    </message>
    <message>
        <source>Each display on its own needs to see the pointer come back, which this desktop does not show</source>
        <extracomment>Why the choice &quot;Each display on its own&quot; is unavailable</extracomment>
        <translation>«&#xa0;Chaque écran séparément&#xa0;» doit voir le pointeur revenir, ce que ce bureau ne montre pas</translation>
    </message>
</context>
<context>
    <name>PreferencesWindow</name>
    <message>
        <source>Vesperon Preferences</source>
        <extracomment>Title of the preferences window</extracomment>
        <translation>Préférences de Vesperon</translation>
    </message>
</context>
<context>
    <name>ScreenSaverInhibition</name>
    <message>
        <source>No method %1</source>
        <extracomment>A D-Bus error&apos;s message; %1 is the name of the method called.</extracomment>
        <translation>Aucune méthode %1</translation>
    </message>
</context>
<context>
    <name>StatusReport</name>
    <message>
        <source>dark, primary</source>
        <extracomment>State column of --list-displays and --status: blacked out, the primary monitor.</extracomment>
        <translation>occulté, principal</translation>
    </message>
    <message>
        <source>dark</source>
        <extracomment>State column of --list-displays and --status: blacked out.</extracomment>
        <translation>occulté</translation>
    </message>
    <message>
        <source>lit, primary</source>
        <extracomment>State column of --list-displays and --status: not blacked out, the primary monitor.</extracomment>
        <translation>allumé, principal</translation>
    </message>
    <message>
        <source>lit</source>
        <extracomment>State column of --list-displays and --status: not blacked out.</extracomment>
        <translation>allumé</translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>In place of the list of monitors, after &quot;the displays are:&quot;, when there is none.</extracomment>
        <translation>aucun</translation>
    </message>
    <message numerus="yes">
        <source>Blackout active: %n of %1 displays dark</source>
        <extracomment>The first line of `vesperon --status` during a blackout: %n monitors are dark, of %1 in all.</extracomment>
        <translation>
            <numerusform>Occultation active&#xa0;: %n écran sur %1 occulté</numerusform>
            <numerusform>Occultation active&#xa0;: %n écrans sur %1 occultés</numerusform>
        </translation>
    </message>
    <message>
        <source>No blackout: every display is lit</source>
        <extracomment>The first line of `vesperon --status` when there is no blackout.</extracomment>
        <translation>Aucune occultation&#xa0;: tous les écrans sont allumés</translation>
    </message>
    <message>
        <source>#</source>
        <extracomment>Column heading of --list-displays: the monitor&apos;s position in the list.</extracomment>
        <translation>#</translation>
    </message>
    <message>
        <source>CONNECTOR</source>
        <extracomment>Column heading of --list-displays: the connector&apos;s name, such as DP-1.</extracomment>
        <translation>CONNECTEUR</translation>
    </message>
    <message>
        <source>IDENTIFIER</source>
        <extracomment>Column heading of --list-displays: the monitor&apos;s identifier, a number.</extracomment>
        <translation>IDENTIFIANT</translation>
    </message>
    <message>
        <source>NAME</source>
        <extracomment>Column heading of --list-displays: the monitor&apos;s name.</extracomment>
        <translation>NOM</translation>
    </message>
    <message>
        <source>GEOMETRY</source>
        <extracomment>Column heading of --list-displays: position and size, such as 1920x1080+0+0.</extracomment>
        <translation>GÉOMÉTRIE</translation>
    </message>
    <message>
        <source>STATE</source>
        <extracomment>Column heading of --list-displays: whether the monitor is dark or lit.</extracomment>
        <translation>ÉTAT</translation>
    </message>
</context>
<context>
    <name>TrayFallback</name>
    <message>
        <source>No system tray</source>
        <extracomment>A notification&apos;s title, when the desktop shows no tray icons.</extracomment>
        <translation>Aucune zone de notification</translation>
    </message>
    <message>
        <source>this desktop has no system tray; the hotkeys work (%1 blacks out every monitor), and the preferences window stands in for the menu</source>
        <extracomment>The notification&apos;s text; %1 is the hotkey that blacks out every monitor, such as &quot;Ctrl+Alt+B&quot;.</extracomment>
        <translation>ce bureau n&apos;a pas de zone de notification&#xa0;; les raccourcis clavier fonctionnent (%1 occulte tous les écrans) et la fenêtre des préférences remplace le menu</translation>
    </message>
    <message>
        <source>this desktop has no system tray, and the preferences window stands in for the menu</source>
        <extracomment>The notification&apos;s text, when no hotkey works.</extracomment>
        <translation>ce bureau n&apos;a pas de zone de notification, la fenêtre des préférences remplace donc le menu</translation>
    </message>
</context>
<context>
    <name>X11</name>
    <message>
        <source>black windows and watching input</source>
        <translation>les fenêtres noires et la surveillance des entrées</translation>
    </message>
    <message>
        <source>global hotkeys</source>
        <translation>les raccourcis clavier globaux</translation>
    </message>
    <message>
        <source>idle time</source>
        <translation>le temps d&apos;inactivité</translation>
    </message>
    <message>
        <source>Vesperon: lost the connection to the X server; quitting</source>
        <translation>Vesperon&#xa0;: connexion au serveur X perdue&#xa0;; arrêt</translation>
    </message>
    <message>
        <source>Vesperon: cannot connect to the X server for %1</source>
        <extracomment>%1 is what the connection is for: black windows, hotkeys or idle time</extracomment>
        <translation>Vesperon&#xa0;: impossible de se connecter au serveur X pour %1</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Vesperon is already running on display %1.</source>
        <extracomment>Said when Vesperon is started again; %1 is the display it runs on, such as &quot;:0&quot; or &quot;wayland-0&quot;.</extracomment>
        <translation>Vesperon est déjà lancé sur l&apos;affichage %1.</translation>
    </message>
</context>
</TS>
