#!/usr/bin/env bash
# Takes the screenshots software centres show (see the metainfo) from the real program, under
# a virtual display with openbox drawing the frames:
#   xvfb-run -a -s "-screen 0 1024x768x24" dbus-run-session -- docs/screenshots/take.sh PROGRAM
# PROGRAM is a built reelcase (build/release/reelcase). They are published beside the download
# page, in /dvd/screenshots/ of the project's web site.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
program=$(realpath "$1")
work=$(mktemp -d)
trap 'kill $app $wm 2>/dev/null || true; rm -rf "$work"' EXIT
export XDG_CONFIG_HOME=$work/config
python3 "$here/../../tests/support/make_catalogue.py" "$work/movies.rcb" --sample 60
openbox --sm-disable & wm=$!
sleep 2
"$program" "$work/movies.rcb" & app=$!
w=""
for _ in $(seq 60); do
  w=$(xdotool search --onlyvisible --name "Reel-Case Database - Version" | head -n 1) && break
  sleep 0.5
done
sleep 2
xdotool windowactivate --sync "$w"
eval "$(xdotool getwindowgeometry --shell "$w")"
xdotool mousemove $((X + 60)) $((Y + 130)) click 1  # the seventh movie, its details shown
sleep 2
xdotool mousemove 10 10
sleep 1
import -frame -window "$w" "$here/main-window.png"
xdotool mousemove $((X + 166)) $((Y + 11)) click 1  # the toolbar's Modify Movie
sleep 3
import -frame -window "$(xdotool getactivewindow)" "$here/modify-movie.png"
