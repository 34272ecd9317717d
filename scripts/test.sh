#!/usr/bin/env bash
# Installs what is missing, builds, runs each fuzz target for a while, then runs every test
# (last, so that the test summary closes the output).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh test
bash scripts/build.sh -DTAVRIN_TESTS=ON
bash scripts/start-cups.sh || true
export QT_QPA_PLATFORM=offscreen
status=0
bash scripts/fuzz.sh "${FUZZ_SECONDS:-30}" || status=1
ctest --test-dir build --output-on-failure --parallel "$(nproc)" || status=1
exit $status
