#!/usr/bin/env bash
# Installs what is missing, builds, and starts Tavrin.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh build
bash scripts/build.sh
exec build/bin/Tavrin
