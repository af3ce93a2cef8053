#!/usr/bin/env bash
# Regenerates the pictures in this folder: globe.png and globe@2x.png, the icon
# tarvel.png, tarvel@2x.png and icons/tarvel-N.png at the hicolor sizes, and
# tarvel.ico.
# The project build does not run this script; it documents how the committed
# pictures were made.
#
# Needs these Debian packages:
#   gmt gmt-gshhg-low ghostscript imagemagick fonts-dejavu-core
# (apt-get install -y gmt gmt-gshhg-low ghostscript imagemagick fonts-dejavu-core)
#
# Usage: resources/make_pictures.sh   (from any directory)
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# ---------------------------------------------------------------------------
# Globe: orthographic view centred on 15 E 20 N (Europe and Africa), drawn
# from the GSHHG shorelines with GMT (classic mode), pasted onto a 512x384
# dark-blue ground with its centre at pixel (185,140) and a diameter of 268 px.
# globe@2x.png is the same drawing at twice the size, for dense screens: every
# length, pens and resolution included, doubles.
# ---------------------------------------------------------------------------
GROUND='rgb(0,0,80)'     # dark-blue ground
SEA=30/80/170            # sea (and lakes)
COAST=0.4p,20/40/20      # coastline pen

# GMT 6.4 returns 0 even after some errors: treat any "[ERROR]" as failure.
gmt() {
    command gmt "$@" 2> "$work/gmt.err" || { cat "$work/gmt.err" >&2; return 1; }
    if grep -q 'ERROR' "$work/gmt.err"; then cat "$work/gmt.err" >&2; return 1; fi
    cat "$work/gmt.err" >&2
}

cd "$work"
# Classic-mode defaults (gmt.conf in the scratch folder).
gmt set PS_MEDIA A4 MAP_FRAME_PEN 0.6p,150/180/230 MAP_GRID_PEN_PRIMARY 0.25p,65/105/185 \
        PROJ_ELLIPSOID Sphere

# Land colours by latitude: ice, tundra, forests, Sahara/Arabia browns,
# rain forest, savanna, Kalahari, southern Africa.
cat > land.cpt <<'EOF2'
-90	235/235/235	-62	235/235/235
-62	150/160/140	-40	150/160/140
-40	95/140/60	-30	95/140/60
-30	160/140/80	-20	150/150/80
-20	110/150/60	-12	80/140/50
-12	40/110/40	8	40/110/40
8	40/110/40	14	150/150/80
14	190/160/100	24	200/165/105
24	200/165/105	31	180/150/90
31	180/150/90	38	120/150/70
38	90/145/60	52	70/130/55
52	70/130/55	62	50/110/60
62	50/110/60	70	140/150/130
70	140/150/130	78	225/230/230
78	225/230/230	90	240/240/240
EOF2
gmt grdmath -Rg -I0.5 -r Y = lat.nc

# globe SCALE OUTPUT: the picture at SCALE times its design size.
globe() {
    local scale=$1 output=$2
    local W=$((512 * scale)) H=$((384 * scale))    # picture size
    local CX=$((185 * scale)) CY=$((140 * scale))   # globe centre (x from the left, y from the top)
    local D=$((268 * scale))                        # globe diameter in pixels
    local DPI=$((100 * scale))                      # the map is D/DPI inches wide: pens scale too
    local J R=-Rg
    J="-JG15/20/$(awk -v d="$D" -v r="$DPI" 'BEGIN{printf "%.4fi", d/r}')"
    {
        gmt pscoast "$R" "$J" -Dl -A100 -S"$SEA" -P -K             # sea
        gmt pscoast "$R" "$J" -Dl -A100 -Gc -O -K                  # clip to land
        gmt grdimage lat.nc "$R" "$J" -Cland.cpt -O -K             # land colours
        gmt pscoast "$R" "$J" -Q -O -K                             # end clip
        gmt pscoast "$R" "$J" -Dl -A100 -C"$SEA" -W1/"$COAST" -O -K  # lakes + coastlines
        gmt psbasemap "$R" "$J" -Bg30 -O                           # faint graticule + rim
    } > globe.ps
    gmt psconvert globe.ps -TG -E"$DPI" -A -Fglobe_raw

    # The tight crop includes half the rim pen; place the picture so that its
    # centre lands on (CX,CY).
    local gw gh ox oy
    read -r gw gh < <(convert globe_raw.png -format '%w %h\n' info:)
    ox=$(( CX - gw / 2 )) oy=$(( CY - gh / 2 ))
    convert -size "${W}x${H}" "xc:$GROUND" globe_raw.png -geometry "+${ox}+${oy}" -composite \
            -alpha off -colors 128 -strip -define png:compression-level=9 \
            PNG8:"$output"
}
globe 1 "$here/globe.png"
globe 2 "$here/globe@2x.png"

# ---------------------------------------------------------------------------
# Icon: red cross-hair and yellow circle on a dark-blue square, small "1" at
# the top right. Designed at 32x32 (tarvel.png, the window's icon) and drawn
# afresh at each size of the hicolor theme, every length scaled from the
# 32-pixel design: tarvel@2x.png (64) for the window on a dense screen,
# icons/tarvel-N.png for 16, 48, 128 and 256; the Windows .ico from these.
# ---------------------------------------------------------------------------
# icon SIZE OUTPUT
icon() {
    local size=$1 output=$2
    # A point of the 32-pixel design, (x,y) between pixel centres, at this size.
    at() { awk -v s="$size" -v x="$1" -v y="$2" 'BEGIN{k=s/32; printf "%g,%g", (x+0.5)*k-0.5, (y+0.5)*k-0.5}'; }
    len() { awk -v s="$size" -v l="$1" 'BEGIN{printf "%g", l*s/32}'; }
    local shift
    shift=$(awk -v s="$size" 'BEGIN{printf "%d", (s/32 < 1) ? 1 : s/32}')
    convert -size "${size}x${size}" 'xc:rgb(0,0,96)' \
            -fill none -stroke 'rgb(255,220,0)' -strokewidth "$(len 2)" \
            -draw "circle $(at 15.5 16.5) $(at 15.5 6.5)" \
            -stroke 'rgb(230,20,20)' -strokewidth "$(len 2)" \
            -draw "line $(at 15.5 3) $(at 15.5 30)" -draw "line $(at 2 16.5) $(at 29 16.5)" \
            -stroke none -fill white -font DejaVu-Sans-Bold -pointsize "$(len 11)" \
            -gravity NorthEast -annotate "+${shift}-${shift}" '1' \
            -depth 8 -strip -define png:compression-level=9 "$output"
}
icon 32 "$here/tarvel.png"
icon 64 "$here/tarvel@2x.png"
mkdir -p "$here/icons"
for size in 16 48 128 256; do
    icon "$size" "$here/icons/tarvel-$size.png"
done
# Windows icon with the images Windows asks for at 100 to 200 % and in large views: 16, 24, 32,
# 48 and 256 pixels, each drawn at its own size (24 only here: no hicolor size). The 256-pixel
# image is stored as a PNG inside the .ico, as Windows Vista and later expect.
icon 24 "$work/tarvel-24.png"
convert "$here/icons/tarvel-16.png" "$work/tarvel-24.png" "$here/tarvel.png" \
        "$here/icons/tarvel-48.png" "$here/icons/tarvel-256.png" "$here/tarvel.ico"

echo "wrote $here/globe.png $here/globe@2x.png $here/tarvel.png $here/tarvel@2x.png" \
     "$here/icons/tarvel-{16,48,128,256}.png $here/tarvel.ico"
