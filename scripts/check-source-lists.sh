#!/usr/bin/env bash
# Fails when a C++ source file of the tree is named in no CMakeLists.txt: every target
# lists its files, so a file nobody listed would quietly not be built. A file counts as
# listed when the CMakeLists.txt of its own folder names it, or when any CMakeLists.txt
# names it from the project root (${PROJECT_SOURCE_DIR}/path).
set -euo pipefail
cd "${1:-$(dirname "$0")/..}"

unlisted=0
checked=0
while IFS= read -r -d '' file; do
  checked=$((checked + 1))
  folder=$(dirname "$file")
  file=${file#./}
  name=$(basename "$file")
  if [ -f "$folder/CMakeLists.txt" ] && grep -qwF -- "$name" "$folder/CMakeLists.txt"; then
    continue
  fi
  if find CMakeLists.txt src tests bench -name CMakeLists.txt -print0 |
     xargs -0 grep -qF -- "\${PROJECT_SOURCE_DIR}/$file"; then
    continue
  fi
  echo "$file is in no target's source list: name it in the CMakeLists.txt that builds it" >&2
  unlisted=$((unlisted + 1))
done < <(find src tests bench -name '*.cpp' -print0 | sort -z)

if [ "$checked" -eq 0 ]; then
  echo "no source files found to check" >&2
  exit 1
fi
[ "$unlisted" -eq 0 ] || exit 1
echo "source lists: all $checked source files are listed"
