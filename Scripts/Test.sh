#!/usr/bin/env bash
# Builds the project and runs every test: once in the development build, once under
# AddressSanitizer and UndefinedBehaviorSanitizer, then each fuzz target for a short bounded time
# (clang). Usage: Scripts/Test.sh [dev|asan|fuzz]...
set -euo pipefail
cd "$(dirname "$0")/.."

Presets=("$@")
if [ ${#Presets[@]} -eq 0 ]; then
	Presets=(dev asan fuzz)
fi

Jobs=$(nproc 2>/dev/null || echo 2)
for Preset in "${Presets[@]}"; do
	echo "== ${Preset}: configure and build"
	cmake --preset "$Preset" >/dev/null
	cmake --build --preset "$Preset" -j "$Jobs"
	echo "== ${Preset}: tests"
	ctest --preset "$Preset" -j "$Jobs"
done
