#!/usr/bin/env bash
# Builds the Debian package and meets it as an engineer's machine would: lintian and
# desktop-file-validate find no error; once installed, the programs in /usr/bin say
# the build's version, the command-line program writes the same 擁壁.txt as the
# build's, and the desktop program started on a design file shows its name in the
# editor's caption; removing the package leaves none of its files behind.
# Installs and removes the package, so it runs as root (CI).
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD=${BUILD:-build}

fail() {
  echo "check-package: $*" >&2
  exit 1
}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

make package
deb=$(ls "$BUILD"/marvoten_*_amd64.deb)
version=$("$BUILD"/src/app/marvoten-cli --version | cut -d' ' -f2)
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] ||
  fail "package version $(dpkg-deb -f "$deb" Version), programs $version"
echo "package: $deb"
dpkg-deb -f "$deb" Depends

# Errors fail the step; the warnings and notes lintian still has are shown.
lintian --fail-on error --info "$deb"
dpkg-deb -x "$deb" "$work/unpacked"
desktop-file-validate "$work/unpacked/usr/share/applications/marvoten.desktop"

dpkg -i "$deb"
# What the package installed, its folders left out: others may share those.
dpkg -L marvoten | while read -r path; do
  [ -d "$path" ] || echo "$path"
done >"$work/installed-files"

for program in marvoten marvoten-cli; do
  [ "$(/usr/bin/$program --version)" = "$program $version" ] ||
    fail "/usr/bin/$program --version: $(/usr/bin/$program --version)"
done

mkdir "$work/installed" "$work/built"
(cd "$work/installed" && /usr/bin/marvoten-cli run --default)
[ -s "$work/installed/擁壁計算結果.pdf" ] || fail "the installed program wrote no PDF book"
"$BUILD"/src/app/marvoten-cli run --default --txt --out "$work/built" >/dev/null
cmp "$work/installed/擁壁.txt" "$work/built/擁壁.txt" ||
  fail "擁壁.txt of the installed program differs from the build's"

# The desktop program on a design file, as the file manager starts it, offscreen:
# the probe starts the same windows through the same start-up and reads the
# editor's caption once the load queued at start has run.
/usr/bin/marvoten-cli save-default "$work/擁壁Ｂ.dat" >/dev/null
caption=$(QT_QPA_PLATFORM=offscreen "$BUILD"/src/app/marvoten-probe caption "$work/擁壁Ｂ.dat")
[ "$caption" = "設計条件 擁壁Ｂ" ] || fail "editor caption after the load: '$caption'"
# The installed program itself on a virtual display: the editor window's name, as
# the window system has it, once the design is loaded (up to 30 s).
xvfb-run -a sh -c '
  /usr/bin/marvoten "$1" 2>/dev/null &
  program=$!
  for attempt in $(seq 60); do
    if xwininfo -root -tree | grep -qF "\"$2"; then kill $program; exit 0; fi
    sleep 0.5
  done
  kill $program
  exit 1' - "$work/擁壁Ｂ.dat" "設計条件 擁壁Ｂ" ||
  fail "/usr/bin/marvoten on a design file showed no editor named 設計条件 擁壁Ｂ"

dpkg --purge marvoten
if dpkg-query -W marvoten >/dev/null 2>&1; then fail "marvoten is still known to dpkg"; fi
while read -r path; do
  if [ -e "$path" ] || [ -L "$path" ]; then fail "left after removal: $path"; fi
done <"$work/installed-files"
[ ! -e /usr/share/doc/marvoten ] || fail "left after removal: /usr/share/doc/marvoten"
echo "package: installed, checked and removed without a trace"
