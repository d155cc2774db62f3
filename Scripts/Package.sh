#!/usr/bin/env bash
# Packs each plug-in for users: Build/Packages/<Plugin>-<VersionName>-UE5.6.zip, laid out as the
# engine's BuildPlugin lays out a plug-in, as source (see Scripts/PackagePlugin.py).
# Usage: Scripts/Package.sh [OutputFolder]
set -euo pipefail
Root="$(cd "$(dirname "$0")/.." && pwd)"
Output="${1:-$Root/Build/Packages}"

python3 "$Root/Scripts/PackagePlugin.py" --engine-version 5.6 --output "$Output" "$Root"/Plugins/*/*.uplugin
