#!/usr/bin/env bash
# Start-up of kolwe next to a bare Qt window holding the same widgets: the median time from
# exec to the window's first paint and the median peak RSS over RUNS runs of each (15 unless
# set), alternating, on a private Xvfb with openbox. How first paint is seen: bench/README.md.
#
#   bench/startup.sh [path/to/kolwe] [path/to/bare_window]
#
# Defaults: build/kolwe, and build-bench/bench/bare_window, which is built when missing.
# Needs Xvfb, openbox, x11-utils (xprop), x11-xserver-utils (xsetroot), python3 and GNU time.
set -euo pipefail
cd "$(dirname "$0")/.."

kolwe=${1:-build/kolwe}
bare=${2:-build-bench/bench/bare_window}
runs=${RUNS:-15}
[[ -x $kolwe ]] || { echo "startup.sh: no program at $kolwe" >&2; exit 1; }
if [[ ! -x $bare && $# -lt 2 ]]; then
  cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DKOLWE_BENCH=ON -DKOLWE_TESTS=OFF \
    >/dev/null
  cmake --build build-bench --target bare_window >/dev/null
fi
[[ -x $bare ]] || { echo "startup.sh: no program at $bare" >&2; exit 1; }
for tool in Xvfb openbox xprop xsetroot python3 /usr/bin/time; do
  command -v "$tool" >/dev/null || { echo "startup.sh: $tool is missing" >&2; exit 1; }
done

work=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

wait_for() {  # wait_for WHAT COMMAND...: poll every 20 ms, for 10 s at most
  local what=$1
  shift
  for _ in $(seq 500); do
    "$@" >/dev/null 2>&1 && return 0
    sleep 0.02
  done
  echo "startup.sh: timed out waiting for $what" >&2
  exit 1
}

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
pids+=($!)
wait_for "Xvfb" test -s "$work/display"
DISPLAY=":$(head -n1 "$work/display")"
export DISPLAY
XDG_CONFIG_HOME=$work openbox >/dev/null 2>&1 &
pids+=($!)
wait_for "openbox" sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"'
# A colour neither window paints, so the probe pixel changes only when a window paints it.
xsetroot -solid '#FF00FF'

export QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
unset QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_AUTO_SCREEN_SCALE_FACTOR
# The probe: client point (200, 120), an empty spot of both windows, which open their client
# area at (264, 215).
probe=(464 335)
first_paint() { python3 bench/first_paint.py "$@"; }

# kolwe --pick shows its loupe 24 pixels right of and below the pointer once its grab is in
# place: the probe is the loupe's RRGGBB line, left of the text, with the pointer at (40, 40).
pick_probe=(68 192)
python3 -c 'import ctypes; x = ctypes.CDLL("libX11.so.6"); x.XOpenDisplay.restype = ctypes.c_void_p
d = ctypes.c_void_p(x.XOpenDisplay(None)); x.XWarpPointer(d, 0, ctypes.c_ulong(x.XDefaultRootWindow(d)), 0, 0, 0, 0, 40, 40); x.XCloseDisplay(d)'

# One unmeasured start of each warms the caches and learns the colour it paints at the probe.
kolwe_colour=$(first_paint learn "${probe[@]}" "$kolwe")
bare_colour=$(first_paint learn "${probe[@]}" "$bare")
pick_colour=$(first_paint learn "${pick_probe[@]}" "$kolwe" --pick)

for _ in $(seq "$runs"); do
  first_paint time "${probe[@]}" "$kolwe_colour" "$kolwe" >>"$work/kolwe"
  first_paint time "${probe[@]}" "$bare_colour" "$bare" >>"$work/bare"
  first_paint time "${pick_probe[@]}" "$pick_colour" "$kolwe" --pick >>"$work/pick"
done

summary() {  # summary COLUMN FILE DIVISOR: "median (min-max)" of a column, divided
  cut -d' ' -f"$1" "$2" | sort -n | awk -v d="$3" '{v[NR] = $1 / d}
    END {m = (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
         printf "%.1f (%.1f-%.1f)", m, v[1], v[NR]}'
}
echo "$runs runs each, alternating; median (min-max):"
printf '%-12s %-24s %s\n' program "first paint, ms" "peak RSS, MiB"
printf '%-12s %-24s %s\n' kolwe "$(summary 1 "$work/kolwe" 1)" "$(summary 2 "$work/kolwe" 1024)"
printf '%-12s %-24s %s\n' "bare window" "$(summary 1 "$work/bare" 1)" \
  "$(summary 2 "$work/bare" 1024)"
printf '%-12s %-24s %s\n' "kolwe --pick" "$(summary 1 "$work/pick" 1)" \
  "$(summary 2 "$work/pick" 1024)"
median() { cut -d' ' -f1 "$1" | sort -n | awk '{v[NR] = $1} END {print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'; }
awk -v k="$(median "$work/kolwe")" -v b="$(median "$work/bare")" -v p="$(median "$work/pick")" \
  'BEGIN {printf "bare window / kolwe: %.3f; kolwe --pick armed / kolwe first paint: %.3f\n", b / k, p / k}'
