#!/usr/bin/env bash
# The installation, as a user's package manager would put it in place.
#   InstallTest.sh files   BUILD_DIR SOURCE_DIR VERSION  — cmake --install into a DESTDIR, every
#                           file where the desktop looks for it, and each one validated
#   InstallTest.sh package BUILD_DIR SOURCE_DIR VERSION  — the Debian package, checked by lintian
set -euo pipefail
mode=$1 build=$2 source=$3 version=$4
id=io.github.vesperon.Vesperon
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

expected="usr/bin/vesperon
usr/share/applications/$id.desktop
usr/share/dbus-1/interfaces/$id.Shell.xml
usr/share/dbus-1/interfaces/$id.xml
usr/share/dbus-1/services/$id.service
usr/share/doc/vesperon/changelog.gz
usr/share/doc/vesperon/copyright
usr/share/gnome-shell/extensions/vesperon@vesperon.github.io/extension.js
usr/share/gnome-shell/extensions/vesperon@vesperon.github.io/icons/vesperon-display-dark-symbolic.svg
usr/share/gnome-shell/extensions/vesperon@vesperon.github.io/icons/vesperon-display-symbolic.svg
usr/share/gnome-shell/extensions/vesperon@vesperon.github.io/icons/vesperon-warning-symbolic.svg
usr/share/gnome-shell/extensions/vesperon@vesperon.github.io/locale/de/LC_MESSAGES/vesperon-shell.mo
usr/share/gnome-shell/extensions/vesperon@vesperon.github.io/locale/fr/LC_MESSAGES/vesperon-shell.mo
usr/share/gnome-shell/extensions/vesperon@vesperon.github.io/metadata.json
usr/share/icons/hicolor/scalable/apps/$id.svg
usr/share/icons/hicolor/symbolic/apps/$id-symbolic.svg
usr/share/man/man1/vesperon.1.gz
usr/share/metainfo/$id.metainfo.xml"

check_files() {
    local root=$scratch/root
    DESTDIR=$root cmake --install "$build" --prefix /usr >/dev/null
    local installed
    installed=$(cd "$root" && find . -type f -printf '%P\n' | LC_ALL=C sort)
    [ "$installed" = "$expected" ] || fail "installed files differ:"$'\n'"$(diff <(echo "$expected") <(echo "$installed"))"
    [ -x "$root/usr/bin/vesperon" ] || fail "the program is not executable"
    [ "$("$root/usr/bin/vesperon" --version)" = "Vesperon $version" ] || fail "--version does not say $version"

    # GNOME Shell loads the extension only from a folder named after its uuid, and only for the
    # shell versions it names.
    local extension=$root/usr/share/gnome-shell/extensions/vesperon@vesperon.github.io shell
    grep -q '"uuid": "vesperon@vesperon.github.io"' "$extension/metadata.json" || fail "the extension's uuid is not its folder's"
    if shell=$(gnome-shell --version 2>/dev/null | grep -o -E '[0-9]+' | head -1); then
        grep -q "\"$shell\"" "$extension/metadata.json" || fail "the extension is not for the installed GNOME Shell $shell"
    fi

    local said page=$scratch/page warnings
    said=$(desktop-file-validate "$root/usr/share/applications/$id.desktop" 2>&1) || fail "desktop entry: $said"
    [ "$(grep -c '^Comment\[' "$root/usr/share/applications/$id.desktop")" = 2 ] || fail "the desktop entry is not in German and French"
    said=$(appstreamcli validate --no-net --explain "$root/usr/share/metainfo/$id.metainfo.xml" 2>&1) || fail "metainfo: $said"
    warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z \
        "$root/usr/share/man/man1/vesperon.1.gz" 2>&1 >/dev/null)
    [ -z "$warnings" ] || fail "the man page has warnings: $warnings"
    LC_ALL=C.UTF-8 MANWIDTH=200 man -l "$root/usr/share/man/man1/vesperon.1.gz" 2>/dev/null | col -b >"$page"

    # The man page covers every option the program knows and every settings key it reads.
    local option key
    for option in $("$root/usr/bin/vesperon" --help | grep -o -E -- '(^| )--?[a-z][a-z-]*' | sort -u); do
        grep -q -F -- "$option" "$page" || fail "the man page does not mention $option"
    done
    for key in $(grep -o -E 'constexpr const char\* [a-zA-Z]+ = "[a-zA-Z]+"' "$source/src/model/AppState.h" | cut -d'"' -f2); do
        grep -q -w -F -- "$key" "$page" || fail "the man page does not mention the settings key $key"
    done

    # Every command the launcher offers is one the program takes: with no session bus it says so
    # (3), never that the usage is bad (2).
    local entry=$root/usr/share/applications/$id.desktop command status
    grep -q "^Icon=$id\$" "$entry" || fail "the desktop entry names another icon"
    while IFS= read -r command; do
        status=0
        env -u DBUS_SESSION_BUS_ADDRESS XDG_RUNTIME_DIR="$scratch/none" \
            "$root/usr/bin/vesperon" ${command#Exec=vesperon } >/dev/null 2>&1 || status=$?
        [ "$status" = 3 ] || fail "'$command' ends with $status, not 3 (no session bus)"
    done < <(grep '^Exec=vesperon ' "$entry")
    [ "$(grep -c '^Exec=vesperon --' "$entry")" = 2 ] || fail "the desktop entry does not offer its two actions"

    # Launchers that activate it on the bus by the entry's name find the program the package installed.
    grep -q '^DBusActivatable=true$' "$entry" || fail "the desktop entry is not DBusActivatable"
    [ "$(cat "$root/usr/share/dbus-1/services/$id.service")" = "[D-BUS Service]"$'\n'"Name=$id"$'\n'"Exec=/usr/bin/vesperon" ] ||
        fail "the D-Bus service is not $id starting /usr/bin/vesperon"
}

check_package() {
    local said
    said=$(cpack -G DEB --config "$build/CPackConfig.cmake" -B "$scratch" 2>&1) || fail "cpack: $said"
    local deb status=0 packaged
    deb=$(echo "$scratch"/vesperon_"$version"_*.deb)
    [ -f "$deb" ] || fail "no package vesperon_${version}_*.deb"
    packaged=$(dpkg-deb --fsys-tarfile "$deb" | tar -t | grep -v '/$' | sed 's|^\./||' | LC_ALL=C sort)
    [ "$packaged" = "$expected" ] || fail "packaged files differ:"$'\n'"$(diff <(echo "$expected") <(echo "$packaged"))"
    local depends
    depends=$(dpkg-deb -f "$deb" Depends)
    for library in libqt6widgets6 libqt6dbus6 libxcb-xinput0 libwayland-client0 libqt6svg6 qt6-wayland; do
        [[ "$depends" == *"$library"* ]] || fail "Depends lacks $library: $depends"
    done
    # Errors fail; warnings are listed. lintian leaves files of its own in TMPDIR: the scratch folder.
    said=$(TMPDIR=$scratch lintian --fail-on error --tag-display-limit 0 "$deb" 2>&1) || status=$?
    echo "$said" | grep -v 'running with root privileges' || true
    [ "$status" = 0 ] || fail "lintian reports errors"
}

case $mode in
    files) check_files ;;
    package) check_package ;;
    *) fail "unknown mode $mode" ;;
esac
echo "ok: $mode"
