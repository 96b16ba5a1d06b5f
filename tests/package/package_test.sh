#!/usr/bin/env bash
# The Debian package as a packager checks it: it builds, lintian reports no error or warning,
# it installs exactly the expected files, declares its dependencies and binds at load time.
set -euo pipefail
cd "$(dirname "$0")/../.."

deb=$(scripts/package | tail -n 1)
lintian --fail-on error,warning "$deb"
appstreamcli validate --no-net debian/*.metainfo.xml

expected=(usr/bin/kolwe usr/share/applications/kolwe.desktop
  usr/share/doc/kolwe/changelog.gz usr/share/doc/kolwe/copyright usr/share/man/man1/kolwe.1.gz
  usr/share/metainfo/org.example.kolwe.metainfo.xml
  usr/share/icons/hicolor/scalable/apps/kolwe.svg)
for size in 16 22 24 32 48 64 128 256; do
  expected+=("usr/share/icons/hicolor/${size}x$size/apps/kolwe.png")
done
diff <(printf '%s\n' "${expected[@]}" | sort) \
  <(dpkg-deb -c "$deb" | awk '$6 !~ /\/$/ { print substr($6, 3) }' | sort)

fields=$(dpkg-deb -f "$deb" Depends Recommends)
for wanted in "fonts-ipafont-gothic | fonts-vlgothic" qt6-translations-l10n \
  "Recommends: xdg-desktop-portal"; do
  grep -qF "$wanted" <<<"$fields" || { echo "missing: $wanted" >&2; exit 1; }
done

unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
dpkg-deb -x "$deb" "$unpacked"
readelf -d "$unpacked/usr/bin/kolwe" | grep -q BIND_NOW
echo "package checks passed: $deb"
