# Sourced by the picture scripts: `source picture-setup.sh BUILD_DIR DOCS_DIR WORK_NAME` sets
# $build and $docs, points the end-to-end harness at the built program and its prefix (made
# when missing) and loads the harness.
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
build=$(cd "$1" && pwd); docs=$(mkdir -p "$2" && cd "$2" && pwd)
export TANDREL_EXE=$build/shell/tandrel.exe E2E_PREFIX=$build/e2e-prefix E2E_WORK=$build/$3
if [ ! -f "$E2E_PREFIX/.tandrel-prepared" ]; then
  "$here/../../tools/prepare-wineprefix" "$E2E_PREFIX" --unmanaged >/dev/null 2>&1 \
    && touch "$E2E_PREFIX/.tandrel-prepared"
fi
source "$here/e2e-lib.sh"
