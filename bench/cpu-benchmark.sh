#!/usr/bin/env bash
# What Tarnwick costs on a (Wine) desktop, against a do-nothing program with the same timers,
# both running side by side in one Wine session:
#   idle CPU over 60 s, CPU during a 5 s hover wait, working set, activation latency, and
#   idle CPU with wrap and parking both on (three timers).
# CPU is read from the Linux side (/proc/PID/stat: utime + stime), because GetProcessTimes
# reports zeros for other processes under Wine.
#   bench/cpu-benchmark.sh [BUILD_DIR]      (default build/windows; build it first)
# Knobs: IDLE_SECONDS (default 60), LATENCY_SAMPLES (default 10).
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$(cd "${1:-$root/build/windows}" && pwd)"
if [[ -z "${TARNWICK_WINE_SESSION:-}" ]]; then
  exec env TARNWICK_FORCE_XVFB="${TARNWICK_FORCE_XVFB:-1}" "$root/scripts/wine-session.sh" \
    "${BASH_SOURCE[0]}" "$build"
fi

tarnwick="$build/platform/win32/Tarnwick.exe"
reference="$build/bench/win32/idle_reference.exe"
driver="$build/bench/win32/bench_driver.exe"
for file in "$tarnwick" "$reference" "$driver"; do
  [[ -f "$file" ]] || { echo "cpu-benchmark: missing $file (build the windows preset)" >&2; exit 1; }
done

idleSeconds="${IDLE_SECONDS:-60}"
latencySamples="${LATENCY_SAMPLES:-10}"
clockTicks="$(getconf CLK_TCK)"
started=()

# The launcher execs into the Wine process, so $! is the PID whose /proc entry we read.
# Sets lastPid (not printed: a command substitution would run it in a subshell).
start() {
  wine "$@" >/dev/null 2>&1 </dev/null &
  lastPid=$!
  started+=("$lastPid")
}

stop() {
  kill "$1" 2>/dev/null || true
  wait "$1" 2>/dev/null || true
}

cleanup() {
  local pid
  for pid in "${started[@]}"; do kill "$pid" 2>/dev/null || true; done
}
trap cleanup EXIT

# utime + stime in clock ticks; the command name may hold blanks, so split after ')'.
cpuTicks() {
  local stat
  stat="$(cat "/proc/$1/stat")"
  stat="${stat##*) }"
  read -r -a fields <<<"$stat"
  echo $((fields[11] + fields[12]))
}

rssKiB() { awk '/^VmRSS:/ {print $2}' "/proc/$1/status"; }

ms() { echo $(((${2} - ${1}) * 1000 / clockTicks)); }

settings() {
  wine reg delete 'HKCU\Software\Tarnwick' /f >/dev/null 2>&1 || true
  local entry
  for entry in "$@"; do
    IFS='=' read -r path value <<<"$entry"
    wine reg add "HKCU\\Software\\Tarnwick\\${path%\\*}" /v "${path##*\\}" /t REG_SZ /d "$value" /f \
      >/dev/null 2>&1
  done
}

# Measures both processes over the same interval; prints "tarnwickMs referenceMs".
measure() {
  local seconds=$1 tarnwickPid=$2 referencePid=$3
  local t0 r0 t1 r1
  t0=$(cpuTicks "$tarnwickPid")
  r0=$(cpuTicks "$referencePid")
  sleep "$seconds"
  t1=$(cpuTicks "$tarnwickPid")
  r1=$(cpuTicks "$referencePid")
  echo "$(ms "$t0" "$t1") $(ms "$r0" "$r1")"
}

# 1. Idle: default settings (poll only, 250 ms), cursor resting on the bare desktop.
settings
start "$tarnwick"
tarnwickPid=$lastPid
start "$reference" 250
referencePid=$lastPid
sleep 5
wine "$driver" cursor 790 500 >/dev/null 2>&1
sleep 2
read -r idleTarnwick idleReference < <(measure "$idleSeconds" "$tarnwickPid" "$referencePid")
rssTarnwick=$(rssKiB "$tarnwickPid")
rssReference=$(rssKiB "$referencePid")
stop "$tarnwickPid"
stop "$referencePid"

# 2. A 5 s hover wait: delay 5000, the cursor comes to rest on a titled window.
settings 'Delay\Interval=5000'
start "$tarnwick"
tarnwickPid=$lastPid
start "$reference" 250
referencePid=$lastPid
start "$driver" window 600 450 180 110 20
targetPid=$lastPid
sleep 5
wine "$driver" cursor 790 500 >/dev/null 2>&1
sleep 2
wine "$driver" cursor 690 505 >/dev/null 2>&1
read -r hoverTarnwick hoverReference < <(measure 5 "$tarnwickPid" "$referencePid")
stop "$targetPid"
stop "$tarnwickPid"
stop "$referencePid"

# 3. Activation latency at the default delay and at 1000 ms.
latency() {
  local delay=$1
  settings "Delay\\Interval=$delay"
  start "$tarnwick"
  tarnwickPid=$lastPid
  sleep 5
  wine "$driver" latency "$latencySamples" 2>/dev/null | tee -a "${LATENCY_LOG:-/dev/null}" | awk '/^latency_ms/ {print $3, $5, $7}'
  stop "$tarnwickPid"
}
read -r lat250Min lat250Median lat250Max < <(latency 250)
read -r lat1000Min lat1000Median lat1000Max < <(latency 1000)

# 4. Idle with wrap and parking both on: three timers against three do-nothing timers.
settings 'startup\mousewrap=1' 'startup\idel=1'
start "$tarnwick"
tarnwickPid=$lastPid
start "$reference" 250,100,100
referencePid=$lastPid
sleep 5
wine "$driver" cursor 400 500 >/dev/null 2>&1
sleep 2
read -r threeTarnwick threeReference < <(measure "$idleSeconds" "$tarnwickPid" "$referencePid")
stop "$tarnwickPid"
stop "$referencePid"

percent() { awk -v used="$1" -v seconds="$2" 'BEGIN { printf "%.2f%%", 100 * used / (seconds * 1000) }'; }

echo
echo "Tarnwick CPU benchmark ($(date -u +%FT%TZ), $(wine --version), CLK_TCK $clockTicks)"
printf '%-44s %16s %16s\n' "measurement" "Tarnwick.exe" "reference"
printf '%-44s %16s %16s\n' "idle CPU ms over ${idleSeconds} s (poll only)" \
  "$idleTarnwick ($(percent "$idleTarnwick" "$idleSeconds"))" \
  "$idleReference ($(percent "$idleReference" "$idleSeconds"))"
printf '%-44s %16s %16s\n' "CPU ms during a 5 s hover wait" "$hoverTarnwick" "$hoverReference"
printf '%-44s %16s %16s\n' "working set (VmRSS KiB, idle)" "$rssTarnwick" "$rssReference"
printf '%-44s %16s %16s\n' "idle CPU ms over ${idleSeconds} s, wrap + parking on" \
  "$threeTarnwick ($(percent "$threeTarnwick" "$idleSeconds"))" \
  "$threeReference ($(percent "$threeReference" "$idleSeconds"))"
printf '%-44s %16s\n' "activation latency ms, delay 250 (min/med/max)" \
  "$lat250Min/$lat250Median/$lat250Max"
printf '%-44s %16s\n' "activation latency ms, delay 1000 (min/med/max)" \
  "$lat1000Min/$lat1000Median/$lat1000Max"
