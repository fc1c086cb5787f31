#!/usr/bin/env bash
# Draws the about window's logo (445 x 109, progressive JPEG) with ImageMagick. Run from
# the resources folder; the result is kept in the repository, so the build does not need it.
set -e
W=445; H=109
SERIF=/usr/share/fonts/truetype/liberation/LiberationSerif-Bold.ttf
SANS=/usr/share/fonts/truetype/liberation/LiberationSans-Bold.ttf
# perforations of the film strip, top and bottom
perf=""
for x in $(seq 6 18 440); do
  perf="$perf roundrectangle $x,3 $((x+9)),10 2,2 roundrectangle $x,98 $((x+9)),105 2,2"
done
# reel: outer rim, hub and five windows
reel="circle 56,54 56,18"
holes=""
for a in 90 162 234 306 18; do
  cx=$(awk -v a=$a 'BEGIN{printf "%d", 56+19*cos(a*3.14159/180)}')
  cy=$(awk -v a=$a 'BEGIN{printf "%d", 54-19*sin(a*3.14159/180)}')
  holes="$holes circle $cx,$cy $((cx+9)),$cy"
done
convert -size ${W}x${H} -define gradient:direction=East gradient:'#10194a-#6b1034' \
  -fill '#0b0b12' -draw "rectangle 0,0 $W,13 rectangle 0,95 $W,$H" \
  -fill '#e8e2cf' -draw "$perf" \
  -fill '#c9ccd6' -stroke '#6d7280' -strokewidth 2 -draw "$reel" \
  -stroke none -fill '#23285a' -draw "$holes circle 56,54 61,54" \
  -fill '#9aa0b4' -draw "circle 56,54 58,54" \
  -font "$SERIF" -pointsize 44 -fill '#00000090' -annotate +115+62 'Reel-Case' \
  -fill '#f2c14e' -stroke '#8a5a10' -strokewidth 1 -annotate +112+59 'Reel-Case' \
  -stroke none -font "$SANS" -pointsize 22 -kerning 6 -fill '#f4efe3' -annotate +114+88 'DATABASE' \
  -font "$SERIF" -pointsize 13 -kerning 0 -fill '#d8c9a8' -annotate +330+88 'movies, catalogued' \
  -strip -quality 90 -interlace JPEG -sampling-factor 2x2 logo.jpg
