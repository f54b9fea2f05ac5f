#!/usr/bin/env bash
# Installs the build into a fresh prefix and checks what a desktop and a user
# get from it: the exact file list, a valid menu entry and AppStream
# metadata, an icon the entry names, and a man page that renders cleanly.
# Usage: check_install.sh CMAKE BUILD_DIR EXPECTED_FILES
set -euo pipefail
cmake=$1 build=$2 expected=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
fail() { echo "FAIL: $*" >&2; exit 1; }

"$cmake" --install "$build" --prefix "$prefix" >/dev/null

actual=$(cd "$prefix" && find . ! -type d | sed 's|^\./||' | LC_ALL=C sort)
diff -u <(LC_ALL=C sort "$expected") <(echo "$actual") || fail "installed files differ from the list"

[ -x "$prefix/bin/varnel" ] || fail "bin/varnel is not executable"
# An installed copy keeps its files in the data folder: keep that in the work folder.
version=$(XDG_DATA_HOME=$work/data "$prefix/bin/varnel" --version) || fail "the installed program does not run"
[[ $version == "varnel "* ]] || fail "bin/varnel --version printed: $version"
for pdf in "$prefix"/share/varnel/*.pdf; do
    [ "$(head -c 5 "$pdf")" = "%PDF-" ] || fail "$pdf is not a PDF"
done

id=org.varnel.Varnel
desktop=$prefix/share/applications/$id.desktop
# A hint (no main category, say) still hides the entry in some menus.
hints=$(desktop-file-validate "$desktop" 2>&1) || fail "desktop-file-validate: $hints"
[ -z "$hints" ] || fail "desktop-file-validate: $hints"
echo "desktop-file-validate: no errors, warnings or hints"
grep -qx "Exec=varnel" "$desktop" || fail "the menu entry does not start bin/varnel"
grep -qx "Icon=$id" "$desktop" || fail "the menu entry names another icon"

echo "appstreamcli validate:"
appstreamcli validate --no-net --no-color "$prefix/share/metainfo/$id.metainfo.xml" ||
    fail "appstreamcli validate"
appstreamcli validate-tree --no-net --no-color "$prefix" || fail "appstreamcli validate-tree"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" \
    "$prefix/share/metainfo/$id.metainfo.xml" || fail "the metadata names another menu entry"

page=$prefix/share/man/man1/varnel.1
warnings=$(groff -man -ww -z "$page" 2>&1)
[ -z "$warnings" ] || fail "groff: $warnings"
LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings=all -l "$page" >"$work/page.txt" 2>"$work/warnings" ||
    fail "man -l"
[ ! -s "$work/warnings" ] || fail "man: $(cat "$work/warnings")"
[ -s "$work/page.txt" ] || fail "man -l printed nothing"
source_text=$(sed 's/\\-/-/g' "$page")
for word in import export list check delete labels label envelope return-labels test-page; do
    grep -qx "\.B varnel $word" <<<"$source_text" || fail "the man page has no synopsis of $word"
done
for option in --help --version --dry-run --format --encoding --search --sort --bold --italic \
              --centered --position --line --size --large --stock --printer -o; do
    grep -qwF -- "$option" <<<"$source_text" || fail "the man page does not show $option"
done
echo "installed tree, menu entry, metadata and man page are sound"
