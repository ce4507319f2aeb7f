#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test through CTest.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/setup.sh
ctest --test-dir build --output-on-failure --parallel "$(nproc)"
