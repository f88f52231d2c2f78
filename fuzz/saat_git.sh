#!/usr/bin/env bash
# Makes the seeds of fuzz_gitantworten: git's real answers in temporary repositories, as the
# editor asks them (a merge with conflicts, one side deleting, both adding; paths with blanks,
# umlauts and quotes; rev-parse in and outside a work tree). Run once by hand: fuzz/saat_git.sh fuzz/corpus/fuzz_gitantworten
set -euo pipefail
ziel=$(realpath "$1")
mkdir -p "$ziel"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
export GIT_AUTHOR_NAME=Autorin GIT_AUTHOR_EMAIL=autorin@example.org
export GIT_COMMITTER_NAME=Autorin GIT_COMMITTER_EMAIL=autorin@example.org
export GIT_CONFIG_NOSYSTEM=1 HOME=$tmp
cd "$tmp"
git init -q -b main "Spiel mit Tür"
cd "Spiel mit Tür"
mkdir rooms items graphics
for f in 'rooms/haus.lsd' 'rooms/keller mit Tür.lsd' 'rooms/"zitat".lsd' 'items/ding.skp' \
         'rooms/weg.lsd'; do
    printf 'basis\r\n' >"$f"
done
printf '*.lsd -text diff=tarnholm merge=tarnholm\n*.skp -text\n*.bmp binary\n' >.gitattributes
git add -A && git commit -qm basis
git checkout -qb deren
for f in 'rooms/haus.lsd' 'rooms/keller mit Tür.lsd' 'rooms/"zitat".lsd' 'items/ding.skp'; do
    printf 'deren\r\n' >"$f"
done
git rm -q rooms/weg.lsd
printf 'deren\r\n' >rooms/neu.lsd
git add -A && git commit -qm deren
git checkout -q main
for f in 'rooms/haus.lsd' 'rooms/keller mit Tür.lsd' 'rooms/"zitat".lsd' 'items/ding.skp' \
         'rooms/weg.lsd'; do
    printf 'unsere\r\n' >"$f"
done
printf 'unsere\r\n' >rooms/neu.lsd
git add -A && git commit -qm unsere
git merge -q deren >/dev/null 2>&1 || true

git ls-files -u -z -- . >"$ziel/ls-files-konflikte"
git ls-files -u -z -- 'rooms/keller mit Tür.lsd' >"$ziel/ls-files-umlaut"
git ls-files -u -z -- rooms/weg.lsd >"$ziel/ls-files-geloescht"
git ls-files -u -z -- rooms/neu.lsd >"$ziel/ls-files-beide-neu"
(cd rooms && git ls-files -u -z -- .) >"$ziel/ls-files-unterordner"
# Without -z git quotes such paths; the editor asks with -z, but the bytes are git's as well.
git ls-files -u -- . >"$ziel/ls-files-zitiert"
# The temporary folder gives way to one of no machine.
git rev-parse --absolute-git-dir | sed "s|^$tmp|/home/autorin|" >"$ziel/rev-parse-git-dir"
git rev-parse --is-inside-work-tree >"$ziel/rev-parse-arbeitsbaum"
git rev-parse --git-path hooks >"$ziel/rev-parse-hooks"
git -c core.hooksPath='Haken mit Leerzeichen ' rev-parse --git-path hooks >"$ziel/rev-parse-hooks-leer"
(cd .git && git rev-parse --is-inside-work-tree) >"$ziel/rev-parse-kein-arbeitsbaum"
