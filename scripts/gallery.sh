#!/usr/bin/env bash
# Draws the gallery of the built-in presets with build/bin/mottler-cli: one contact sheet per
# kind for the manual's page resources/help/gallery.html, and the small sampler at the top of
# the README (docs/sampler.jpg). Run it after changing resources/presets/save.ini; it fails
# when a preset belongs to no kind or to a kind twice, so the gallery always shows them all.
set -euo pipefail
cd "$(dirname "$0")/.."
CLI=build/bin/mottler-cli
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
export MOTTLER_HOME="$WORK/home" XDG_CONFIG_HOME="$WORK/config" XDG_RUNTIME_DIR="$WORK"
export QT_QPA_PLATFORM=offscreen
"$CLI" presets >/dev/null # writes the built-in pictures that "Image File" presets grow from

# The kinds, in the order of the page: the file name's part, then the presets.
KINDS=(
"spots|Bigfoot Was Here ?|Bubble Wrap|Bubbles|Caramel Bubbles|Cells Under Glass|Chain Mail|Cheetah|Cobblestones|Coffee Beans|Coin Spots|Dalmatian|Frogspawn|Giraffe|Ink Crescents|Ladybird|Leopard Spots|Lilypads|Moon Dust|Mycelium|Newsprint Dots|Pale Pebbles|Peacock Eyes|Pepper|Pollen|Pop Art Dots|Poppy Seeds|Starry Night"
"mazes|Algae Bloom|Big Maze (400 X 300)|Brain Coral|Circuit Board|Coral Maze|Cracked Mud|Deep Sea Glow|Dungeon Plans|Embers|Fine Maze|Fingerprint|Lichen|Neon Circuits|Pool Caustics|Soft Labyrinth|Sponge|Tiger Stripes|Tiny Maze (64 X 64)|Worm Casts|Wormholes"
"waves|Campfire|Corduroy|Driving Rain|Echoes|Feathers|Fish Scales|Frost Ferns|Frozen Pond|Leaf Veins|Meteor Shower|Midnight Ripples (640 X 480)|Ocean Waves|Rain On Glass|Ripples In The Pond|Rising Smoke|Snakeskin|Sonar Rings|Sumi Ink|Tree Rings|Wide Waves (320 X 200)|Windswept Dunes"
"stone|Agate Bands|Blue Marble|Brushed Gold|Brushed Steel|Chrome|Concrete|Gold Dust|Gold Leaf|Granite|Hammered Copper|Jade|Malachite|Marble|Rough Surface|Rust|Rusted Iron|Sandpaper|Sandstone|Slate|Terrazzo|Verdigris"
"fabric|Burl Wood|Burlap|Chalkboard Dust|Cork|Denim|Denim Wash|Driftwood|Ebony|Etching|Felt|It Is Scratched|Parchment|Silk|Smudged Chalk|Tweed|Velvet|Wood Grain"
"sky|Aurora|Clouds|Cumulus|Flame On|Fog|Ice|Lava Lamp|Nebula|Overcast Sky|Snowfall|Static Snow (800 X 600)|Sunset Clouds|Thunderheads"
"abstract|Blueprint|Camouflage|Contour Map|Faded Fresco|Faded Poster|Ghost Shapes|Graffiti Wall|Mini Mottle (64 X 64)|Moss|Mother Of Pearl|Neon Glyphs|Oil Slick|Pixel Static (64 X 64)|Psychedelic Swirl|Raspberry Ripple|Tie Dye|Watercolour Wash"
"quiet|Crumpled Paper|Frosted Glass|Huge 1 (800 X 600)|Huge 2 (800 X 600)|Kraft Paper|Lavender Mist|Mint Haze|Pale Honeycomb|Peach Fuzz|Recycled Paper|Rice Paper|Sky Haze|Vellum|Woven Linen"
)
# A few of every kind for the README.
SAMPLER="Leopard Spots|Coral Maze|Fish Scales|Malachite|Wood Grain|Flame On|Tie Dye|Mint Haze|Peacock Eyes|Pool Caustics|Ocean Waves|Verdigris|Velvet|Nebula|Psychedelic Swirl|Rice Paper"

# Writes the sections of resources/presets/save.ini named in $2 ("|" between names) to $1.
extract() {
    awk -v names="$2" 'BEGIN { RS = "\r\n\r\n"; ORS = "\r\n\r\n"; n = split(names, list, "|")
                               for (i = 1; i <= n; i++) wanted["[" list[i] "]"] = 1 }
                       { split($0, lines, "\r\n"); if (lines[1] in wanted) print }' \
        resources/presets/save.ini >"$1"
}

# Draws the sheet of the presets in $2 to the JPEG file $1, $3 pictures a row of $4 pixels.
draw() {
    extract "$WORK/kind.ini" "$2"
    local wanted found
    wanted=$(tr '|' '\n' <<<"$2" | wc -l)
    found=$(grep -c '^\[' "$WORK/kind.ini")
    [ "$wanted" -eq "$found" ] || { echo "$1: $found of $wanted presets found" >&2; exit 1; }
    "$CLI" sheet --presets "$WORK/kind.ini" --columns "$3" --size "$4" -o "$WORK/sheet.png" >/dev/null
    convert "$WORK/sheet.png" -strip -quality 72 "$1"
}

listed=""
for kind in "${KINDS[@]}"; do
    draw "resources/help/gallery-${kind%%|*}.jpg" "${kind#*|}" 8 80
    listed+="${kind#*|}|"
done
all=$(grep -o '^\[.*\]' resources/presets/save.ini | tr -d '[]' | sort)
shown=$(tr '|' '\n' <<<"${listed%|}" | sort)
if [ "$all" != "$shown" ]; then
    echo "The kinds do not list every preset exactly once:" >&2
    diff <(echo "$all") <(echo "$shown") >&2 || true
    exit 1
fi
draw docs/sampler.jpg "$SAMPLER" 8 72
