#!/usr/bin/env bash
# Builds the Debian package from the build and checks it: its name, that its
# dependencies come from the shared libraries plus the fonts the renderer
# draws with, that it holds the installed tree under /usr, and that it has no
# maintainer scripts (removing it cannot touch a user's files).
# Usage: check_package.sh CPACK BUILD_DIR VERSION EXPECTED_FILES
set -euo pipefail
cpack=$1 build=$2 version=$3 expected=$4
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

"$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log" >&2; fail "cpack"; }
deb=$work/varnel_${version}_$(dpkg --print-architecture).deb
[ -f "$deb" ] || fail "no $(basename "$deb"); cpack made: $(ls "$work")"

depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
names=$(sed 's/ ([^)]*)//g; s/, /\n/g' <<<"$depends")
for needed in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6 \
              fonts-dejavu-core fonts-liberation; do
    grep -qxF "$needed" <<<"$names" || fail "Depends lacks $needed"
done

actual=$(dpkg-deb --fsys-tarfile "$deb" | tar -t | grep -v '/$' | sed 's|^\./usr/||' | LC_ALL=C sort)
diff -u <(LC_ALL=C sort "$expected") <(echo "$actual") || fail "the package's files differ from the list"

dpkg-deb -e "$deb" "$work/control"
scripts=$(cd "$work/control" && ls | grep -vx -e control -e md5sums || true)
[ -z "$scripts" ] || fail "maintainer files in the package: $scripts"
echo "$(basename "$deb") is sound"
