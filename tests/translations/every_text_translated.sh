#!/bin/sh
# every_text_translated.sh LUPDATE ROOT: lupdate over ROOT/src into copies of ROOT/translations/*.ts;
# fails naming each text left unfinished (a new text, or one changed in the sources).
set -eu
lupdate=$1
root=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$root"/translations/*.ts "$work"/
find "$root/src" -name '*.cpp' -o -name '*.h' | sort > "$work/sources"
"$lupdate" -no-obsolete -locations none -tr-function-alias QT_TRANSLATE_NOOP+=UI_TEXT -I "$root/src" "@$work/sources" -ts "$work"/*.ts \
  > "$work/said" 2>&1 || { cat "$work/said"; exit 1; }
status=0
for ts in "$work"/*.ts; do
  if grep -q 'type="unfinished"' "$ts"; then
    echo "$(basename "$ts"): not translated:"
    grep -B1 'type="unfinished"' "$ts" | grep '<source>' | sed 's/^ */  /'
    status=1
  fi
done
exit $status
