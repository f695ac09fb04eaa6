#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Checks what `cmake --install` and `cpack` make of a finished build.
#
#   check-install.sh MODE BUILD_DIR VERSION
#
# MODE is one of
#   artwork   the committed pictures have the sizes and pixel formats the
#             window and the icon theme rely on
#   install   an install into an empty prefix, made under a user's umask
#             0002, holds exactly the expected files, with sensible
#             permissions (directories 0755) and each icon at its own size
#   desktop   desktop-file-validate accepts the installed .desktop file, and
#             its Exec and Icon name things that were installed
#   metainfo  appstreamcli accepts the installed AppStream file, which names
#             the installed .desktop file and the build's version
#   deb       cpack builds corvane-calculator_VERSION_ARCH.deb holding the
#             same files, every directory 0755 under a umask of 0002, with
#             the control fields, Qt dependencies and recommendations set
#   lintian   lintian --fail-on error,warning accepts that .deb
#   hardening the installed program has the stack protector, fortified libc
#             calls, PIE and full RELRO (hardening-check), and no RUNPATH
#   reproducible  two cpack runs, a second apart, one under umask 022 and
#             one under 0002, give the same bytes, and every file in the .deb
#             carries the time of the last commit
#
# CMAKE and CPACK may name the tools to use (the test registration passes the
# ones the build was configured with). Everything is written to a temporary
# directory that is removed on exit; nothing lands in the source tree.
set -euo pipefail

mode=${1:?usage: check-install.sh MODE BUILD_DIR VERSION}
build=${2:?build directory missing}
version=${3:?version missing}
cmake=${CMAKE:-cmake}
cpack=${CPACK:-cpack}
source_dir=$(cd "$(dirname "$0")/../.." && pwd)

app_id=com.corvane.Calculator
icon_sizes=(16 32 48 64 128 256)

failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
need() { command -v "$1" >/dev/null || { echo "FAIL: '$1' is not installed (packaging/install-deps.sh adds it)" >&2; exit 1; }; }

work=$(mktemp -d "${TMPDIR:-/tmp}/corvane-packaging.XXXXXX")
trap 'rm -rf "$work"' EXIT

# The files an install must produce, relative to the prefix. Written out by
# hand rather than read from the install rules, so that a rule that goes
# missing, lands in the wrong place or installs something extra is caught.
expected_files() {
  local s
  {
    echo bin/corvane-calculator
    echo "share/applications/$app_id.desktop"
    echo "share/metainfo/$app_id.metainfo.xml"
    echo share/doc/corvane-calculator/copyright
    echo share/doc/corvane-calculator/changelog.gz
    echo share/man/man1/corvane-calculator.1.gz
    for s in "${icon_sizes[@]}"; do
      echo "share/icons/hicolor/${s}x${s}/apps/$app_id.png"
    done
    echo "share/icons/hicolor/scalable/apps/$app_id.svg"
  } | LC_ALL=C sort
}

# Compares two sorted lists given as files; names every difference.
compare_lists() {
  local what=$1 expected=$2 actual=$3 line
  while read -r line; do fail "$what lacks $line"; done \
    < <(LC_ALL=C comm -23 "$expected" "$actual")
  while read -r line; do fail "$what holds unexpected $line"; done \
    < <(LC_ALL=C comm -13 "$expected" "$actual")
}

install_to() {
  local prefix=$1
  "$cmake" --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1 || {
    cat "$work/install.log" >&2
    echo "FAIL: cmake --install $build failed" >&2
    exit 1
  }
}

# Prints "W x H" for a PNG, from file(1)'s description of it.
png_size() { file -b "$1" | sed -n 's/^PNG image data, \([0-9]*\) x \([0-9]*\),.*/\1 x \2/p'; }

check_artwork() {
  need file
  local res=$source_dir/resources f desc s
  f=$res/logo.png
  desc=$(file -b "$f")
  [[ $desc == "PNG image data, 156 x 60, 8-bit/color RGB,"* ]] ||
    fail "logo.png must be a 156 x 60 RGB PNG with 8 bits per channel and no alpha, is: $desc"

  f=$res/icon-16.png
  desc=$(file -b "$f")
  [[ $desc == "PNG image data, 16 x 16, 8-bit colormap,"* ]] ||
    fail "icon-16.png must be a 16 x 16 PNG with an 8-bit palette, is: $desc"

  for s in "${icon_sizes[@]}"; do
    [[ $s == 16 ]] && continue
    f=$res/icon-$s.png
    [[ -f $f ]] || { fail "resources/icon-$s.png is missing"; continue; }
    [[ $(png_size "$f") == "$s x $s" ]] ||
      fail "icon-$s.png must be $s x $s, is: $(file -b "$f")"
  done

  # The scalable icon: an SVG document on the 32-unit grid the PNGs are
  # drawn on, complete to its closing tag.
  f=$res/icon.svg
  grep -q '<svg xmlns="http://www.w3.org/2000/svg" width="32" height="32" viewBox="0 0 32 32">' "$f" &&
    [[ $(tail -n 1 "$f") == "</svg>" ]] ||
    fail "icon.svg is not a complete 32 x 32 SVG document"

  # Two sizes that are byte for byte the same picture mean a copy went wrong.
  local sums
  sums=$(cd "$res" && md5sum icon-*.png | cut -d' ' -f1 | sort | uniq -d)
  [[ -z $sums ]] || fail "two icon files in resources/ are identical"
}

check_install() {
  need file
  local prefix=$work/prefix f s mode_bits
  (umask 0002 && install_to "$prefix")

  expected_files >"$work/expected"
  (cd "$prefix" && find . \( -type f -o -type l \) -printf '%P\n' | LC_ALL=C sort) >"$work/actual"
  compare_lists "the install" "$work/expected" "$work/actual"

  [[ -x $prefix/bin/corvane-calculator && ! -L $prefix/bin/corvane-calculator ]] ||
    fail "bin/corvane-calculator is not an executable file"
  file -b "$prefix/bin/corvane-calculator" | grep -q '^ELF' ||
    fail "bin/corvane-calculator is not an ELF executable"

  # Data files: readable by everyone, executable by no one.
  while read -r f; do
    [[ $f == bin/* || ! -e $prefix/$f ]] && continue
    mode_bits=$(stat -c %a "$prefix/$f")
    [[ $mode_bits == 644 ]] || fail "$f has mode $mode_bits, expected 644"
  done <"$work/expected"
  while read -r f; do
    fail "the directory $f has mode $(stat -c %a "$prefix/$f"), expected 755"
  done < <(cd "$prefix" && find . -type d ! -perm 755 -printf '%P\n')

  # Each icon sits in the directory of its own size: a 48 px picture in the
  # 128x128 directory would be drawn blurred by every desktop.
  for s in "${icon_sizes[@]}"; do
    f=$prefix/share/icons/hicolor/${s}x${s}/apps/$app_id.png
    [[ -f $f ]] || continue
    [[ $(png_size "$f") == "$s x $s" ]] ||
      fail "the ${s}x${s} icon is $(file -b "$f")"
  done
}

desktop_key() { sed -n "s/^$1=//p" "$2" | head -n 1; }

check_desktop() {
  need desktop-file-validate
  local prefix=$work/prefix f out exec icon s found=0
  install_to "$prefix"
  f=$prefix/share/applications/$app_id.desktop
  [[ -f $f ]] || { echo "FAIL: $app_id.desktop was not installed" >&2; exit 1; }

  # The validator exits 0 on hints and some warnings; any remark counts.
  if ! out=$(desktop-file-validate "$f" 2>&1) || [[ -n $out ]]; then
    fail "desktop-file-validate: ${out:-exit status non-zero}"
  fi

  [[ $(desktop_key Name "$f") == "Corvane Calculator" ]] ||
    fail "Name is '$(desktop_key Name "$f")', expected 'Corvane Calculator'"
  [[ -n $(desktop_key Comment "$f") ]] || fail "the .desktop file has no Comment"

  exec=$(desktop_key Exec "$f")
  exec=${exec%% *}
  [[ -x $prefix/bin/$exec ]] || fail "Exec=$exec does not name an installed program in bin/"

  icon=$(desktop_key Icon "$f")
  for s in "${icon_sizes[@]}"; do
    [[ -f $prefix/share/icons/hicolor/${s}x${s}/apps/$icon.png ]] && found=$((found + 1))
  done
  [[ $found == "${#icon_sizes[@]}" ]] ||
    fail "Icon=$icon is installed in $found of ${#icon_sizes[@]} hicolor sizes"
  [[ -f $prefix/share/icons/hicolor/scalable/apps/$icon.svg ]] ||
    fail "Icon=$icon has no scalable SVG in hicolor"
}

check_metainfo() {
  need appstreamcli
  local prefix=$work/prefix f out launchable
  install_to "$prefix"
  f=$prefix/share/metainfo/$app_id.metainfo.xml
  [[ -f $f ]] || { echo "FAIL: $app_id.metainfo.xml was not installed" >&2; exit 1; }

  # Exits non-zero on errors and warnings; infos and pedantic notes pass.
  out=$(appstreamcli validate --no-net "$f" 2>&1) || fail "appstreamcli validate: $out"

  grep -q "<id>$app_id</id>" "$f" || fail "the component id is not $app_id"

  launchable=$(sed -n 's:.*<launchable type="desktop-id">\(.*\)</launchable>.*:\1:p' "$f")
  [[ -n $launchable && -f $prefix/share/applications/$launchable ]] ||
    fail "the launchable '$launchable' is not an installed .desktop file"

  # A release entry for the version being built, so software centres show
  # the right one; forgetting it on a version bump is easy.
  grep -Eq "<release version=\"$version\" date=\"[0-9]{4}-[0-9]{2}-[0-9]{2}\"" "$f" ||
    fail "no <release> for version $version with a date"

  # What a software centre shows beside the name: release notes, links and
  # pictures. An empty or missing one shows as a gap.
  sed -n "/<release version=\"$version\"/,/<\/release>/p" "$f" | grep -q '<li>' ||
    fail "the release $version has no notes"
  local type
  for type in homepage bugtracker help; do
    grep -Eq "<url type=\"$type\">https://[^<]+</url>" "$f" || fail "no https $type URL"
  done
  [[ $(grep -c '<screenshot[ >]' "$f") -ge 3 ]] || fail "fewer than three screenshots"
  grep -q '<screenshot type="default">' "$f" || fail "no default screenshot"
}

# Builds the .deb into $work/$1 with a clean SOURCE_DATE_EPOCH, so that the
# package's own configuration has to supply it; prints the file's path.
build_deb() {
  local out=$work/$1 arch
  arch=$(dpkg --print-architecture)
  env -u SOURCE_DATE_EPOCH "$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$out" \
    >"$work/cpack-$1.log" 2>&1 || {
    cat "$work/cpack-$1.log" >&2
    echo "FAIL: cpack -G DEB failed" >&2
    exit 1
  }
  [[ -f $out/corvane-calculator_${version}_${arch}.deb ]] || {
    echo "FAIL: cpack did not write corvane-calculator_${version}_${arch}.deb" >&2
    exit 1
  }
  echo "$out/corvane-calculator_${version}_${arch}.deb"
}

# Sanitizer and Debug builds are never packaged: no fortified calls, and
# libraries lintian does not expect.
skip_unless_release_build() {
  if [[ ${BUILD_TYPE:-} == Debug || ${CXX_FLAGS:-} == *-fsanitize* ]]; then
    echo "$mode: skipped, this build (${BUILD_TYPE:-?} ${CXX_FLAGS:-}) is not one that gets packaged"
    exit 77
  fi
}

check_lintian() {
  need lintian
  skip_unless_release_build
  local deb out status=0
  # Under the umask of a Debian 13 user: directories 0775 would be a warning.
  deb=$(umask 0002 && build_deb lintian)
  # Every tag at warning level or above fails; infos and pedantic notes are
  # listed for the reader. Root gets a warning of its own on stderr.
  out=$(lintian --fail-on error,warning --info "$deb" 2>&1) || status=$?
  printf '%s\n' "$out"
  ((status == 0)) || fail "lintian found errors or warnings (status $status)"
}

check_hardening() {
  need hardening-check
  need readelf
  skip_unless_release_build
  local prefix=$work/prefix program out what status=0
  "$cmake" --install "$build" --prefix "$prefix" --strip >"$work/install.log" 2>&1 || {
    cat "$work/install.log" >&2
    echo "FAIL: cmake --install --strip failed" >&2
    exit 1
  }
  program=$prefix/bin/corvane-calculator
  # Its exit status also counts checks that depend on the architecture
  # (control-flow protection exists on x86 only); the five Debian builds
  # everywhere with must each say yes.
  out=$(hardening-check "$program" 2>&1) || status=$?
  printf '%s\n' "$out"
  for what in "Position Independent Executable" "Stack protected" "Fortify Source functions" \
              "Read-only relocations" "Immediate binding"; do
    grep -q "^ $what: yes" <<<"$out" || fail "$what is not 'yes'"
  done
  out=$(readelf -d "$program")
  ! grep -Eq '\((RUNPATH|RPATH)\)' <<<"$out" ||
    fail "the installed program carries $(grep -E '\((RUNPATH|RPATH)\)' <<<"$out")"
}

check_reproducible() {
  need dpkg-deb
  local first second epoch stamps
  first=$(umask 022 && build_deb first)
  # Install times, and with them every file's time on disk, now differ, and
  # so does the umask: a user's 0002 on Debian 13.
  sleep 1.1
  second=$(umask 0002 && build_deb second)
  cmp "$first" "$second" >/dev/null ||
    fail "two packages of one build, under umask 022 and 0002, differ: $(cmp "$first" "$second" 2>&1)"

  epoch=$(git -C "$source_dir" log -1 --format=%ct 2>/dev/null) || {
    echo "reproducible: not a git checkout, the time stamps are not checked"
    return
  }
  stamps=$(dpkg-deb --fsys-tarfile "$first" | TZ=UTC tar -t --full-time -v | awk '{ print $4 " " $5 }' | sort -u)
  [[ $stamps == "$(date -u -d "@$epoch" '+%Y-%m-%d %H:%M:%S')" ]] ||
    fail "the files in the .deb do not all carry the last commit's time $epoch: $stamps"
}

check_deb() {
  need dpkg-deb
  need file
  local arch deb f field value
  arch=$(dpkg --print-architecture)
  # Built under the umask of a Debian 13 user, which must not show.
  (umask 0002 && "$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$work/out") >"$work/cpack.log" 2>&1 || {
    cat "$work/cpack.log" >&2
    echo "FAIL: cpack -G DEB failed" >&2
    exit 1
  }

  deb=$work/out/corvane-calculator_${version}_${arch}.deb
  if [[ ! -f $deb ]]; then
    fail "cpack did not write $(basename "$deb"); it wrote: $(find "$work/out" -maxdepth 1 -name "*.deb" -printf "%f ")"
    return
  fi

  expected_files | sed 's:^:usr/:' >"$work/expected"
  dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { print $6 }' | sed 's:^\./::' |
    LC_ALL=C sort >"$work/actual"
  compare_lists "the .deb" "$work/expected" "$work/actual"
  while read -r f; do fail "the directory $f in the .deb is not drwxr-xr-x"; done \
    < <(dpkg-deb -c "$deb" | awk '$1 ~ /^d/ && $1 != "drwxr-xr-x" { print $6 }')

  for field in Package:corvane-calculator Version:"$version" Architecture:"$arch" Section:science; do
    value=$(dpkg-deb -f "$deb" "${field%%:*}")
    [[ $value == "${field#*:}" ]] || fail "${field%%:*} is '$value', expected '${field#*:}'"
  done
  value=$(dpkg-deb -f "$deb" Maintainer)
  [[ $value == *"<"*"@"*">" ]] || fail "Maintainer '$value' lacks a name and address"
  [[ -n $(dpkg-deb -f "$deb" Description) ]] || fail "the package has no Description"

  value=$(dpkg-deb -f "$deb" Depends)
  echo "Depends: $value"
  # Releases made after the 64-bit time_t transition name some Qt libraries
  # with a t64 suffix (Ubuntu 24.04: libqt6core6t64); either name will do.
  for lib in libqt6widgets6 libqt6core6 libc6 fonts-liberation2; do
    [[ ,$value, =~ [,\ ]$lib(t64)?[\ ,\(] ]] || fail "Depends does not name $lib: '$value'"
  done
  value=$(dpkg-deb -f "$deb" Recommends)
  for package in qt6-translations-l10n fonts-noto-cjk; do
    [[ ,$value, =~ [,\ ]$package[\ ,] ]] || fail "Recommends does not name $package: '$value'"
  done

  dpkg-deb -x "$deb" "$work/root"
  file -b "$work/root/usr/bin/corvane-calculator" | grep -q ', stripped' ||
    fail "the packaged executable is not stripped"
  # The packaged program itself answers, without a display.
  value=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM \
            "$work/root/usr/bin/corvane-calculator" --version 2>&1) || true
  [[ $value == "corvane-calculator $version" ]] ||
    fail "the packaged program answers --version with '$value'"
}

case $mode in
  artwork) check_artwork ;;
  install) check_install ;;
  desktop) check_desktop ;;
  metainfo) check_metainfo ;;
  deb) check_deb ;;
  lintian) check_lintian ;;
  hardening) check_hardening ;;
  reproducible) check_reproducible ;;
  *) echo "check-install.sh: unknown mode '$mode'" >&2; exit 2 ;;
esac

if ((failures)); then
  echo "$mode: $failures check(s) failed" >&2
  exit 1
fi
echo "$mode: all checks passed"
