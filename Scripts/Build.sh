#!/usr/bin/env bash
# Configures and builds the development preset (engine host, plug-ins, tools, tests).
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset dev >/dev/null
cmake --build --preset dev -j "$(nproc 2>/dev/null || echo 2)"
