#!/usr/bin/env bash
# Builds the Debian package from the build folder and checks it: lintian
# finds no error and no warning, the package holds the programs and their
# files, and its dependencies name Qt's libraries when the desktop program
# is in it.
#
#   package_test.sh BUILD_DIR
set -euo pipefail

build=$1
skip=77
for tool in cpack dpkg-deb dpkg-shlibdeps lintian; do
    command -v "$tool" >/dev/null || { echo "SKIPPED: $tool is not installed"; exit $skip; }
done

out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
fail() { echo "FAILED: $*" >&2; exit 1; }

cpack --config "$build/CPackConfig.cmake" -B "$out" >"$out/cpack.log" 2>&1 ||
    fail "cpack: $(tail -5 "$out/cpack.log")"
debs=("$out"/brenx_*_*.deb)
deb=${debs[0]}
[ -f "$deb" ] || fail "no brenx_<version>_<arch>.deb made"
echo "made $(basename "$deb")"

contents=$(dpkg-deb -c "$deb" | awk '{print $6}')
expected=(./usr/bin/brenxc ./usr/share/brenx/brenxhtm/brenfrm.htm ./usr/share/brenx/AIRNUKLD.WAV
          ./usr/share/man/man1/brenxc.1.gz ./usr/share/doc/brenx/copyright
          ./usr/share/doc/brenx/changelog.gz ./usr/share/doc/brenx/examples/brenx.ini)
if [ -x "$build/src/brenx" ]; then
    expected+=(./usr/bin/brenx ./usr/share/man/man1/brenx.1.gz
               ./usr/share/applications/brenx.desktop
               ./usr/share/icons/hicolor/scalable/apps/brenx.svg)
    depends=$(dpkg-deb -f "$deb" Depends)
    for library in libqt6widgets6 libqt6multimedia6 libc6; do
        [[ $depends == *"$library"* ]] || fail "Depends lacks $library: $depends"
    done
fi
for file in "${expected[@]}"; do
    grep -qxF "$file" <<<"$contents" || fail "the package lacks $file"
done

# Errors and warnings fail; the informational tags are listed in
# docs/install.md with the reason each is kept.
lintian --no-tag-display-limit "$deb" >"$out/lintian.log" 2>&1 || true
grep -v 'running with root privileges' "$out/lintian.log" || true
if grep -E '^[EW]: ' "$out/lintian.log"; then
    fail "lintian reports errors or warnings"
fi
echo "PASSED"
