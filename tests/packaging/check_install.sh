#!/bin/sh
# Installs a build into a scratch DESTDIR and checks where the icons, the desktop entry, the
# AppStream metainfo and the data files land, that they are the repository's files, and that
# the names by which they refer to one another agree.
#
# Usage: check_install.sh CMAKE BUILD_DIR STAGE_DIR DATADIR INSTALLED_DATA_DIR SOURCE_DIR
#   DATADIR and INSTALLED_DATA_DIR are the absolute install paths (without the DESTDIR).

set -u
cmake=$1 build=$2 stage=$3 datadir=$4 data=$5 src=$6
id=org.chronel.Chronel
failures=0

fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

# The file must exist and be identical to the repository's copy.
same_file() {
  if [ ! -f "$1" ]; then
    fail "missing $1"
  elif ! cmp -s "$1" "$2"; then
    fail "$1 differs from $2"
  fi
}

# Width and height of a PNG from its IHDR chunk, as "WxH"; empty when it is no PNG.
png_size() {
  [ "$(od -An -c -j1 -N3 "$1" | tr -d ' ')" = PNG ] || return 0
  od -An -tu1 -j16 -N8 "$1" | awk '{ printf "%dx%d", $1*16777216+$2*65536+$3*256+$4, $5*16777216+$6*65536+$7*256+$8 }'
}

rm -rf "$stage"
if ! DESTDIR="$stage" "$cmake" --install "$build" >"$stage.log" 2>&1; then
  cat "$stage.log" >&2
  echo "FAIL: cmake --install failed" >&2
  exit 1
fi
root=$stage$datadir

# Icons: one PNG per size, each really that size, and the scalable drawing.
for n in 16 32 48 64 128 256; do
  icon=$root/icons/hicolor/${n}x${n}/apps/$id.png
  same_file "$icon" "$src/res/icons/chronel-$n.png"
  if [ -f "$icon" ]; then
    size=$(png_size "$icon")
    [ "$size" = "${n}x${n}" ] || fail "$icon is '${size:-not a PNG}', expected ${n}x${n}"
  fi
done
same_file "$root/icons/hicolor/scalable/apps/$id.svg" "$src/res/icons/chronel.svg"

desktop=$root/applications/$id.desktop
metainfo=$root/metainfo/$id.metainfo.xml
same_file "$desktop" "$src/res/packaging/$id.desktop"
same_file "$metainfo" "$src/res/packaging/$id.metainfo.xml"

# The desktop entry names the installed icon and program; the metainfo names this entry.
if [ -f "$desktop" ]; then
  grep -qx "Icon=$id" "$desktop" || fail "$desktop does not name the icon $id"
  grep -qx "Exec=chronel" "$desktop" || fail "$desktop does not start chronel"
fi
if [ -f "$metainfo" ]; then
  grep -q "<id>$id</id>" "$metainfo" || fail "$metainfo does not have the id $id"
  grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
    fail "$metainfo does not launch $id.desktop"
  grep -q "<binary>chronel</binary>" "$metainfo" || fail "$metainfo does not provide chronel"
fi

# Every data file of the repository, in the folder the installed program reads.
[ -d "$stage$data" ] || fail "missing data folder $stage$data"
for file in "$src"/Data/*.txt; do
  [ -e "$file" ] || continue
  same_file "$stage$data/$(basename "$file")" "$file"
done

# The program and the window program it starts; the installed program answers a subcommand from
# any folder with the installed data.
prefix=$stage$(dirname "$datadir")
[ -x "$prefix/bin/chronel" ] || fail "missing $prefix/bin/chronel"
if [ -x "$prefix/bin/chronel" ]; then
  [ -x "$prefix/libexec/chronel/chronel-window" ] || fail "missing $prefix/libexec/chronel/chronel-window"
  out=$(cd / && "$prefix/bin/chronel" day --greg 2000-01-01 --city "London (United Kingdom)" --format csv 2>&1)
  echo "$out" | grep -q "London (United Kingdom)" || fail "installed chronel day did not answer: $out"
fi

if [ "$failures" -ne 0 ]; then
  echo "$failures install check(s) failed" >&2
  exit 1
fi
echo "install layout as expected under $stage"
