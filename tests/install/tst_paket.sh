#!/usr/bin/env bash
# Makes the Debian package from the build that is there, as scripts/paket.sh does, and checks
# it: its files, its control fields, the programs in it, and what desktop-file-validate,
# appstreamcli and lintian say (each skipped, with a message, where it is not installed).
# Usage: tst_paket.sh <cpack> <build folder> <AppStream ID> <program>...
set -euo pipefail
cpack=$1
build=$2
id=$3
shift 3
programme=("$@")
if ! command -v dpkg-deb >/dev/null || ! command -v dpkg-shlibdeps >/dev/null; then
    echo "SKIP: dpkg-deb and dpkg-shlibdeps make the package; scripts/install-deps.sh installs them"
    exit 77
fi
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fehler() { echo "FAIL: $*" >&2; exit 1; }

"$cpack" --config "$build/CPackConfig.cmake" -B "$tmp/paket" >"$tmp/cpack.log" 2>&1 ||
    { cat "$tmp/cpack.log"; fehler "cpack"; }
pakete=("$tmp"/paket/tarnholm-editor_*.deb)
[ ${#pakete[@]} -eq 1 ] || fehler "one package, got: ${pakete[*]}"
deb=${pakete[0]}
feld() { dpkg-deb -f "$deb" "$1"; }
[[ $(basename "$deb") = "tarnholm-editor_$(feld Version)_$(feld Architecture).deb" ]] ||
    fehler "the package's name: $(basename "$deb")"

# Only what a system install needs: nothing of a game folder, nothing twice.
erwartet=(usr/share/applications/"$id".desktop usr/share/metainfo/"$id".metainfo.xml
          usr/share/icons/hicolor/scalable/apps/tarnholm-editor.svg
          usr/share/mime/packages/tarnholm-editor.xml
          usr/share/doc/tarnholm-editor/copyright usr/share/doc/tarnholm-editor/changelog.gz)
for p in "${programme[@]}"; do
    erwartet+=(usr/bin/"$p" usr/share/man/man1/"$p".1.gz)
done
# The example game: the demo's seven subfolders, file for file, and its start and goals, and
# nothing else of the demo.
beispiel=usr/share/tarnholm-editor/beispiel
sieben=(rooms graphics sounds movies cursors items musics)
while IFS= read -r datei; do
    erwartet+=("$beispiel/$datei")
done < <(cd "$build/demo-game" && find "${sieben[@]}" -type f)
erwartet+=("$beispiel/raetselplan.txt")
diff <(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print $6}' | sed 's|^\./||' | sort) \
     <(printf '%s\n' "${erwartet[@]}" | sort) || fehler "the package's files differ (< found, > expected)"

# The Qt libraries come from dpkg-shlibdeps; Graphviz draws the map, gettext brings translations
# up to date, Wine runs "Testen".
[[ $(feld Depends) =~ libqt6widgets6 ]] || fehler "Depends: $(feld Depends)"
[ "$(feld Recommends)" = "graphviz, gettext" ] || fehler "Recommends: $(feld Recommends)"
[ "$(feld Suggests)" = wine ] || fehler "Suggests: $(feld Suggests)"

# The stripped programs still run; the menu entry opens a file, of the types the package defines.
dpkg-deb -x "$deb" "$tmp/baum"
[[ $("$tmp/baum/usr/bin/tarnholm-editor" --version) = "tarnholm-editor $(feld Version)" ]] ||
    fehler "tarnholm-editor --version"
for ordner in "${sieben[@]}"; do
    diff -r "$build/demo-game/$ordner" "$tmp/baum/$beispiel/$ordner" ||
        fehler "the example's $ordner differs from the demo game's"
done
eintrag=$tmp/baum/usr/share/applications/$id.desktop
grep -qx 'Exec=tarnholm-editor %f' "$eintrag" || fehler "Exec"
for typ in $(sed -n 's/^MimeType=//p' "$eintrag" | tr ';' ' '); do
    grep -q "type=\"$typ\"" "$tmp/baum/usr/share/mime/packages/tarnholm-editor.xml" ||
        fehler "the MIME type $typ is not defined"
done

pruefen() {
    if ! command -v "$1" >/dev/null; then
        echo "SKIP: $1 is not installed; scripts/install-deps.sh installs it"
        return
    fi
    "$@" || fehler "$*"
}
pruefen desktop-file-validate "$eintrag"
pruefen appstreamcli validate-tree --no-net "$tmp/baum"
# lintian exits 0 on warnings; errors fail.
pruefen lintian --fail-on error "$deb"
echo "paket: ok"
