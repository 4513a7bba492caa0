#!/usr/bin/env bash
# Installs the build into a scratch root as a package would, checks what a
# desktop and a package manager read from it, runs the installed program (and
# Python module) from a folder with no data.txt, and builds, lints and lists
# the Debian package.
#   install_test.sh BUILD_DIR SOURCE_DIR APP_ID PREFIX BINDIR DATADIR MANDIR [PYTHON]
# (the prefix the build was configured with, and the folders below it; the
# interpreter the Python module was built for, when it was)
set -euo pipefail
build=$(realpath "$1")
source=$(realpath "$2")
app_id=$3
prefix=$4
bindir=$5
datadir=$6
mandir=$7
python=${8:-}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

root=$work/root
DESTDIR=$root cmake --install "$build" >"$work/install.log"

# The menu entry starts the program by the paths written into it, with no
# data.txt at hand, and the manual names the bodies' folder: all as installed
# under the prefix given.
check_paths() { # ROOT PREFIX
    local desktop=$1$2/$datadir/applications/$app_id.desktop quoted
    mapfile -t quoted < <(grep '^Exec=' "$desktop" | grep -o '"[^"]*"' | tr -d '"')
    [ "${quoted[0]:-}" = "$2/$bindir/rigid-body" ] || fail "the menu entry starts '${quoted[0]:-}' under $2"
    [ "${quoted[1]:-}" = "$2/$datadir/rigid-body/bodies/l-shape.txt" ] ||
        fail "the menu entry opens '${quoted[1]:-}' under $2"
    zgrep -qx "\.It Pa $2/$datadir/rigid-body/bodies/" "$1$2/$mandir/man1/rigid-body.1.gz" ||
        fail "the manual does not name the bodies' folder under $2"
}

program=$prefix/$bindir/rigid-body
desktop=$prefix/$datadir/applications/$app_id.desktop
metainfo=$prefix/$datadir/metainfo/$app_id.metainfo.xml
icon=$prefix/$datadir/icons/hicolor/scalable/apps/$app_id.svg
manual=$prefix/$mandir/man1/rigid-body.1.gz
body=$prefix/$datadir/rigid-body/bodies/l-shape.txt
for file in "$program" "$desktop" "$metainfo" "$icon" "$manual" "$body"; do
    [ -f "$root$file" ] || fail "not installed: $file"
done

# Hints count too: one is a menu entry shown twice. The metadata's only remark
# may be its id's capitals, kept on purpose (packaging/CMakeLists.txt says why).
remarks=$(desktop-file-validate "$root$desktop" 2>&1) || fail "the desktop entry is refused: $remarks"
[ -z "$remarks" ] || fail "the desktop entry draws remarks: $remarks"
remarks=$(appstreamcli validate --pedantic --no-net "$root$metainfo" 2>&1) ||
    fail "the AppStream metadata is refused: $remarks"
! grep '^[EWIP]: ' <<<"$remarks" | grep -v ' cid-contains-uppercase-letter ' ||
    fail "the AppStream metadata draws the remarks above"
xmllint --noout "$root$icon" || fail "the icon is not well-formed XML"
# The menu and a software centre show the name and summary in the languages
# the window speaks.
for language in de fr es; do
    grep -q "^Name\[$language\]=" "$root$desktop" && grep -q "^Comment\[$language\]=" "$root$desktop" ||
        fail "the desktop entry has no name or comment in $language"
    [ "$(grep -c "xml:lang=\"$language\"" "$root$metainfo")" -eq 2 ] ||
        fail "the AppStream metadata has no name and summary in $language"
done

check_paths "$root" "$prefix"
grep -qx "Icon=$app_id" "$root$desktop" || fail "the menu entry's icon is not $app_id"

# The manual formats without a warning and keeps up with the program: every
# option and every key that --help names has its entry, and the synopsis shows
# every option but Qt's --help-all.
zcat "$root$manual" >"$work/manual"
warnings=$(groff -mdoc -ww -z "$work/manual" 2>&1)
[ -z "$warnings" ] || fail "the manual formats with warnings: $warnings"
help=$("$root$program" --help)
synopsis=$(sed -n '/^\.Sh SYNOPSIS$/,/^\.Sh /p' "$work/manual")
for option in $(grep -o -- '--[a-z][a-z-]*' <<<"$help" | sort -u); do
    grep -q -- "Fl \\\\${option#-}\\b" "$work/manual" || fail "the manual lacks the option $option"
    [ "$option" = --help-all ] || grep -q -- "Fl \\\\${option#-}\\b" <<<"$synopsis" ||
        fail "the manual's synopsis lacks the option $option"
done
for key in $(sed -n '/keys:$/,/^$/s/^  \([^ ]\+\) .*/\1/p' <<<"$help"); do
    grep -q "^\.It $key\$" "$work/manual" || fail "the manual lacks the key $key"
done

# The installed program on the installed body, far from the source tree, runs
# as the built one does on the shipped data.txt, to the last bit.
script=$'press 432 288\nrelease 472 250\nstartstop\ntick 40\nstate'
mkdir "$work/elsewhere"
installed=$(cd "$work/elsewhere" && "$root$program" --script - --data "$root$body" <<<"$script")
built=$(cd "$source" && "$build/app/rigid-body" --script - <<<"$script")
grep -q '"particleCount":8' <<<"$installed" || fail "the installed run printed no state: $installed"
[ "$installed" = "$built" ] || fail "the installed run differs from the built one"

# The installed module, found where the interpreter looks under the prefix,
# sets up the installed L by itself and replays the script to the same state.
check_module() { # FOLDER
    [ -n "$python" ] || return 0
    (cd "$work/elsewhere" && PYTHONPATH=$1 PYTHONDONTWRITEBYTECODE=1 "$python" - "$script" "$installed" <<'EOF'
import json, sys
import rigidbody
script, printed = sys.argv[1], sys.argv[2]
assert rigidbody.Session().apply(script) == [json.loads(printed, parse_int=float)], "the module's state differs"
EOF
    ) || fail "the module installed in $1 does not replay the script as the program does"
}
if [ -n "$python" ]; then
    python_dir=lib/python3/dist-packages
    [ "$prefix" = /usr ] || python_dir=lib/python$("$python" -c 'import sys; print("%d.%d" % sys.version_info[:2])')/dist-packages
    check_module "$root$prefix/$python_dir"
fi

# The installed lessons find their installed bodies, and answer as the shipped
# ones do in the source tree.
lessons=("$root$prefix/$datadir"/rigid-body/lessons/*.toml)
[ "${#lessons[@]}" -ge 5 ] && [ -f "${lessons[0]}" ] || fail "the lessons are not installed"
for lesson in "${lessons[@]}"; do
    answered=$(cd "$work/elsewhere" && "$root$program" --check-lesson "$lesson") ||
        fail "the installed lesson $lesson does not check"
    expected=$("$build/app/rigid-body" --check-lesson "$source/examples/lessons/${lesson##*/}")
    [ "$answered" = "$expected" ] || fail "the installed lesson ${lesson##*/} answers otherwise than the shipped one"
done

# The package goes under /usr whatever the build's prefix, with no path of that
# prefix left in it, and holds exactly the installed files; lintian finds no
# fault in it, and it needs Qt's widgets.
(cd "$work" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/package") >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log"; fail "cpack could not make the package"; }
package=$(echo "$work"/package/rigid-body_*.deb)
[ -f "$package" ] || fail "no rigid-body_*.deb made"
dpkg-deb --info "$package"
dpkg-deb --contents "$package"
dpkg-deb --extract "$package" "$work/unpacked"
check_paths "$work/unpacked" /usr
check_module "$work/unpacked/usr/lib/python3/dist-packages"
if [ "$prefix" != /usr ] && find "$work/unpacked" -type f -exec zgrep -lF -- "$prefix/" {} +; then
    fail "the files above name the build's prefix $prefix"
fi
diff <(cd "$root" && find . -type f | sed -e "s|^\./${prefix#/}/|./usr/|" \
                                          -e "s|/lib/python3\.[0-9]*/dist-packages/|/lib/python3/dist-packages/|" | sort) \
     <(cd "$work/unpacked" && find . -type f | sort) ||
    fail "the package's files differ from the installed ones"
lintian --fail-on error,warning --display-info "$package" || fail "lintian finds the faults above"
dpkg-deb --field "$package" Depends | grep -q 'libqt6widgets6' || fail "the package does not depend on Qt's widgets"
[ -z "$python" ] || dpkg-deb --field "$package" Recommends | grep -q 'python3-numpy' ||
    fail "the package does not recommend what the Python module needs"
echo "installed, validated and packaged"
