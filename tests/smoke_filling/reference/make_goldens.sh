#!/usr/bin/env bash
# Regenerates the golden results files from the reference computation. Run from
# anywhere; needs python3 only. The C++ tests run the same cases through
# `vorla smoke` and compare byte for byte.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
data="$here/../data"
golden="$here/../golden"
mkdir -p "$golden"
# Run from the fire files' folder: the files name their fire file without a folder.
cd "$data"
ref() { python3 "$here/skeva_reference.py" "$@"; }

ref --title "Office, floor fire" --fire fast_t_squared_2mw.fir --floor-area 30 --room-height 3 \
    --fire-height 0 --run-time 600 --output-name FLOOR.SOF > "$golden"/floor_fire.sof
ref --title "Store, raised fire" --fire medium_t_squared_1500kw.fir --floor-area 200 \
    --room-height 5 --fire-height 1.5 --loss-fraction 0.7 --run-time 900 \
    --output-name RAISED.SOF > "$golden"/raised_fire.sof
ref --title "Warehouse in U.S. units" --fire ramp_1mw_ends_600s.fir --us-floor-area 1000 \
    --us-room-height 12 --us-fire-height 2 --run-time 600 --output-name USUNITS.SOF \
    > "$golden"/us_units.sof
ref --title "Hall, 9000 s" --fire steady_100kw_10000s.fir --floor-area 1000 --room-height 30 \
    --run-time 9000 --output-name HALL.SOF > "$golden"/hall_9000s.sof
ref --title "Fire ends at the run time" --fire ramp_1mw_ends_600s.fir --floor-area 1000 \
    --room-height 20 --run-time 600 --output-name END600.SOF > "$golden"/fire_ends_600s.sof
