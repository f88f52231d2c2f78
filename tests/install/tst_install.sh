#!/usr/bin/env bash
# Installs the built editor twice into a game folder an author already filled, and once into
# an empty folder: the programs, the missing subfolders and the menu entry come; nothing the
# author made changes. Usage: tst_install.sh <cmake> <build folder> <program>...
set -euo pipefail
cmake=$1
build=$2
shift 2
programme=("$@")
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
export XDG_DATA_HOME=$tmp/daten
fehler() { echo "FAIL: $*" >&2; exit 1; }

spiel="$tmp/Mein \$Spiel 100%"
mkdir -p "$spiel/graphics" "$spiel/rooms"
echo "vom Autor" >"$spiel/graphics/eigen.bmp"
printf '"eigen.bmp%91s"\r\n-1\r\n-1\r\n-1\r\n' "" >"$spiel/rooms/mein.lsd"
vorher=$(cd "$spiel" && find . -type f -exec md5sum {} + | sort)
"$cmake" --install "$build" --prefix "$spiel" >/dev/null
"$cmake" --install "$build" --prefix "$spiel" >/dev/null
[ "$(cd "$spiel" && find . -type f ! -name 'tarnholm-*' -exec md5sum {} + | sort)" = "$vorher" ] ||
    fehler "an author's file changed"
for unter in rooms graphics sounds movies cursors items musics; do
    [ -d "$spiel/$unter" ] || fehler "no $unter folder"
done
for p in "${programme[@]}"; do
    [ -x "$spiel/$p" ] || fehler "$p missing"
done
[ "$(find "$spiel" -mindepth 1 -maxdepth 1 | wc -l)" -eq $((7 + ${#programme[@]})) ] ||
    fehler "more than programs and folders"

eintraege=("$XDG_DATA_HOME"/applications/tarnholm-editor-*.desktop)
[ ${#eintraege[@]} -eq 1 ] || fehler "one menu entry per game folder, got ${#eintraege[@]}"
[ -f "$XDG_DATA_HOME/icons/hicolor/scalable/apps/tarnholm-editor.svg" ] || fehler "no icon"
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "${eintraege[0]}" || fehler "desktop-file-validate"
fi
# The Exec line, unescaped as the desktop does, names the installed editor and passes a file.
exec_zeile=$(sed -n 's/^Exec=\(.*\) %f$/\1/p' "${eintraege[0]}" |
    sed -e 's/\\\\/\\/g' -e 's/^"//' -e 's/"$//' -e 's/\\\([$`"\\]\)/\1/g' -e 's/%%/%/g')
[ "$exec_zeile" = "$spiel/tarnholm-editor" ] || fehler "Exec names $exec_zeile"
"$spiel/tarnholm-check" >/dev/null || fehler "the author's folder does not check clean"
"$spiel/tarnholm-umbenennen" --probe bild eigen.bmp anders.bmp >/dev/null ||
    fehler "tarnholm-umbenennen does not plan in the author's folder"

# An empty folder becomes a game folder that both programs open.
leer="$tmp/leer"
mkdir "$leer"
"$cmake" --install "$build" --prefix "$leer" >/dev/null
"$leer/tarnholm-check" >/dev/null || fehler "tarnholm-check in a fresh game folder"
QT_QPA_PLATFORM=offscreen "$leer/tarnholm-editor" &
editor=$!
sleep 2
kill -0 $editor 2>/dev/null || fehler "the editor did not stay open in a fresh game folder"
kill $editor
echo "install: ok"
