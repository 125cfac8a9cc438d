#!/usr/bin/env bash
# Installs what is needed, builds the program in build/run and starts it from
# its own folder (where libstandsim.so and the program files lie).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"

bash scripts/install-deps.sh
cmake -S . -B build/run -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build/run --parallel "$(nproc)" --target tarvex
exec build/run/tarvex/ui/tarvex "$@"
