#!/usr/bin/env bash
# Builds the .deb, unpacks it into a temporary root and checks what it installs.
#   packaging_test.sh BUILD_DIR
set -euo pipefail
build=$(cd "$1" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "packaging: $*" >&2; exit 1; }

(cd "$build" && cpack -G DEB -B "$work/pkg" >/dev/null)
deb=$(ls "$work"/pkg/jiaoyan_*_amd64.deb)
dpkg-deb -x "$deb" "$work/root"

expected="./usr/bin/jiaoyan
./usr/bin/jiaoyan-cli
./usr/share/applications/jiaoyan.desktop"
for size in 128 16 24 256 32 48 64; do
  expected+=$'\n'"./usr/share/icons/hicolor/${size}x${size}/apps/jiaoyan.png"
done
expected+=$'\n'"./usr/share/man/man1/jiaoyan-cli.1"
expected+=$'\n'"./usr/share/metainfo/invalid.jiaoyan.jiaoyan.metainfo.xml"
actual=$(cd "$work/root" && find . -type f | LC_ALL=C sort)
[ "$actual" = "$(echo "$expected" | LC_ALL=C sort)" ] || fail $'installed files differ:\n'"$actual"

desktop-file-validate "$work/root/usr/share/applications/jiaoyan.desktop"
appstreamcli validate --no-net "$work/root/usr/share/metainfo/invalid.jiaoyan.jiaoyan.metainfo.xml" >/dev/null

depends=$(dpkg-deb -f "$deb" Depends)
for lib in libqt6widgets6 libqt6gui6 libssl3 libnettle8 libpng16-16 libc6; do
  grep -q "$lib" <<<"$depends" || fail "Depends lacks $lib: $depends"
done
apt-get install --simulate "$deb" >/dev/null 2>&1 || fail "apt cannot install the package"

file -b "$work/root/usr/share/icons/hicolor/32x32/apps/jiaoyan.png" | grep -q "32 x 32" || fail "icon size"
printf abc > "$work/abc"
out=$("$work/root/usr/bin/jiaoyan-cli" check MD5 900150983cd24fb0d6963f7d28e17f72 "$work/abc")
[ "$out" = "校验成功! 文件信息与已知内容相同!" ] || fail "unpacked jiaoyan-cli said: $out"
echo "packaging: all passed"
