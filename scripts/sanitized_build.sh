# Sourced by the scripts that build with sanitizers: configures and builds
# one of the two sanitizer builds, both with clang, which builds them in some
# two thirds of g++'s time.
#   address  AddressSanitizer and UndefinedBehaviorSanitizer, the core also
#            instrumented for libFuzzer's coverage (build-asan/): the whole
#            suite's sanitized run and the fuzz targets share this build
#   thread   ThreadSanitizer (build-tsan/)
# Usage: sanitized_build KIND TARGET... (from the checkout's root); sets build.
sanitized_build() {
  local kind=$1
  shift
  local options=(-DCMAKE_CXX_COMPILER=clang++ -DQUINTARA_BENCHMARKS=OFF)
  case $kind in
    address) build=build-asan
             options+=(-DQUINTARA_SANITIZE=address,undefined -DQUINTARA_FUZZ=ON) ;;
    thread)  build=build-tsan
             options+=(-DQUINTARA_SANITIZE=thread) ;;
    *) echo "sanitized_build: address or thread, not $kind" >&2; return 2 ;;
  esac
  mkdir -p "$build"
  cmake -S . -B "$build" "${options[@]}" >"$build/configure.log" \
    || { cat "$build/configure.log"; return 1; }
  cmake --build "$build" -j2 --target "$@"
}
