#!/usr/bin/env bash
# Installs the Debian packages that the build, the tests, the tool and the benchmarks need.
# Safe to run more than once: packages already present are left alone.
set -euo pipefail

Packages=(
	build-essential cmake ninja-build python3 clang clang-format libclang-rt-14-dev
	rapidjson-dev libcurl4-openssl-dev libssl-dev openssl libcpp-httplib-dev
	libgtest-dev libgmock-dev libbenchmark-dev libmimalloc-dev pkg-config
	librsvg2-bin libxml2-dev fonts-roboto-unhinted valgrind ccache
)

Missing=()
for Package in "${Packages[@]}"; do
	if ! dpkg-query -W -f='${Status}' "$Package" 2>/dev/null | grep -q "install ok installed"; then
		Missing+=("$Package")
	fi
done

if [ ${#Missing[@]} -eq 0 ]; then
	echo "Setup: every package is already installed."
	exit 0
fi

Sudo=""
if [ "$(id -u)" -ne 0 ]; then
	Sudo="sudo"
fi

echo "Setup: installing ${Missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$Sudo apt-get update -qq
$Sudo apt-get install -y -qq --no-install-recommends "${Missing[@]}"
