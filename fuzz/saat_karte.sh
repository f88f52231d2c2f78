#!/usr/bin/env bash
# Makes the seeds of fuzz_kartenlayout: what Graphviz answers for the map of "Räume", asked as
# the editor asks it, for the demo game and for a game of 200 rooms made from its house.
#   fuzz/saat_karte.sh build/demo-game/tarnholm-check build/demo-game fuzz/corpus/fuzz_kartenlayout
set -euo pipefail
pruefer=$(realpath "$1")
demo=$(realpath "$2")
mkdir -p "$3"
ziel=$(realpath "$3")
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
# The editor's node size: the preview (160 x 120) with its frame and caption, in inches.
anordnen() {
    dot -Tjson0 -Nwidth=2.444444444 -Nheight=2.083333333 -Nfixedsize=true "$1" >"$2" 2>/dev/null
}
"$pruefer" --karte "$tmp/demo.dot" "$demo" >/dev/null || true
anordnen "$tmp/demo.dot" "$ziel/demo"

mkdir -p "$tmp/gross"
cp -r "$demo"/{cursors,graphics,items,movies,musics,sounds} "$tmp/gross/"
mkdir "$tmp/gross/rooms"
for i in $(seq 0 199); do
    # A path through the rooms with a way back from each, and a few branches.
    sed -e "s/\"keller\\.lsd\"/\"raum$((i > 0 ? (i % 10 ? i - 1 : i / 2) : 199)).lsd\"/" \
        -e "s/\"wald\\.lsd\"/\"raum$(((i + 1) % 200)).lsd\"/" \
        "$demo/rooms/haus.lsd" >"$tmp/gross/rooms/raum$i.lsd"
done
cp "$demo/rooms/keller.lsd" "$demo/rooms/wald.lsd" "$tmp/gross/rooms/"
"$pruefer" --karte "$tmp/gross.dot" "$tmp/gross" >/dev/null || true
anordnen "$tmp/gross.dot" "$ziel/gross"
