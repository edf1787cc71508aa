#!/usr/bin/env bash
# The README's keyboard table is generated: `zelko-calc --list-keys=markdown` prints it from the
# key tables the program uses, and it sits between the "keys:begin" and "keys:end" markers.
#   scripts/readme-keys.sh ZELKO_CALC [README]            fails when the table is out of date
#   scripts/readme-keys.sh ZELKO_CALC [README] --update   writes the current table in
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
calc="${1:?usage: readme-keys.sh ZELKO_CALC [README] [--update]}"
readme="$root/README.md"
update=0
for arg in "${@:2}"; do
  case "$arg" in
    --update) update=1 ;;
    *) readme="$arg" ;;
  esac
done
begin='<!-- keys:begin -->'
end='<!-- keys:end -->'

if [ "$(grep -cxF "$begin" "$readme")" != 1 ] || [ "$(grep -cxF "$end" "$readme")" != 1 ]; then
  echo "$readme: needs exactly one '$begin' line and one '$end' line" >&2
  exit 1
fi

table="$(mktemp)"
trap 'rm -f "$table" "$table.readme"' EXIT
"$calc" --list-keys=markdown >"$table"

if [ "$update" = 1 ]; then
  awk -v begin="$begin" -v end="$end" -v table="$table" '
    $0 == begin { print; while ((getline line < table) > 0) print line; skip = 1; next }
    $0 == end { skip = 0 }
    !skip { print }' "$readme" >"$table.readme"
  cat "$table.readme" >"$readme"
  exit 0
fi

if ! diff -u --label "README.md keyboard table" --label "zelko-calc --list-keys=markdown" \
  <(awk -v begin="$begin" -v end="$end" '$0 == end { inside = 0 } inside { print } $0 == begin { inside = 1 }' "$readme") \
  "$table"; then
  echo "$readme: the keyboard table is out of date; run scripts/readme-keys.sh $calc --update" >&2
  exit 1
fi
