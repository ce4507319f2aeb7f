#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need (when missing), then configures
# and builds Release into build/. Sourced by run.sh and test.sh; MOTTLER_TARGETS (a list of
# target names) builds only those, as run.sh asks for the programs alone.
set -euo pipefail

PACKAGES=(g++ cmake ninja-build pkg-config qt6-base-dev libgl-dev libgtest-dev libgmock-dev
          libbenchmark-dev libjpeg62-turbo-dev libgif-dev libimagequant-dev ffmpeg
          libavcodec-dev libavformat-dev libavutil-dev libswscale-dev libwebp-dev webp
          chromium qt6-image-formats-plugins imagemagick desktop-file-utils appstream
          libxcb1-dev dpkg-dev fakeroot lintian mandoc util-linux
          qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools qt6-translations-l10n)

missing=()
for pkg in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" || missing+=("$pkg")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing missing packages: ${missing[*]}"
    SUDO=""
    [ "$(id -u)" -ne 0 ] && SUDO="sudo"
    $SUDO apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${missing[@]}"
fi

# ccache, when the machine has it, makes rebuilds after a checkout or merge cheap.
LAUNCHER=()
command -v ccache >/dev/null && LAUNCHER=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
# MOTTLER_WERROR=ON in the environment (as .ci/run sets it) makes warnings errors.
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release "${LAUNCHER[@]}" \
    -DMOTTLER_WERROR="${MOTTLER_WERROR:-OFF}" >/dev/null
# shellcheck disable=SC2086 # the targets are a list of words
cmake --build build --parallel "$(nproc)" ${MOTTLER_TARGETS:+--target $MOTTLER_TARGETS}
