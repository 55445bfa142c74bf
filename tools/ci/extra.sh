#!/bin/sh
# CI stages beyond the README's test command (run by .ci/run after it):
#  1. a clang build with AddressSanitizer and UndefinedBehaviorSanitizer
#     (-fno-sanitize-recover=undefined) that runs the whole test suite;
#  2. each libFuzzer target in fuzz/ for FUZZ_SECONDS (default 30) from its
#     committed seed corpus.
# Any sanitizer report, failed test or fuzzer finding fails the run.
set -e
cd "$(dirname "$0")/../.."
ROOT=$(pwd)

SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO=sudo
export DEBIAN_FRONTEND=noninteractive
if ! command -v clang++-14 >/dev/null ||
   ! ls /usr/lib/llvm-14/lib/clang/*/lib/linux/libclang_rt.fuzzer-x86_64.a >/dev/null 2>&1; then
  $SUDO apt-get update -q
  $SUDO apt-get install -y -q --no-install-recommends clang-14 libclang-rt-14-dev
fi

# Leaks inside Qt's own libraries only; see the comments in the file.
export LSAN_OPTIONS="suppressions=$ROOT/tools/ci/lsan.supp:print_suppressions=0"
# clang 14's runtime keeps its own list of glibc 2.36's dynamic TLS blocks,
# and in a long test run that list can hold a stale block, which the leak
# check at exit walks into and crashes ("Tracer caught signal 11"). Without
# the __tls_get_addr interception there is no such list; the blocks are then
# ordinary heap that the check still sees.
export ASAN_OPTIONS="detect_leaks=1:strict_string_checks=1:detect_stack_use_after_return=1:intercept_tls_get_addr=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"

BUILD=build-san
cmake -S . -B "$BUILD" -DCMAKE_CXX_COMPILER=clang++-14 -DCMAKE_C_COMPILER=clang-14 \
  -DKALVIX_SANITIZE=ON -DKALVIX_BUILD_FUZZERS=ON -DKALVIX_BUILD_BENCHMARKS=OFF -DKALVIX_TEST_TIMEOUT=600
cmake --build "$BUILD" -j2
ctest --test-dir "$BUILD" --output-on-failure -j2

SECONDS_EACH=${FUZZ_SECONDS:-30}
ARTIFACTS="$ROOT/$BUILD/fuzz-artifacts"
mkdir -p "$ARTIFACTS"
for target in datafile setup xmlimport datapack translation; do
  # New inputs go to a scratch corpus; the committed seeds stay as they are.
  scratch=$(mktemp -d)
  echo "== fuzz_$target for ${SECONDS_EACH} s"
  "$BUILD/fuzz/fuzz_$target" -max_total_time="$SECONDS_EACH" -timeout=25 -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix="$ARTIFACTS/$target-" "$scratch" "fuzz/corpus/$target"
  rm -rf "$scratch"
done
