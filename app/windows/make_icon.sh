#!/usr/bin/env bash
# Makes zurvane.ico (128, 48, 32 and 16 pixels, 32-bit with alpha) from the tool's picture,
# resources/zurvane.png. The .ico is kept in the repository, so a build needs no ImageMagick;
# run this after the picture changes.
set -euo pipefail
cd "$(dirname "$0")"
convert=/usr/bin/convert  # ImageMagick's, not a stand-in earlier on the PATH
"$convert" ../../resources/zurvane.png -background none \
    -define icon:auto-resize=128,48,32,16 zurvane.ico
identify zurvane.ico
