#!/usr/bin/env bash
# Builds the Debian package from a configured and built tree, looks inside it, unpacks it into a
# scratch root with dpkg -x and runs the programs from there; checks the desktop entry, the
# AppStream metainfo, the icons and the man pages it carries. CTest runs it as package_deb.
#
#   scripts/package-test.sh BUILD_DIR [--with-window | --without-window] [VERSION]
#
# --without-window: the tree was configured without the window (ZELKO_BUILD_SHELL=OFF), so the
# package holds zelko-calc alone and must hold nothing of the window.
# Everything is written below BUILD_DIR/packaging/package-test, so runs for different build
# trees do not meet.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$(cd "${1:?usage: package-test.sh BUILD_DIR [--with-window|--without-window] [VERSION]}" && pwd)"
window=yes
case "${2:---with-window}" in
  --with-window) window=yes ;;
  --without-window) window=no ;;
  *) echo "package-test.sh: unknown argument '$2'" >&2; exit 2 ;;
esac
version="${3:-$(sed -n 's/^project(ZelkoScientific VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")}"

scratch="$build/packaging/package-test"
rm -rf "$scratch"
mkdir -p "$scratch"

failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}
note() { echo "-- $*"; }

# ---- Tools ---------------------------------------------------------------------------------
# dpkg-shlibdeps (dpkg-dev) computes the Depends line and is required; the validators are used
# when they can be had.
need_packages=()
command -v dpkg-deb >/dev/null || { echo "package-test.sh: dpkg-deb not found; this needs a Debian system" >&2; exit 1; }
command -v dpkg-shlibdeps >/dev/null || need_packages+=(dpkg-dev)
command -v desktop-file-validate >/dev/null || need_packages+=(desktop-file-utils)
command -v appstreamcli >/dev/null || need_packages+=(appstream)
command -v groff >/dev/null || need_packages+=(groff-base)
if [ ${#need_packages[@]} -gt 0 ]; then
  sudo=""
  if [ "$(id -u)" -ne 0 ]; then
    if command -v sudo >/dev/null && sudo -n true 2>/dev/null; then sudo="sudo -n"; else sudo="none"; fi
  fi
  if [ "$sudo" = none ]; then
    note "cannot install ${need_packages[*]} (not root, no sudo)"
  else
    note "installing ${need_packages[*]}"
    export DEBIAN_FRONTEND=noninteractive
    # Another test may be installing at the same moment: wait for the lock instead of failing.
    $sudo apt-get -o DPkg::Lock::Timeout=600 update -qq ||
      note "apt-get update failed"
    $sudo apt-get -o DPkg::Lock::Timeout=600 install -y -qq --no-install-recommends "${need_packages[@]}" ||
      note "apt-get install ${need_packages[*]} failed"
  fi
fi
command -v dpkg-shlibdeps >/dev/null ||
  { echo "package-test.sh: dpkg-shlibdeps is missing; install dpkg-dev" >&2; exit 1; }

# ---- Build the package ---------------------------------------------------------------------
note "cpack -G DEB in $build"
(cd "$build" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$scratch/out") >"$scratch/cpack.log" 2>&1 ||
  { cat "$scratch/cpack.log" >&2; echo "FAIL: cpack -G DEB" >&2; exit 1; }

arch="$(dpkg --print-architecture)"
deb="$scratch/out/zelko-scientific_${version}_${arch}.deb"
if [ ! -f "$deb" ]; then
  cat "$scratch/cpack.log" >&2
  echo "FAIL: no $(basename "$deb"); cpack wrote: $(cd "$scratch/out" && ls ./*.deb 2>/dev/null | tr '\n' ' ')" >&2
  exit 1
fi
note "built $(basename "$deb")"

# ---- Control fields ------------------------------------------------------------------------
dpkg-deb -I "$deb" | tee "$scratch/info.txt"
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = zelko-scientific ] || fail "Package is '$(field Package)'"
[ "$(field Version)" = "$version" ] || fail "Version is '$(field Version)', not $version"
[ "$(field Architecture)" = "$arch" ] || fail "Architecture is '$(field Architecture)'"
[ "$(field Section)" = math ] || fail "Section is '$(field Section)'"
maintainer_form='^[^<]+ <[^>@]+@[^>]+>$'
[[ "$(field Maintainer)" =~ $maintainer_form ]] || fail "Maintainer '$(field Maintainer)' is not 'Name <address>'"
[[ "$(field Description)" == "scientific desk calculator"* ]] || fail "Description does not start with the summary"
depends="$(field Depends)"
# Computed by dpkg-shlibdeps from the binaries: the C and C++ runtimes always, Qt with the window.
depends_on() { tr ',|' '\n\n' <<<"$depends" | sed 's/^ *//; s/[ (].*//' | grep -qxF "$1"; }
needed=(libc6 libstdc++6)
[ $window = yes ] && needed+=(libqt6widgets6)
for lib in "${needed[@]}"; do
  depends_on "$lib" || fail "Depends '$depends' lacks $lib"
done

# ---- Contents ------------------------------------------------------------------------------
dpkg-deb -c "$deb" | tee "$scratch/contents.txt"
# Regular files only, as paths without the leading "./".
awk '$1 ~ /^-/ { p = $6; sub(/^\.\//, "", p); print p }' "$scratch/contents.txt" | sort >"$scratch/files.txt"

man_ext=""
grep -qx 'usr/share/man/man1/zelko-calc.1.gz' "$scratch/files.txt" && man_ext=.gz
expected=(usr/bin/zelko-calc "usr/share/man/man1/zelko-calc.1$man_ext")
# Compressed pages go with a compressed change log, as Debian wants for a native package.
[ -n "$man_ext" ] && expected+=(usr/share/doc/zelko-scientific/changelog.gz)
window_files=(
  usr/bin/zelko-scientific
  usr/share/applications/zelko-scientific.desktop
  usr/share/metainfo/io.github.zelko.scientific.metainfo.xml
  "usr/share/man/man1/zelko-scientific.1$man_ext"
)
for size in 32 48 64 128 256; do
  window_files+=("usr/share/icons/hicolor/${size}x${size}/apps/zelko-scientific.png")
done
if [ $window = yes ]; then
  expected+=("${window_files[@]}")
else
  note "built without the window: checking that nothing of it is packaged"
  for f in "${window_files[@]}"; do
    grep -qx "$f" "$scratch/files.txt" && fail "$f is packaged although the window is not built"
  done
fi
for f in "${expected[@]}"; do
  grep -qx "$f" "$scratch/files.txt" || fail "$f is not in the package"
done
# Nothing else, apart from documentation.
printf '%s\n' "${expected[@]}" | sort >"$scratch/expected.txt"
while read -r f; do
  case "$f" in usr/share/doc/zelko-scientific/*) continue ;; esac
  grep -qx "$f" "$scratch/expected.txt" || fail "unexpected file in the package: $f"
done <"$scratch/files.txt"
# Owned by root, programs 0755, everything else 0644.
while read -r mode owner _ _ _ path _; do
  [ "${mode:0:1}" = - ] || continue
  [ "$owner" = root/root ] || fail "$path is owned by $owner"
  case "$path" in
    ./usr/bin/*) [ "$mode" = -rwxr-xr-x ] || fail "$path has mode $mode" ;;
    *) [ "$mode" = -rw-r--r-- ] || fail "$path has mode $mode" ;;
  esac
done <"$scratch/contents.txt"

# ---- Unpack and run ------------------------------------------------------------------------
dest="$scratch/root"
dpkg -x "$deb" "$dest"
note "unpacked into $dest"

calc="$dest/usr/bin/zelko-calc"
got="$("$calc" '2+3*4=' 2>&1)" || fail "installed zelko-calc 2+3*4= exited with status $?"
note "installed zelko-calc 2+3*4= printed '$got'"
[ "$got" = 20 ] || fail "installed zelko-calc 2+3*4= printed '$got', not 20"
got="$(echo '100 log + 2 =' | "$calc" 2>&1)" || fail "installed zelko-calc reading standard input failed"
[ "$got" = 4 ] || fail "installed zelko-calc with '100 log + 2 =' on standard input printed '$got', not 4"
got="$("$calc" --version 2>&1)" || fail "installed zelko-calc --version failed"
[[ "$got" == *"Zelko Scientific"* ]] || fail "installed zelko-calc --version printed '$got'"

if [ $window = yes ]; then
  # --version and --help need no display.
  got="$(env -u DISPLAY -u WAYLAND_DISPLAY "$dest/usr/bin/zelko-scientific" --version 2>&1)" ||
    fail "installed zelko-scientific --version exited with status $?"
  note "installed zelko-scientific --version printed '$got'"
  [[ "$got" == *"Zelko Scientific"* ]] || fail "installed zelko-scientific --version printed '$got'"
  env -u DISPLAY -u WAYLAND_DISPLAY "$dest/usr/bin/zelko-scientific" --help >/dev/null 2>&1 ||
    fail "installed zelko-scientific --help failed"
fi

# The installed programs use the system's libraries: no run path, least of all into the build tree.
if command -v readelf >/dev/null; then
  for exe in "$dest"/usr/bin/*; do
    runpath="$(readelf -d "$exe" | sed -n 's/.*(\(RUNPATH\|RPATH\)).*\[\(.*\)\]/\2/p')"
    [ -z "$runpath" ] || fail "$(basename "$exe") has the run path '$runpath'"
  done
fi

# ---- Desktop entry, metainfo, icons --------------------------------------------------------
if [ $window = yes ]; then
  desktop="$dest/usr/share/applications/zelko-scientific.desktop"
  metainfo="$dest/usr/share/metainfo/io.github.zelko.scientific.metainfo.xml"
else
  desktop="$root/packaging/zelko-scientific.desktop"
  metainfo="$root/packaging/io.github.zelko.scientific.metainfo.xml"
fi

if command -v desktop-file-validate >/dev/null; then
  note "desktop-file-validate $(basename "$desktop")"
  if out="$(desktop-file-validate "$desktop" 2>&1)"; then
    [ -z "$out" ] || echo "$out"
  else
    echo "$out" >&2
    fail "desktop-file-validate"
  fi
else
  note "desktop-file-validate not available: desktop entry not validated"
fi
if command -v appstreamcli >/dev/null; then
  note "appstreamcli validate --no-net $(basename "$metainfo")"
  if out="$(appstreamcli validate --no-net "$metainfo" 2>&1)"; then
    echo "$out"
  else
    echo "$out" >&2
    fail "appstreamcli validate --no-net"
  fi
  if [ $window = yes ]; then
    # The installed tree as a whole: metainfo, desktop entry and icon found where they belong.
    note "appstreamcli validate-tree --no-net"
    if out="$(appstreamcli validate-tree --no-net "$dest" 2>&1)"; then
      echo "$out"
    else
      echo "$out" >&2
      fail "appstreamcli validate-tree --no-net"
    fi
  fi
else
  note "appstreamcli not available: metainfo not validated"
fi

# The entry, the metainfo and the files must name each other.
grep -qx 'Exec=zelko-scientific' "$desktop" || fail "desktop entry does not start zelko-scientific"
grep -qx 'Icon=zelko-scientific' "$desktop" || fail "desktop entry does not use the zelko-scientific icon"
grep -q '<launchable type="desktop-id">zelko-scientific.desktop</launchable>' "$metainfo" ||
  fail "metainfo does not launch zelko-scientific.desktop"
grep -Eq '<image>https://[^<]+\.png</image>' "$metainfo" || fail "metainfo has no screenshot image"
grep -q '<content_rating type="oars-1.1"' "$metainfo" || fail "metainfo has no content rating"
grep -q '<id>io.github.zelko.scientific</id>' "$metainfo" ||
  fail "metainfo id does not match its file name"
grep -q "<release version=\"$(echo "$version" | sed 's/^\([0-9]*\)\.\([0-9]\)\.\([0-9]\)$/\1.\2\3/')\"" "$metainfo" ||
  fail "metainfo has no release entry for this version"

if [ $window = yes ]; then
  for size in 32 48 64 128 256; do
    png="$dest/usr/share/icons/hicolor/${size}x${size}/apps/zelko-scientific.png"
    [ -f "$png" ] || continue
    # PNG signature, then IHDR: width and height as 32-bit big-endian numbers at bytes 16 to 23.
    signature="$(od -An -tx1 -N8 "$png" | tr -d ' \n')"
    [ "$signature" = 89504e470d0a1a0a ] || fail "$(basename "$(dirname "$(dirname "$png")")") icon is not a PNG"
    read -r w0 w1 w2 w3 h0 h1 h2 h3 < <(od -An -tu1 -j16 -N8 "$png")
    w=$(((w0 << 24) | (w1 << 16) | (w2 << 8) | w3))
    h=$(((h0 << 24) | (h1 << 16) | (h2 << 8) | h3))
    [ "$w" = "$size" ] && [ "$h" = "$size" ] || fail "${size}x${size} icon is ${w}x${h}"
  done
fi

# ---- Man pages -----------------------------------------------------------------------------
pages=(zelko-calc)
[ $window = yes ] && pages+=(zelko-scientific)
for page in "${pages[@]}"; do
  file="$dest/usr/share/man/man1/$page.1$man_ext"
  [ -f "$file" ] || continue
  if [ -n "$man_ext" ]; then text="$(gzip -dc "$file")"; else text="$(cat "$file")"; fi
  th="$(printf '%s\n' "$text" | sed -n 's/^\.TH \([^ ]*\) \([^ ]*\) .*/\1 \2/p' | sed 's/\\-/-/g')"
  [ "$th" = "${page^^} 1" ] || fail "$page.1 has the title line '$th'"
  if command -v groff >/dev/null; then
    warnings="$(printf '%s\n' "$text" | LC_ALL=C.UTF-8 groff -t -man -ww -z -Tutf8 2>&1)"
    [ -z "$warnings" ] || { echo "$warnings" >&2; fail "groff warns about $page.1"; }
    printf '%s\n' "$text" | LC_ALL=C.UTF-8 groff -t -man -Tutf8 2>/dev/null | grep -q "$page" ||
      fail "$page.1 does not render"
  fi
done

# ---- Plain install -------------------------------------------------------------------------
# cmake --install puts the same files in place as the package.
DESTDIR="$scratch/destdir" cmake --install "$build" --prefix /usr >"$scratch/install.log" 2>&1 ||
  { cat "$scratch/install.log" >&2; fail "cmake --install"; }
(cd "$scratch/destdir" && find . -type f | sed 's|^\./||' | sort) >"$scratch/installed.txt"
if ! diff -u "$scratch/files.txt" "$scratch/installed.txt" >"$scratch/install.diff"; then
  cat "$scratch/install.diff" >&2
  fail "cmake --install and the package hold different files"
fi

if [ "$failures" -ne 0 ]; then
  echo "package test failed; its files are in $scratch" >&2
  exit 1
fi
note "package test passed"
