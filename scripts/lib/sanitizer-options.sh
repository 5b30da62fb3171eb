# The sanitizer settings every sanitized run of the project uses (the test suite and the fuzzers):
# halt on the first report of either sanitizer with a symbolized stack, leaks reported except
# where tests/lsan.supp names a library that keeps memory until exit on purpose.
#   sanitizer_options_export [EXTRA_ASAN_OPTIONS]
sanitizer_options_export() {
  local top
  top=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
  export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0${1:+:$1}
  export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
  export LSAN_OPTIONS=suppressions=$top/tests/lsan.supp:print_suppressions=0
  if command -v llvm-symbolizer >/dev/null; then
    ASAN_SYMBOLIZER_PATH=$(command -v llvm-symbolizer)
    export ASAN_SYMBOLIZER_PATH
  fi
}
