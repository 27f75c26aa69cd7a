#!/usr/bin/env bash
# Makes the Debian package of a build tree, unpacks it into a temporary root (dpkg -x) and checks it
# there: nothing outside /usr, the programs run from the root and print the build's version, and the
# desktop entry, metainfo, icons and manual page are where a desktop looks for them.
# Usage: test_package.sh BUILD_DIR VERSION WITH_UI(0|1). Exits 77 (skipped) without the package tools.
set -uo pipefail
build=$1
version=$2
ui=$3

for tool in cpack dpkg-deb dpkg-shlibdeps; do
  command -v "$tool" > /dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
fail() {
  echo "FAIL: $*" >&2
  status=1
}

if ! cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/out" > "$work/cpack.log" 2>&1; then
  cat "$work/cpack.log"
  exit 1
fi
debs=("$work"/out/quorvant_"$version"_*.deb)
[ -f "${debs[0]}" ] || { ls -R "$work/out"; fail "no quorvant_${version}_*.deb"; exit 1; }
deb=${debs[0]}
root="$work/root"
dpkg-deb -x "$deb" "$root" || { fail "dpkg -x failed"; exit 1; }

# Nothing outside the prefix.
outside=$(dpkg-deb -c "$deb" | awk '{print $6}' | grep -v -E '^\./(usr/.*)?$')
[ -z "$outside" ] || fail "files outside /usr: $outside"

expect_file() { [ -f "$root/$1" ] || fail "missing $1"; }
expect_file usr/bin/obtool
expect_file usr/share/man/man1/obtool.1.gz

# The installed programs run from the root, find their libraries and print the project's version.
for program in obtool $([ "$ui" = 1 ] && echo quorvant); do
  if ldd "$root/usr/bin/$program" | grep -q 'not found'; then fail "$program: libraries not found"; fi
done
got=$("$root/usr/bin/obtool" --version)
[ "$got" = "obtool $version" ] || fail "obtool --version printed '$got'"

# The manual page holds every command of the help text.
man=$(gzip -dc "$root/usr/share/man/man1/obtool.1.gz")
grep -q '^\.TH OBTOOL 1 ' <<< "$man" || fail "obtool.1 has no title line"
grep -q "Quorvant $version" <<< "$man" || fail "obtool.1 does not name version $version"
while read -r command; do
  grep -q "^\.B $command\$" <<< "$man" || fail "obtool.1 does not describe $command"
done < <("$root/usr/bin/obtool" --help | sed -n 's/^  obtool \([a-z0-9]*\) .*/\1/p')

depends=$(dpkg-deb -f "$deb" Depends)
grep -q 'libc6' <<< "$depends" || fail "Depends lacks libc6: $depends"

if [ "$ui" = 1 ]; then
  # Printing the version needs no display.
  got=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$root/usr/bin/quorvant" --version)
  [ "$got" = "Quorvant $version" ] || fail "quorvant --version printed '$got'"
  grep -q 'libqt6widgets6' <<< "$depends" || fail "Depends lacks libqt6widgets6: $depends"

  share=usr/share
  desktop=$share/applications/com.vexmoor.Quorvant.desktop
  metainfo=$share/metainfo/com.vexmoor.Quorvant.metainfo.xml
  expect_file "$desktop"
  expect_file "$metainfo"
  for line in 'Name=Quorvant' 'GenericName=' 'Comment=' 'Categories=Game;Utility;' 'Icon=quorvant' \
              'Exec=quorvant'; do
    grep -q "^$line" "$root/$desktop" || fail "desktop entry lacks $line"
  done
  if command -v desktop-file-validate > /dev/null; then
    desktop-file-validate --no-hints "$root/$desktop" || fail "desktop entry does not validate"
  fi
  grep -q "<release version=\"$version\"" "$root/$metainfo" || fail "metainfo lacks release $version"
  if command -v appstreamcli > /dev/null; then
    appstreamcli validate --no-net "$root/$metainfo" > "$work/appstream.log" 2>&1 ||
      { cat "$work/appstream.log"; fail "metainfo does not validate"; }
  fi

  expect_file "$share/icons/hicolor/scalable/apps/quorvant.svg"
  for size in 16 32 48 64 128 256; do
    png="$share/icons/hicolor/${size}x${size}/apps/quorvant.png"
    expect_file "$png"
    [ -f "$root/$png" ] || continue
    # The PNG header gives width and height as 32-bit big-endian numbers at offset 16.
    read -r w0 w1 w2 w3 h0 h1 h2 h3 < <(od -An -tu1 -j16 -N8 "$root/$png")
    width=$(( (w0 << 24) | (w1 << 16) | (w2 << 8) | w3 ))
    height=$(( (h0 << 24) | (h1 << 16) | (h2 << 8) | h3 ))
    [ "$width" = "$size" ] && [ "$height" = "$size" ] || fail "$png is ${width}x${height}"
  done
fi

[ $status -eq 0 ] && echo "package $(basename "$deb") checked"
exit $status
