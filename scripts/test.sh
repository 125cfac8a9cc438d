#!/usr/bin/env bash
# Installs what is needed, checks that the code is formatted as .clang-format
# says, then builds and runs every test three times: a normal build, a build
# under AddressSanitizer and UndefinedBehaviorSanitizer, and a Release build
# with Clang. Every compiler warning is an error here.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"

bash scripts/install-deps.sh test

echo "== format of the code"
find standsim tarvex testing \( -name '*.cpp' -o -name '*.h' \) -print0 |
  xargs -0 clang-format --dry-run --Werror

jobs=$(nproc)
run_suite() {
  local dir=$1; shift
  cmake -S . -B "$dir" -G Ninja -DTARVEX_WARNINGS_AS_ERRORS=ON -DTARVEX_BUILD_TESTS=ON "$@" >/dev/null
  cmake --build "$dir" --parallel "$jobs"
  ctest --test-dir "$dir" --output-on-failure --parallel "$jobs"
}

echo "== normal build"
run_suite build/test -DCMAKE_BUILD_TYPE=RelWithDebInfo

echo "== AddressSanitizer + UndefinedBehaviorSanitizer build"
(
  export ASAN_OPTIONS=halt_on_error=1:detect_leaks=1:abort_on_error=0
  export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
  run_suite build/sanitize -DCMAKE_BUILD_TYPE=Debug -DTARVEX_SANITIZE=ON
)

echo "== Release build with Clang"
run_suite build/clang-release -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++
