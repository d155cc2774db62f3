#!/usr/bin/env bash
# Renders each plug-in's icon, Plugins/<Plugin>/Resources/Icon128.png, from its drawing in docs/icons.
set -euo pipefail
cd "$(dirname "$0")/.."

for Drawing in docs/icons/*.svg; do
	Plugin=$(basename "$Drawing" .svg)
	mkdir -p "Plugins/$Plugin/Resources"
	rsvg-convert --width 128 --height 128 "$Drawing" --output "Plugins/$Plugin/Resources/Icon128.png"
	echo "Icons: Plugins/$Plugin/Resources/Icon128.png"
done
