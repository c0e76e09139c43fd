#!/usr/bin/env bash
# Refreshes the translation files (resources/translations/plectronome_<code>.ts) from the
# sources with lupdate: new texts are added as unfinished; texts gone from the code stay
# as "vanished" with their translation, so that a text that comes back (or one translated
# before its code landed) is translated at once. With --check it changes nothing and fails when a file lacks a text of the
# sources or still holds an unfinished one (ctest runs this as translations_complete).
#
# Adding a user-visible text:
#   1. Write it in tr() (or QT_TRANSLATE_NOOP for tables), then run
#        bash scripts/update-translations.sh
#   2. In each .ts file, find the new <message> with <translation type="unfinished">,
#      write the translation and remove type="unfinished" (or use Qt Linguist:
#        linguist resources/translations/plectronome_de.ts).
#      Keep %1, <br /> and & accelerators as in the source text.
#   3. bash scripts/update-translations.sh --check   must then pass.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
lupdate=$(command -v lupdate || command -v lupdate-qt5 || echo /usr/lib/qt5/bin/lupdate)
# The folders whose code shows texts to the user.
sources=(app audio metadata views preferences)

ts_dir=$here/resources/translations
files=("$ts_dir"/plectronome_*.ts)

run_lupdate() {
  (cd "$here" && "$lupdate" -silent -I . -locations none "${sources[@]}" -ts "$@")
}

if [ "${1:-}" != "--check" ]; then
  run_lupdate "${files[@]}"
  exit 0
fi

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
cp "${files[@]}" "$tmp"/
run_lupdate "$tmp"/plectronome_*.ts
status=0
for f in "$tmp"/plectronome_*.ts; do
  # Each unfinished message, by its source text.
  missing=$(awk '/<source>/ { src = $0 } /type="unfinished"/ { sub(/^ *<source>/, "", src); sub(/<\/source>$/, "", src); print "    " src }' "$f")
  if [ -n "$missing" ]; then
    echo "$(basename "$f"): texts without a translation:"
    echo "$missing"
    status=1
  fi
done
if [ $status -ne 0 ]; then
  echo "Run: bash scripts/update-translations.sh, then translate the unfinished messages (see the script's head)."
else
  echo "${#files[@]} translation files hold every text of the sources, all translated."
fi
exit $status
