#!/usr/bin/env bash
# Installs what the program needs, builds it alone (no tests, benchmarks or
# Fortran reference programs) in build/run and starts it from its own folder
# (where libstandsim.so and the program files lie).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"

bash scripts/install-deps.sh run
cmake -S . -B build/run -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTARVEX_BUILD_TESTS=OFF >/dev/null
cmake --build build/run --parallel "$(nproc)" --target tarvex
exec build/run/tarvex/ui/tarvex "$@"
