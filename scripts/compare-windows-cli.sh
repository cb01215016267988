#!/usr/bin/env bash
# The start-value book of the Windows command-line program under wine against this
# machine's: every file of the run byte for byte (the PDF's creation time aside),
# and the Windows PDF through qpdf --check.
# Usage: compare-windows-cli.sh LINUX_CLI WINDOWS_CLI WORK_FOLDER (WINEPREFIX set)
set -euo pipefail
linux_cli=$1 windows_cli=$2 work=$3
rm -rf "$work/linux" "$work/windows"
mkdir -p "$work/linux" "$work/windows"
"$linux_cli" run --default --out "$work/linux" >/dev/null
/usr/lib/wine/wine64 "$windows_cli" run --default --out "$work/windows" >/dev/null

without_creation_time() { grep -av '^/CreationDate' "$1"; }
status=0
count=0
while IFS= read -r -d '' file; do
  name=$(basename "$file")
  count=$((count + 1))
  if [ ! -f "$work/windows/$name" ]; then
    echo "missing from the Windows run: $name" >&2; status=1
  elif [[ $name == *.pdf ]]; then
    cmp -s <(without_creation_time "$file") <(without_creation_time "$work/windows/$name") ||
      { echo "differs: $name" >&2; status=1; }
  elif ! cmp -s "$file" "$work/windows/$name"; then
    echo "differs: $name" >&2; status=1
  fi
done < <(find "$work/linux" -type f -print0)
[ "$(find "$work/windows" -type f | wc -l)" -eq "$count" ] ||
  { echo "the Windows run wrote other files than the Linux run" >&2; status=1; }
qpdf --check "$work/windows/擁壁計算結果.pdf" >/dev/null ||
  { echo "qpdf --check refuses the Windows PDF" >&2; status=1; }
[ $status -eq 0 ] && echo "windows cli: $count files as on Linux, qpdf --check passes"
exit $status
