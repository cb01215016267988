#!/usr/bin/env bash
# Fails when a C++ file of the tree is not laid out as the root .clang-format says,
# naming the file and the lines; clang-format comes from Debian's clang-format package.
set -euo pipefail
cd "$(dirname "$0")/.."

if ! command -v clang-format >/dev/null 2>&1; then
  echo "clang-format is not installed (Debian package clang-format)" >&2
  exit 1
fi
mapfile -d '' files < <(git ls-files -z -- '*.cpp' '*.h')
if [ ${#files[@]} -eq 0 ]; then
  echo "no C++ files found to check" >&2
  exit 1
fi
clang-format --style=file --dry-run --Werror "${files[@]}"
echo "format: ${#files[@]} files as .clang-format has them"
