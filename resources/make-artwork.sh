#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Redraws every picture in resources/ from nothing but ImageMagick and the
# DejaVu fonts. The build does not run this; the PNGs it writes are kept in the
# repository. Run it again after changing a colour or a shape here:
#
#   resources/make-artwork.sh            # writes next to this script
#   resources/make-artwork.sh OUTDIR     # writes somewhere else
#
# Pictures:
#   logo.png       156 x 60, truecolor RGB, no alpha   (top of the window)
#   icon-16.png    16 x 16, 8-bit palette, opaque      (window icon)
#   icon-32.png, icon-48.png, icon-64.png, icon-128.png, icon-256.png
#                  RGBA                                (window icon and the
#                                                      desktop icon theme)
#   icon.svg       the same mark as a drawing          (scalable theme icon)
#
# The mark is a pneumatic cylinder in cutaway on a blue tile: barrel with end
# caps and two air ports, the pressurised chamber tinted, an orange piston,
# and the rod leaving through the right-hand cap.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
out=${1:-$here}
mkdir -p "$out"

command -v convert >/dev/null || { echo "make-artwork: ImageMagick's convert is needed" >&2; exit 1; }

font_file() {
  local f
  f=$(fc-match -f '%{file}' "$1" 2>/dev/null || true)
  case "$f" in
    *DejaVu*) printf '%s\n' "$f" ;;
    *) echo "make-artwork: font '$1' not found (install fonts-dejavu-core)" >&2; exit 1 ;;
  esac
}
bold_font=$(font_file 'DejaVu Sans:bold')
book_font=$(font_file 'DejaVu Sans')

# Palette, shared by every picture.
tile_top='#3579C4'
tile_bottom='#17467F'
barrel='#FFFFFF'
cap='#A9BACB'
chamber='#BFDCF5'
piston='#F28A1E'
rod_in='#8EA2B7'
rod_out='#E4EBF2'
port='#D3DDE7'
ink='#15395E'
ink_soft='#5B6C7E'
shadow='rgba(6,24,48,0.35)'

# Strip everything that changes from run to run (dates, tool names), so that
# running the script twice writes the same bytes.
stable=(-strip -define 'png:exclude-chunks=date,time')

# ---------------------------------------------------------------------------
# The mark as a vector drawing on a 32 x 32 design grid, drawn at SIZE pixels
# (4x supersampled, then averaged down). Used for every size above 16. The
# solid parts sit on even units, which fall on whole pixels at 32, 48, 64, 128
# and 256; only the soft shadow uses odd ones.
# ---------------------------------------------------------------------------
draw_mark() {
  local size=$1 dest=$2
  local ss=$((size * 4))
  local k
  k=$(awk -v s="$ss" 'BEGIN { printf "%.6f", s / 32 }')
  # u N -> N design units in supersampled pixels. A rectangle from unit a to
  # unit b covers pixels a*k .. b*k-1 (ImageMagick's corners are inclusive),
  # so that at 48, 128 and 256 every edge lands on a pixel boundary.
  u() { awk -v k="$k" -v n="$1" 'BEGIN { printf "%.3f", n * k }'; }
  e() { awk -v k="$k" -v n="$1" 'BEGIN { printf "%.3f", n * k - 1 }'; }
  rect() { printf 'rectangle %s,%s %s,%s' "$(u "$1")" "$(u "$2")" "$(e "$3")" "$(e "$4")"; }

  # Tile: vertical gradient cut to a rounded square.
  convert -size "${ss}x${ss}" "gradient:${tile_top}-${tile_bottom}" \
    \( -size "${ss}x${ss}" xc:none -fill white \
       -draw "roundrectangle $(u 2),$(u 2) $(e 30),$(e 30) $(u 6),$(u 6)" \) \
    -alpha on -compose DstIn -composite -compose Over \
    -fill "$shadow"  -draw "$(rect 5 11 23 23)" -draw "$(rect 23 15 27 19)" -draw "$(rect 27 13 29 21)" \
    -fill "$port"    -draw "$(rect 8 8 10 10)" -draw "$(rect 16 8 18 10)" \
    -fill "$barrel"  -draw "$(rect 4 10 22 22)" \
    -fill "$chamber" -draw "$(rect 6 12 10 20)" \
    -fill "$rod_in"  -draw "$(rect 14 14 20 18)" \
    -fill "$cap"     -draw "$(rect 4 10 6 22)" -draw "$(rect 20 10 22 22)" \
    -fill "$piston"  -draw "$(rect 10 12 14 20)" \
    -fill "$rod_out" -draw "$(rect 22 14 26 18)" \
    -fill "$cap"     -draw "$(rect 26 12 28 20)" \
    -filter Box -resize "${size}x${size}" \
    "${stable[@]}" "PNG32:$dest"
}

# ---------------------------------------------------------------------------
# 16 x 16: drawn pixel by pixel (no smoothing) so each part stays one clean
# pixel wide; a scaled-down vector would blur the piston into the chamber.
# Coordinates are inclusive pixel rectangles.
# ---------------------------------------------------------------------------
draw_icon16() {
  local dest=$1
  convert -size 16x16 "gradient:${tile_top}-${tile_bottom}" +antialias \
    -fill "$port"     -draw 'rectangle 3,2 4,3'  -draw 'rectangle 8,2 9,3' \
    -fill "$barrel"   -draw 'rectangle 1,4 11,11' \
    -fill "$cap"      -draw 'rectangle 1,4 1,11' -draw 'rectangle 11,4 11,11' \
    -fill "$chamber"  -draw 'rectangle 2,5 4,10' \
    -fill "$piston"   -draw 'rectangle 5,5 6,10' \
    -fill "$rod_in"   -draw 'rectangle 7,7 10,8' \
    -fill "$rod_out"  -draw 'rectangle 12,7 13,8' \
    -fill "$cap"      -draw 'rectangle 14,6 14,9' \
    -alpha off -colors 256 -type Palette \
    "${stable[@]}" "PNG8:$dest"
}

# ---------------------------------------------------------------------------
# Logo, 156 x 60: the mark at the left, "Corvane" in bold beside it, a thin
# orange rule and the tagline below. Light background so that it sits well
# on the window's own colour.
# ---------------------------------------------------------------------------
draw_logo() {
  local dest=$1 tmp
  tmp=$(mktemp -d)
  trap 'rm -rf "$tmp"' RETURN
  draw_mark 40 "$tmp/mark.png"

  convert -size 156x60 gradient:'#FFFFFF-#E9EFF5' \
    "$tmp/mark.png" -geometry +6+10 -compose Over -composite \
    -font "$bold_font" -pointsize 21 -fill "$ink" -kerning 0.2 \
    -annotate +54+33 'Corvane' \
    -fill "$piston" -draw 'rectangle 56,38 151,38' \
    -font "$book_font" -pointsize 8 -fill "$ink_soft" -kerning 4.6 \
    -annotate +56+50 'PNEUMATICS' \
    -alpha off -type TrueColor -depth 8 \
    "${stable[@]}" "PNG24:$dest"
}

# ---------------------------------------------------------------------------
# The mark of draw_mark as SVG, on the same 32 x 32 grid and with the same
# rectangles, for desktops that draw the icon at any size.
# ---------------------------------------------------------------------------
draw_svg() {
  local dest=$1
  r() { printf '  <rect x="%s" y="%s" width="%s" height="%s" fill="%s"/>\n' "$1" "$2" $(($3 - $1)) $(($4 - $2)) "$5"; }
  {
    cat <<SVG
<?xml version="1.0" encoding="UTF-8"?>
<svg xmlns="http://www.w3.org/2000/svg" width="32" height="32" viewBox="0 0 32 32">
  <title>Corvane Calculator</title>
  <defs>
    <linearGradient id="tile" x1="0" y1="0" x2="0" y2="1">
      <stop offset="0" stop-color="$tile_top"/>
      <stop offset="1" stop-color="$tile_bottom"/>
    </linearGradient>
  </defs>
  <rect x="2" y="2" width="28" height="28" rx="3" fill="url(#tile)"/>
  <g fill="#061830" fill-opacity="0.35">
    <rect x="5" y="11" width="18" height="12"/>
    <rect x="23" y="15" width="4" height="4"/>
    <rect x="27" y="13" width="2" height="8"/>
  </g>
SVG
    r 8 8 10 10 "$port"; r 16 8 18 10 "$port"
    r 4 10 22 22 "$barrel"
    r 6 12 10 20 "$chamber"
    r 14 14 20 18 "$rod_in"
    r 4 10 6 22 "$cap"; r 20 10 22 22 "$cap"
    r 10 12 14 20 "$piston"
    r 22 14 26 18 "$rod_out"
    r 26 12 28 20 "$cap"
    echo '</svg>'
  } >"$dest"
}

draw_icon16 "$out/icon-16.png"
for s in 32 48 64 128 256; do
  draw_mark "$s" "$out/icon-$s.png"
done
draw_svg "$out/icon.svg"
draw_logo "$out/logo.png"

echo "make-artwork: wrote logo.png, icon-{16,32,48,64,128,256}.png and icon.svg to $out"
