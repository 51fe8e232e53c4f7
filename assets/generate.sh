#!/usr/bin/env bash
# Redraws every picture under assets/images: builds and runs the generator, which writes the PNG
# files and the frames of the two animations, then assembles the GIF files with ImageMagick.
# The output is the same on every run; commit the images after running it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${PINDORA_BUILD_DIR:-$root/build}
images=$root/assets/images

if [ ! -f "$build/CMakeCache.txt" ]; then
  (cd "$root" && cmake --preset default >/dev/null)
fi
cmake --build "$build" -j2 --target pindora-asset-generator

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fresh=$work/images frames=$work/frames
mkdir -p "$fresh" "$frames"
QT_QPA_PLATFORM=offscreen "$build/assets/generator/pindora-asset-generator" "$fresh" "$frames"

# busy.gif: 8 frames of 50 ms, looping forever; the frames' transparent pixels become the GIF's
# transparent colour.
convert -dispose Background -delay 5 -loop 0 "$frames"/busy_*.png "$fresh/busy.gif"
# app/banner.gif: a gentle loop of 16 frames of 100 ms, opaque, without dithering noise.
convert -delay 10 -loop 0 "$frames"/banner_*.png +dither -colors 256 "$fresh/app/banner.gif"

# Replace only the files that changed, so that the build embeds only those again.
mkdir -p "$images"
(cd "$images" && find . -type f) | while read -r name; do
  [ -f "$fresh/$name" ] || rm "$images/$name"
done
(cd "$fresh" && find . -type f) | while read -r name; do
  if ! cmp -s "$fresh/$name" "$images/$name"; then
    mkdir -p "$(dirname "$images/$name")"
    cp "$fresh/$name" "$images/$name"
    echo "updated ${name#./}"
  fi
done
find "$images" -type d -empty -delete
echo "pictures are up to date in $images"
