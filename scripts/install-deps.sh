#!/usr/bin/env bash
# Installs the Debian packages a fresh machine lacks for building and testing.
set -euo pipefail

packages=(
  cmake make g++ ccache libgtest-dev libbenchmark-dev
  libcli11-dev         # the command line's study and size subcommands
  clang-format         # scripts/check-format.sh
  qpdf                 # qpdf --check on every PDF the tests write
  poppler-utils        # pdfinfo, pdffonts, pdftotext, pdftoppm
  poppler-data         # the Japanese character maps pdftotext and pdftoppm read the book with
  fonts-ipafont-mincho # the Mincho face pdftoppm draws the book's unembedded text in
  libwmf-bin           # wmf2svg reads the metafiles
  fonts-urw-base35     # the faces wmf2svg measures the metafiles' text with
  libxml2-utils        # xmllint checks the SVG files
  librsvg2-bin         # rsvg-convert draws the SVG files
  clang libclang-rt-14-dev  # clang and libFuzzer build the design-file fuzz target
  qt6-base-dev qt6-qpa-plugins libgl-dev  # the desktop program (Qt 6 Widgets, offscreen tests)
  fonts-noto-cjk       # Noto Sans (Mono) CJK JP: the Gothic face of the windows and figures
  fonts-ipafont-gothic # the Gothic face where Noto is not installed
  xvfb xauth           # make run and screenshots of the window without a desktop
  libcups2-dev         # the print system's answer to each print job
  cups cups-client printer-driver-cups-pdf  # the printing tests' print queue (a PDF printer)
  help2man             # the manual pages of the package, from each program's --help
  lintian desktop-file-utils  # scripts/check-package.sh checks the package and its desktop entry
  x11-utils            # xwininfo, xprop, xdpyinfo: windows as the window manager has them
  openbox xdotool imagemagick  # the window-manager tests: a real window manager, clicks, pictures
  qt6-translations-l10n  # Qt's own dialogs in Japanese
  g++-mingw-w64-x86-64-posix googletest  # make windows-test: the Windows cross build
  wine64               # make windows-test runs the Windows executables
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi
SUDO=""
if [ "$(id -u)" -ne 0 ]; then
  if ! command -v sudo >/dev/null 2>&1; then
    echo "these packages are missing; install them as root:" >&2
    echo "  apt-get install ${missing[*]}" >&2
    exit 1
  fi
  SUDO=sudo
fi
echo "installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -q
$SUDO apt-get install -y -q "${missing[@]}"
