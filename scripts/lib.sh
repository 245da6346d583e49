# Shared set-up for scripts/run and scripts/test: sourced, not run.
# Installs what is missing (Debian/Ubuntu, as root), builds the trees, and
# starts/stops the private X server and wineserver that the Windows side needs.

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="$ROOT/build"
WINE64=/usr/lib/wine/wine64
WINESERVER=/usr/lib/wine/wineserver
export WINEPREFIX="$BUILD/wine"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINELOADER="$WINE64"

say() { printf '==> %s\n' "$*"; }
die() { printf 'error: %s\n' "$*" >&2; exit 1; }

# PHONEBOOK_DPI=N runs the Windows side at N pixels per inch in a Wine prefix
# of its own, build/wine-dpiN, so the default prefix (96) is never touched.
# scripts/wine-exec follows it through PHONEBOOK_WINEPREFIX (ctest, drivers).
# select_density N: later Wine calls (and ensure_wine_prefix, start_wineserver)
# use the prefix of density N; scripts/test runs some tests at 144 and 192.
select_density() {
  case "$1" in
    '' | *[!0-9]*) die "PHONEBOOK_DPI must be a number of pixels per inch, not '$1'" ;;
  esac
  PHONEBOOK_DPI=$((10#$1))
  [ "$PHONEBOOK_DPI" -ge 24 ] && [ "$PHONEBOOK_DPI" -le 1920 ] ||
    die "PHONEBOOK_DPI=$PHONEBOOK_DPI is no screen density (24 to 1920)"
  WINEPREFIX="$BUILD/wine"
  if [ "$PHONEBOOK_DPI" -ne 96 ]; then WINEPREFIX="$BUILD/wine-dpi$PHONEBOOK_DPI"; fi
  PHONEBOOK_DESKTOP=virtual
  PHONEBOOK_SCHEME=standard
  export PHONEBOOK_DPI PHONEBOOK_DESKTOP PHONEBOOK_SCHEME WINEPREFIX PHONEBOOK_WINEPREFIX="$WINEPREFIX"
}
PHONEBOOK_SCHEME_WANTED="${PHONEBOOK_SCHEME:-standard}"
select_density "${PHONEBOOK_DPI:-96}"

# PHONEBOOK_SCHEME=hc-black or hc-white runs the Windows side at 96 dpi in a
# prefix of its own, build/wine-SCHEME, whose desktop colours are that
# high-contrast scheme (Wine keeps the high-contrast flag off, so what shows
# is the program in a user's own dark or light scheme); "standard" or unset:
# the prefix of the density. select_scheme NAME: later Wine calls use it
# (select_density and select_default_desktop go back to the standard one).
select_scheme() {
  case "$1" in
    '' | standard) PHONEBOOK_SCHEME=standard; export PHONEBOOK_SCHEME; return 0 ;;
    hc-black | hc-white) ;;
    *) die "PHONEBOOK_SCHEME must be hc-black, hc-white or standard, not '$1'" ;;
  esac
  [ "$PHONEBOOK_DPI" -eq 96 ] || die "PHONEBOOK_SCHEME=$1 runs at 96 dpi only (PHONEBOOK_DPI=$PHONEBOOK_DPI)"
  PHONEBOOK_SCHEME="$1"
  WINEPREFIX="$BUILD/wine-$1"
  export PHONEBOOK_SCHEME WINEPREFIX PHONEBOOK_WINEPREFIX="$WINEPREFIX"
}

# scheme_colors NAME: the scheme's system colours as the registry's
# "Control Panel\Colors" holds them ("Name"="R G B" lines).
scheme_colors() {
  local fore back highlight highlight_text hot gray inactive
  if [ "$1" = hc-black ]; then
    fore="255 255 255" back="0 0 0" highlight="128 0 128" highlight_text="255 255 255" hot="255 255 0"
    gray="0 255 0" inactive="0 128 0"
  else
    fore="0 0 0" back="255 255 255" highlight="0 0 0" highlight_text="255 255 255" hot="0 0 159"
    gray="0 128 0" inactive="255 255 255"
  fi
  local name
  for name in Background Window ButtonFace InfoWindow Menu MenuBar Scrollbar AppWorkSpace ButtonAlternateFace; do
    printf '"%s"="%s"\n' "$name" "$back"
  done
  for name in WindowText ButtonText InfoText MenuText WindowFrame ButtonHilight ButtonDkShadow ButtonLight \
    ActiveBorder InactiveBorder; do
    printf '"%s"="%s"\n' "$name" "$fore"
  done
  printf '"%s"="%s"\n' ButtonShadow "128 128 128" Hilight "$highlight" HilightText "$highlight_text" \
    MenuHilight "$highlight" HotTrackingColor "$hot" GrayText "$gray" ActiveTitle "$highlight" \
    GradientActiveTitle "$highlight" TitleText "$highlight_text" InactiveTitle "$inactive" \
    GradientInactiveTitle "$inactive" InactiveTitleText "$fore"
}
select_scheme "$PHONEBOOK_SCHEME_WANTED"

# select_default_desktop: later Wine calls use build/wine-nodesktop, a prefix
# at 96 dpi left in Wine's default mode, as a Linux user meets it: no virtual
# desktop, every top-level window an X window of its own. select_density goes
# back to a prefix with the virtual desktop.
select_default_desktop() {
  select_density 96
  PHONEBOOK_DESKTOP=none
  WINEPREFIX="$BUILD/wine-nodesktop"
  export PHONEBOOK_DESKTOP WINEPREFIX PHONEBOOK_WINEPREFIX="$WINEPREFIX"
}

# --- packages -----------------------------------------------------------------

# "check|package" pairs: the check is a command or a file that the package provides.
required_packages() {
  local need=(
    "cmake|cmake" "ninja|ninja-build" "g++|g++"
    "x86_64-w64-mingw32-g++-posix|g++-mingw-w64-x86-64-posix"
    "$WINE64|wine64" "/usr/share/i18n/locales/ru_RU|locales"
    "/usr/src/googletest/CMakeLists.txt|googletest" "/usr/include/gtest/gtest.h|libgtest-dev"
    "/usr/include/benchmark/benchmark.h|libbenchmark-dev" "clang++|clang"
    "rsvg-convert|librsvg2-bin" "icotool|icoutils" "clang-format|clang-format"
  )
  printf '%s\n' "${need[@]}" "$@"
}

is_present() {
  case "$1" in
    /*) [ -e "$1" ] ;;
    *) command -v "$1" >/dev/null 2>&1 ;;
  esac
}

# libFuzzer's runtime comes with the clang version that is installed.
fuzzer_runtime_package() {
  local version
  version="$(clang++ --version 2>/dev/null | sed -n 's/.*clang version \([0-9]*\).*/\1/p' | head -n1)"
  [ -n "$version" ] || return 0
  local lib
  lib="$(clang++ -print-file-name=libclang_rt.fuzzer-x86_64.a 2>/dev/null)"
  [ -e "$lib" ] || echo "libclang-rt-$version-dev"
}

apt_install() {
  local packages=("$@")
  [ "${#packages[@]}" -gt 0 ] || return 0
  if [ ! -f /etc/debian_version ] || ! command -v apt-get >/dev/null 2>&1; then
    die "missing packages: ${packages[*]}. This script installs them only on Debian or Ubuntu; install them with your system's package manager and run it again."
  fi
  if [ "$(id -u)" -ne 0 ]; then
    die "missing packages: ${packages[*]}. Install them with: sudo apt-get install ${packages[*]}"
  fi
  say "installing: ${packages[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -q >/dev/null || die "apt-get update failed; check the network and the package sources"
  apt-get install -y -q "${packages[@]}" >"$BUILD/apt.log" 2>&1 ||
    die "apt-get install failed (log: $BUILD/apt.log)"
}

# ensure_packages [extra "check|package" pairs...]
ensure_packages() {
  mkdir -p "$BUILD"
  local missing=() entry check package
  while IFS= read -r entry; do
    check="${entry%%|*}" package="${entry#*|}"
    is_present "$check" || missing+=("$package")
  done < <(required_packages "$@")
  apt_install "${missing[@]}"
  local fuzz_package
  fuzz_package="$(fuzzer_runtime_package)"
  [ -z "$fuzz_package" ] || apt_install "$fuzz_package"
  ensure_locale
}

ensure_locale() {
  locale -a 2>/dev/null | grep -qix 'ru_RU.utf8' && return 0
  say "generating the ru_RU.UTF-8 locale"
  localedef -i ru_RU -f UTF-8 ru_RU.UTF-8 || die "could not generate the ru_RU.UTF-8 locale (package locales)"
}

# --- builds -------------------------------------------------------------------

# configure_tree DIR [cmake options...]: configures once, later calls only
# build. A tree configured with other options (an older checkout's) is made
# afresh, so a changed compiler or option never mixes with old objects.
configure_tree() {
  local dir="$1"; shift
  local wanted="$*" signature="$dir/phonebook-configure-options"
  if [ -f "$dir/build.ninja" ] && [ "$(cat "$signature" 2>/dev/null)" != "$wanted" ]; then
    say "${dir#"$ROOT"/} was configured with other options: configuring it afresh"
    rm -rf "$dir"
  fi
  if [ ! -f "$dir/build.ninja" ]; then
    mkdir -p "$dir"
    cmake -S "$ROOT" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >"$dir.configure.log" 2>&1 ||
      { tail -n 40 "$dir.configure.log" >&2; die "cmake could not configure $dir (log: $dir.configure.log)"; }
    printf '%s' "$wanted" >"$signature"
  fi
}

# build_tree DIR [targets...]: builds the targets (default: all) on every core.
build_tree() {
  local dir="$1"; shift
  local targets=()
  [ $# -eq 0 ] || targets=(--target "$@")
  say "building ${dir#"$ROOT"/}${targets[*]:+ (${*})}"
  cmake --build "$dir" "${targets[@]}" -- -j"$(nproc)" >"$dir.build.log" 2>&1 ||
    { tail -n 60 "$dir.build.log" >&2; die "the build of ${dir#"$ROOT"/} failed (log: $dir.build.log)"; }
}

# The plain optimized host tree: the tools the Windows tree runs (packet
# builder, form compiler, glyph bitmaps, time stamp, identity check) with the
# packets, and the benchmarks. The host tests run in build/host-asan.
build_host() {
  configure_tree "$BUILD/host"
  build_tree "$BUILD/host" phonebook_host_tools host_bench
}

build_win() {
  configure_tree "$BUILD/win" -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-w64.cmake" \
    -DPHONEBOOK_HOST_TOOLS="$BUILD/host/tools"
  build_tree "$BUILD/win"
}

# build_program: only what build/win/phonebook.exe needs (the host tree's
# tools, then the program), for the release scripts. The trees are the ones
# build_host and build_win make, so nothing is built twice.
build_program() {
  configure_tree "$BUILD/host"
  build_tree "$BUILD/host" phonebook_host_tools
  configure_tree "$BUILD/win" -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-w64.cmake" \
    -DPHONEBOOK_HOST_TOOLS="$BUILD/host/tools"
  build_tree "$BUILD/win" phonebook
}

# The sanitizer tree: clang with AddressSanitizer and UndefinedBehaviorSanitizer,
# optimized, with libFuzzer's coverage, so that the host tests and the fuzz
# targets share one build of every library. Line tables are all the debug
# information a sanitizer's report needs.
build_host_asan() {
  configure_tree "$BUILD/host-asan" -DCMAKE_CXX_COMPILER=clang++ -DPHONEBOOK_SANITIZE=ON -DPHONEBOOK_FUZZ=ON \
    "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O2 -gline-tables-only"
  build_tree "$BUILD/host-asan"
}

# --- test logs ------------------------------------------------------------------

# gtest_failed_cases LOG: the cases GoogleTest listed as failed in LOG, one
# name per line, sorted, each once (a Windows program's output may end its
# lines with CR LF).
gtest_failed_cases() {
  tr -d '\r' <"$1" | sed -nE 's/^\[  FAILED  \] ([^ ,]+)(, where .*)?$/\1/p' | sort -u
}

# --- fuzzing ------------------------------------------------------------------

# claim_fuzz_target TARGETS RESULTS: prints the path of a fuzz target in
# TARGETS that no worker has taken yet, and takes it (mkdir is atomic, so two
# workers side by side never take the same one); fails when all are taken.
claim_fuzz_target() {
  local dir="$1" results="$2" target
  mkdir -p "$results/claims"
  for target in "$dir"/*_fuzz; do
    [ -f "$target" ] && [ -x "$target" ] || continue
    if mkdir "$results/claims/$(basename "$target")" 2>/dev/null; then
      echo "$target"
      return 0
    fi
  done
  return 1
}

# run_fuzz_target TARGET WORK RESULTS SECONDS: fuzzes TARGET for SECONDS of
# processor time from the committed seed corpus, copied into WORK/corpus/NAME
# (which keeps what the runs find). Alone on a core that is SECONDS of the
# clock; beside other work the target gets less of the processor, so it runs
# until it has had its time, and every target gets the same fuzzing whatever
# else the machine does. A crash, a sanitizer report, a leak or a hang fails it
# and leaves the input that did it in WORK/artifacts/NAME-*. Writes
# RESULTS/NAME.log and RESULTS/NAME.result ("passed failed" counts); returns
# non-zero on a failure.
run_fuzz_target() {
  local target="$1" work="$2" results="$3" seconds="$4" name
  name="$(basename "$target")"
  local corpus="$work/corpus/$name" log="$results/$name.log"
  mkdir -p "$corpus" "$work/artifacts" "$results"
  [ ! -d "$ROOT/tests/fuzz/corpus/$name" ] || cp -r "$ROOT/tests/fuzz/corpus/$name/." "$corpus/"
  # The clock's limit only guards against a target that never gets its time.
  "$target" -max_total_time=$((seconds * 20)) -print_final_stats=1 -timeout=10 -rss_limit_mb=2048 \
    -artifact_prefix="$work/artifacts/$name-" "$corpus" >"$log" 2>&1 &
  local pid=$! status=0 had inputs
  had="$(stop_after_processor_time "$pid" "$seconds")"
  wait "$pid" || status=$?
  inputs="$(sed -nE 's/^stat::number_of_executed_units: *([0-9]+).*/\1/p' "$log" | tail -n1)"
  # It passes only when the runner ended it: libFuzzer ends a run it is asked
  # to end (SIGINT) with status 72; any other end, status 0 at the clock's
  # limit included, fails it.
  if [ "$had" -ge "$seconds" ] && [ "$status" -eq 72 ] && grep -q 'libFuzzer: run interrupted' "$log"; then
    echo "$name: ${inputs:-?} inputs in $had s of processor time"
    echo "1 0" >"$results/$name.result"
  else
    tail -n 40 "$log"
    [ "$had" -ge "$seconds" ] || echo "$name: had $had of its $seconds s of processor time"
    echo "$name: FAILED (log: $log; artifacts: $work/artifacts/)"
    echo "0 1" >"$results/$name.result"
    return 1
  fi
}

# stop_after_processor_time PID SECONDS: interrupts the process once it has
# had SECONDS of processor time (user and system, all its threads), or returns
# when it ends first; prints the whole seconds it had.
stop_after_processor_time() {
  local pid="$1" per_second line fields used=0
  per_second="$(getconf CLK_TCK)"
  local ticks=$(($2 * per_second))
  while read -r line 2>/dev/null <"/proc/$pid/stat"; do
    # The fields after the command's name: state is the first, then the
    # process's user and system ticks are the twelfth and thirteenth.
    read -ra fields <<<"${line##*) }"
    used=$((fields[11] + fields[12]))
    if [ "$used" -ge "$ticks" ]; then
      kill -INT "$pid" 2>/dev/null
      break
    fi
    sleep 0.5
  done
  echo $((used / per_second))
}

# --- Wine and the X server ----------------------------------------------------

ensure_wine_prefix() {
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    say "creating the Wine prefix in ${WINEPREFIX#"$ROOT"/} (once, about 10 s)"
    local log="$BUILD/wineboot-$(basename "$WINEPREFIX").log"
    LANG=ru_RU.UTF-8 "$WINE64" wineboot -i >"$log" 2>&1 || true
    "$WINESERVER" -w
    [ -f "$WINEPREFIX/system.reg" ] || die "wineboot did not create the prefix (log: $log)"
  fi
  # Every window opens inside one virtual desktop: it draws frames and title
  # bars itself and needs no window manager, so windows behave (and close) as
  # on Windows instead of waiting for an X window manager that is not there.
  # The prefix of select_default_desktop keeps Wine's default mode instead.
  if [ "$PHONEBOOK_DESKTOP" = virtual ] && [ ! -f "$WINEPREFIX/.phonebook-desktop" ]; then
    "$WINE64" reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1 &&
      "$WINE64" reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f >/dev/null 2>&1 ||
      die "could not configure the Wine prefix's virtual desktop"
    "$WINESERVER" -w
    touch "$WINEPREFIX/.phonebook-desktop"
  fi
  # The desktop's colours of a high-contrast scheme (select_scheme).
  if [ "$PHONEBOOK_SCHEME" != standard ] && [ ! -f "$WINEPREFIX/.phonebook-scheme" ]; then
    say "setting the prefix ${WINEPREFIX#"$ROOT"/} to the colours of $PHONEBOOK_SCHEME"
    local reg="$WINEPREFIX/phonebook-scheme.reg"
    { printf 'REGEDIT4\n\n[HKEY_CURRENT_USER\\Control Panel\\Colors]\n'; scheme_colors "$PHONEBOOK_SCHEME"; } >"$reg"
    "$WINE64" regedit /S "Z:${reg//\//\\}" >/dev/null 2>&1 || die "could not set the colours of the Wine prefix"
    "$WINESERVER" -w
    echo "$PHONEBOOK_SCHEME" >"$WINEPREFIX/.phonebook-scheme"
  fi
  # The desktop's density: Wine reads the user's LogPixels for the system
  # DPI (and the hardware profile's for older parts); 96 needs neither.
  if [ "$PHONEBOOK_DPI" -ne 96 ] && [ ! -f "$WINEPREFIX/.phonebook-dpi" ]; then
    say "setting the prefix ${WINEPREFIX#"$ROOT"/} to $PHONEBOOK_DPI dpi"
    "$WINE64" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$PHONEBOOK_DPI" /f \
      >/dev/null 2>&1 &&
      "$WINE64" reg add 'HKCC\Software\Fonts' /v LogPixels /t REG_DWORD /d "$PHONEBOOK_DPI" /f \
        >/dev/null 2>&1 ||
      die "could not set the density of the Wine prefix"
    "$WINESERVER" -w
    echo "$PHONEBOOK_DPI" >"$WINEPREFIX/.phonebook-dpi"
  fi
}

XVFB_PID=""
XVFB_PIDS=()
# start_xvfb: a private X server on a free display; sets DISPLAY and XVFB_PID.
# Called again, it starts another server on another display (each has its own
# pointer and keyboard); stop_wine_and_x stops them all.
start_xvfb() {
  local n
  for n in $(seq 90 190); do
    [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
    Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >"$BUILD/xvfb-$n.log" 2>&1 &
    XVFB_PID=$!
    local i
    for i in $(seq 1 50); do
      if [ -e "/tmp/.X11-unix/X$n" ]; then
        export DISPLAY=":$n"
        XVFB_PIDS+=("$XVFB_PID")
        return 0
      fi
      kill -0 "$XVFB_PID" 2>/dev/null || break
      sleep 0.1
    done
    kill "$XVFB_PID" 2>/dev/null || true
    XVFB_PID=""
  done
  die "could not start Xvfb (log: $BUILD/xvfb-$n.log)"
}

# A wineserver that stays up for the whole run, so each Windows process starts
# fast. The first Windows process starts Wine's background services; start them
# here with no output attached, or they would hold the pipe of whoever ran the
# first test (ctest then waits for them forever).
start_wineserver() {
  # Status 2 means a server already runs for the prefix: that one serves.
  "$WINESERVER" -p || [ $? -eq 2 ]
  LANG=ru_RU.UTF-8 "$WINE64" cmd.exe /c exit </dev/null >/dev/null 2>&1 || true
}

# stop_wineserver: ends every Wine process of the selected prefix and its server.
stop_wineserver() {
  "$WINESERVER" -k >/dev/null 2>&1 || true
  "$WINESERVER" -w >/dev/null 2>&1 || true
}

stop_wine_and_x() {
  stop_wineserver
  local pid
  for pid in "${XVFB_PIDS[@]}"; do
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  done
  XVFB_PIDS=()
  XVFB_PID=""
}
