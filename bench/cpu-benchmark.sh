#!/usr/bin/env bash
# What Tarnwick costs on a (Wine) desktop, against a do-nothing program with the same
# timers and against the floor, the same program with no timer at all
# (bench/win32/idle_reference.cpp). Every phase starts the programs together in one Wine
# session, so whatever else the machine does hits them alike:
#   idle CPU, poll only               Tarnwick's 250 ms poll    / one 250 ms timer, and above
#                                     the floor: where the system never reports cursor moves
#                                     (Wine), a look every 500 ms is all Tarnwick may spend
#   rest CPU, wrap + parking on       poll, wrap and parking    / 250, 100 and 100 ms timers,
#                                     and above the floor (measured once the resting cursor
#                                     is parked): a program asleep at rest costs what the
#                                     floor costs, give or take a tick
#   CPU while moving, wrap + parking  the cursor kept moving    / the same timers
#   CPU inside hover waits            delay 5000, cursor at rest / 250 and 5000 ms timers
#   CPU while typing, mouse at rest   160 letters into another   / the floor with the same
#                                     program's window             low-level keyboard hook
#   working set after start, and after the moving and resting, against both programs
#   start to window shown
#   activation latency at delays 250 and 1000 ms (min / median / max over the rests)
# CPU is read from the Linux side, because GetProcessTimes reports zeros for other processes
# under Wine: the scheduler's nanoseconds (/proc/PID/task/*/schedstat) give the figures and
# ratios, utime + stime (/proc/PID/stat) in clock ticks (CLK_TCK) stand beside them. A figure
# of a few ticks is too little work to compare, whatever its ratio: the table marks it.
# Only the two processes are counted; what wineserver, Xvfb and the desktop do on their
# behalf is not split between them.
# A benchmark, not a test: it prints figures, ratios and whether each target is met, and
# fails only when it cannot measure at all.
#   bench/cpu-benchmark.sh [BUILD_DIR]      (default build/windows; build it first)
# Knobs: IDLE_SECONDS (default 60), MOVE_SECONDS (default 20), HOVER_WAITS (default 5),
# LATENCY_SAMPLES (default 20), TYPED_LETTERS (default 160), PHASES (default
# "idle rest hover latency typing": the phases to run, the table shows theirs),
# TARNWICK_EXE (default BUILD_DIR/win32/Tarnwick.exe: another build to compare),
# LATENCY_LOG (a file that receives the driver's per-sample lines), EXTRA_SETTINGS (settings
# every phase adds to its own, as 'options\PointerFollowsKeyboard=1': a run with an option on).
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$(cd "${1:-$root/build/windows}" && pwd)"
if [[ -z "${TARNWICK_WINE_SESSION:-}" ]]; then
  exec env TARNWICK_FORCE_XVFB="${TARNWICK_FORCE_XVFB:-1}" "$root/scripts/wine-session.sh" \
    "${BASH_SOURCE[0]}" "$build"
fi

tarnwick="${TARNWICK_EXE:-$build/win32/Tarnwick.exe}"
reference="$build/bench/win32/idle_reference.exe"
driver="$build/bench/win32/bench_driver.exe"
for file in "$tarnwick" "$reference" "$driver"; do
  [[ -f "$file" ]] || { echo "cpu-benchmark: missing $file (build the windows preset)" >&2; exit 1; }
done

idleSeconds="${IDLE_SECONDS:-60}"
moveSeconds="${MOVE_SECONDS:-20}"
hoverWaits="${HOVER_WAITS:-5}"
latencySamples="${LATENCY_SAMPLES:-20}"
typedLetters="${TYPED_LETTERS:-160}"
phases=" ${PHASES:-idle rest hover latency typing} "
wants() { [[ "$phases" == *" $1 "* ]]; }
clockTicks="$(getconf CLK_TCK)"
tickMs=$((1000 / clockTicks))
# Below this many ticks a CPU figure is mostly rounding.
fewTicks=5
pollMs=250
# At rest Tarnwick may cost this much more than the floor over the whole rest: a tick or so;
# two where it must look every 500 ms because the system never reports cursor moves.
floorExcessMs=10
lookExcessMs=20
# The hover wait's figures are taken inside each 5 s wait, clear of its start and its end.
hoverDelayMs=5000
hoverInsideSeconds=4
workDir="$(mktemp -d "${TARNWICK_SESSION_DIR:-/tmp}/bench.XXXXXX")"
started=()
loadAtStart="$(cut -d' ' -f1 /proc/loadavg)"

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

drive() { wine "$driver" "$@" 2>/dev/null </dev/null; }

# utime + stime in clock ticks; the command name may hold blanks, so split after ')'.
cpuTicks() {
  local stat
  stat="$(cat "/proc/$1/stat")"
  stat="${stat##*) }"
  read -r -a fields <<<"$stat"
  echo $((fields[11] + fields[12]))
}

# The scheduler's own count of time on a CPU, in nanoseconds, summed over the threads
# (/proc/PID/task/*/schedstat); 0 where the kernel keeps none.
runNs() {
  cat /proc/"$1"/task/*/schedstat 2>/dev/null | awk '{ sum += $1 } END { printf "%.0f", sum }'
}

rssKiB() { awk '/^VmRSS:/ {print $2}' "/proc/$1/status"; }

nowMs() { echo $(($(date +%s%N) / 1000000)); }

settings() {
  wine reg delete 'HKCU\Software\Tarnwick' /f >/dev/null 2>&1 || true
  local entry
  # shellcheck disable=SC2086 # one setting a word
  for entry in "$@" ${EXTRA_SETTINGS:-}; do
    IFS='=' read -r path value <<<"$entry"
    wine reg add "HKCU\\Software\\Tarnwick\\${path%\\*}" /v "${path##*\\}" /t REG_SZ /d "$value" /f \
      >/dev/null 2>&1
  done
}

# Starts Tarnwick and the reference (with these timers) together and notes how long each
# took from its start to its first visible window. Sets tarnwickPid and referencePid; the
# floor, when a phase wants it, starts after them (startFloor) and sets floorPid.
startupTarnwick=()
startupReference=()
startPair() {
  local timers=$1 watch="$workDir/shown.$RANDOM" i
  wine "$driver" shown TarnwickMainWindow TarnwickIdleReference >"$watch" 2>/dev/null </dev/null &
  local watcher=$!
  for ((i = 0; i < 400; i++)); do
    grep -q '^ready' "$watch" 2>/dev/null && break
    sleep 0.05
  done
  local tarnwickStart referenceStart
  tarnwickStart=$(date +%s%N)
  start "$tarnwick"
  tarnwickPid=$lastPid
  referenceStart=$(date +%s%N)
  start "$reference" "$timers"
  referencePid=$lastPid
  wait "$watcher" || true
  local shownAt
  shownAt=$(awk '$2 == "TarnwickMainWindow" && $3 != "timeout" {print $3}' "$watch")
  [[ -n "$shownAt" ]] && startupTarnwick+=("$(awk -v s="$shownAt" -v t="$tarnwickStart" \
    'BEGIN { printf "%.0f", s - t / 1e6 }')")
  shownAt=$(awk '$2 == "TarnwickIdleReference" && $3 != "timeout" {print $3}' "$watch")
  [[ -n "$shownAt" ]] && startupReference+=("$(awk -v s="$shownAt" -v t="$referenceStart" \
    'BEGIN { printf "%.0f", s - t / 1e6 }')")
  return 0
}

floorPid=""
startFloor() {
  start "$reference" none
  floorPid=$lastPid
}

stopPair() {
  stop "$tarnwickPid"
  stop "$referencePid"
  if [[ -n "$floorPid" ]]; then stop "$floorPid"; fi
  floorPid=""
}

# What the running programs used so far, "ticks ns" for each of t (Tarnwick), r (the
# reference) and f (the floor, 0 0 when it is not running).
sample() {
  local pid
  for pid in "$tarnwickPid" "$referencePid" "$floorPid"; do
    if [[ -n "$pid" ]]; then echo -n "$(cpuTicks "$pid") $(runNs "$pid") "; else echo -n "0 0 "; fi
  done
  echo
}

# Stops the run, saying which, when a program of the phase is no longer running: its figures
# would be nothing to compare.
checkRunning() {
  local phase=$1 name pid
  for name in Tarnwick reference floor; do
    case $name in
      Tarnwick) pid=$tarnwickPid ;;
      reference) pid=$referencePid ;;
      floor) pid=$floorPid ;;
    esac
    if [[ -n "$pid" && ! -r "/proc/$pid/stat" ]]; then
      echo "cpu-benchmark: $name (pid $pid) ended during the $phase phase; nothing to compare" >&2
      exit 1
    fi
  done
}

# Adds what each uses over the next SECONDS to the phase's totals: used[PHASE.tt], [.rt],
# [.ft] (ticks of Tarnwick, of the reference, of the floor), [.tn], [.rn], [.fn] (ns).
declare -A used
measureInto() {
  local seconds=$1 phase=$2 who index
  local before after
  checkRunning "$phase"
  read -r -a before < <(sample)
  sleep "$seconds"
  checkRunning "$phase"
  read -r -a after < <(sample)
  index=0
  for who in t r f; do
    used[$phase.${who}t]=$((${used[$phase.${who}t]:-0} + after[index] - before[index]))
    used[$phase.${who}n]=$((${used[$phase.${who}n]:-0} + after[index + 1] - before[index + 1]))
    index=$((index + 2))
  done
}

# 1. Idle, poll only: default settings, cursor resting on the bare desktop.
if wants idle; then
settings
startPair "$pollMs"
startFloor
sleep 5
drive cursor 790 500 >/dev/null
sleep 2
measureInto "$idleSeconds" idle
rssTarnwick=$(rssKiB "$tarnwickPid")
rssReference=$(rssKiB "$referencePid")
stopPair
fi

# 2. At rest with wrap and parking on, then moving. Parking moves a cursor resting for 5 s to
# the corner and keeps it there: that is what an idle desktop costs with these two on, and
# all a program with nothing to do should cost is the floor's. Then the cursor keeps moving
# (as in use, and never long enough still to park); the working set is read after both.
if wants rest; then
settings 'startup\mousewrap=1' 'startup\idel=1'
startPair "$pollMs,100,100"
startFloor
sleep 5
drive cursor 400 500 >/dev/null
sleep 8
parkedAt="$(drive where | tr -d '\r')"
measureInto "$idleSeconds" wrap
start "$driver" wander "$((moveSeconds + 2))"
wanderer=$lastPid
sleep 1
measureInto "$moveSeconds" moving
wait "$wanderer" 2>/dev/null || true
rssUsedTarnwick=$(rssKiB "$tarnwickPid")
rssUsedReference=$(rssKiB "$referencePid")
rssUsedFloor=$(rssKiB "$floorPid")
stopPair
fi

# 3. Hover waits: delay 5000, the cursor comes to rest on one titled window, then on the
# other. The figures are taken from shortly after each wait starts (the poll sees the cursor
# within 250 ms) until well before it ends, so neither the change found nor the activation
# is counted: only what the wait itself costs, against a 250 and a 5000 ms timer.
if wants hover; then
settings "Delay\\Interval=$hoverDelayMs"
startPair "$pollMs,$hoverDelayMs"
start "$driver" window 430 440 160 110 3600 "Hover A"
windowA=$lastPid
start "$driver" window 610 440 160 110 3600 "Hover B"
windowB=$lastPid
sleep 5
drive cursor 790 420 >/dev/null
sleep 2
hoverConfirmed=0
for ((round = 0; round < hoverWaits; round++)); do
  if ((round % 2 == 0)); then title="Hover A" x=510; else title="Hover B" x=690; fi
  drive cursor "$x" 500 >/dev/null
  sleep 0.5
  measureInto "$hoverInsideSeconds" hover
  sleep 1.5
  [[ "$(drive foreground | tr -d '\r')" == "$title" ]] && hoverConfirmed=$((hoverConfirmed + 1))
done
stop "$windowA"
stop "$windowB"
stopPair
fi

# 4. Activation latency at the default delay and at 1000 ms, the reference running beside.
latency() {
  local delay=$1
  settings "Delay\\Interval=$delay"
  startPair "$pollMs"
  sleep 5
  drive latency "$latencySamples" | tr -d '\r' | tee -a "${LATENCY_LOG:-/dev/null}" \
    >"$workDir/latency.$delay.log" || true
  awk '/^sample/ {print $3}' "$workDir/latency.$delay.log" | sort -n >"$workDir/latency.$delay"
  stopPair
}
if wants latency; then
  latency 250
  latency 1000
fi

# 5. Typing with the mouse at rest: letters typed into a window of the driver's own, which
# costs Tarnwick only what its keyboard hook costs, against the floor with the same hook.
if wants typing; then
  settings
  startPair hook
  sleep 5
  drive cursor 790 500 >/dev/null
  sleep 8
  start "$driver" type "$typedLetters"
  typist=$lastPid
  typingSeconds=$((typedLetters * 60 / 1000 + 2))
  measureInto "$typingSeconds" typing
  wait "$typist" 2>/dev/null || true
  stopPair
fi

# --- The table ---

# min median max of the numbers in a file (the median of an even count is the mean of the
# middle two); "- - -" for none.
spread() {
  sort -n "$1" | awk '{v[NR] = $1} END {
    if (NR == 0) { print "- - -"; exit }
    m = NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
    printf "%.0f %.0f %.0f\n", v[1], m, v[NR] }'
}

# Tarnwick's figure over the reference's, or "-" when the reference's is 0.
ratio() {
  awk -v a="$1" -v b="$2" 'BEGIN { if (b > 0) printf "%.2fx", a / b; else print "-" }'
}

# A phase's CPU figures: nanoseconds from schedstat where the kernel keeps them, else ticks.
cpuOf() {
  local phase=$1 who=$2
  if ((${used[$phase.tn]} > 0 && ${used[$phase.rn]} > 0)); then
    echo "${used[$phase.${who}n]}"
  else
    echo $((${used[$phase.${who}t]} * tickMs * 1000000))
  fi
}

# "61.2 ms 0.10% 6t*": CPU time, share of one core, ticks (starred when only a few).
cpuCell() {
  local phase=$1 who=$2 seconds=$3
  awk -v ns="$(cpuOf "$phase" "$who")" -v t="${used[$phase.${who}t]}" -v s="$seconds" \
    -v few="$fewTicks" 'BEGIN { printf "%.1f ms %.2f%% %dt%s", ns / 1e6, 100 * ns / (s * 1e9), t,
      t < few ? "*" : "" }'
}

cpuRatio() { ratio "$(cpuOf "$1" t)" "$(cpuOf "$1" r)"; }

# Met when Tarnwick's CPU is at most TARGET times the reference's.
withinRatio() {
  local phase=$1 target=$2
  if awk -v a="$(cpuOf "$phase" t)" -v b="$(cpuOf "$phase" r)" -v t="$target" \
    'BEGIN { exit !(a <= t * b) }'; then
    echo "met"
  else
    echo "not met"
  fi
}

row() { printf '%-40s %-23s %-23s %-7s %-20s %s\n' "$@"; }

# Latency figures beside how far each lies past the delay; the target holds for every rest.
latencyRow() {
  local delay=$1 min median max count
  read -r min median max < <(spread "$workDir/latency.$delay")
  count=$(wc -l <"$workDir/latency.$delay")
  local label="activation latency, delay $delay ($count)"
  local target="delay + $pollMs ms"
  if [[ "$min" == "-" ]]; then
    row "$label" "no sample" "" "" "$target" "not measured"
    return
  fi
  local met="met"
  ((max - delay > pollMs)) && met="not met (by $((max - delay - pollMs)) ms)"
  row "$label" "$min / $median / $max ms" "over: $((min - delay)) / $((median - delay)) / $((max - delay))" \
    "" "$target" "$met"
}

# Tarnwick's CPU above the floor's over a phase, in ms.
aboveFloor() { echo $((($(cpuOf "$1" t) - $(cpuOf "$1" f)) / 1000000)); }

echo
echo "Tarnwick benchmark $(date -u +%FT%TZ), $(wine --version), $(nproc) cores," \
  "1-min load $loadAtStart at start, $(cut -d' ' -f1 /proc/loadavg) at the end"
echo "Measured: $tarnwick"
echo
row "measurement" "Tarnwick.exe" "reference" "ratio" "target" "verdict"
if wants idle; then
  lookExcess=$(aboveFloor idle)
  lookMet="met"
  ((lookExcess > lookExcessMs)) && lookMet="not met"
  row "idle CPU, poll only (${idleSeconds} s)" "$(cpuCell idle t "$idleSeconds")" \
    "$(cpuCell idle r "$idleSeconds")" "$(cpuRatio idle)" "<= 1.3x" "$(withinRatio idle 1.3)"
  row "  the same rest against the floor" "$(cpuCell idle t "$idleSeconds")" \
    "$(cpuCell idle f "$idleSeconds") (floor)" "+$lookExcess ms" "<= +$lookExcessMs ms" "$lookMet"
fi
if wants rest; then
  floorExcess=$(aboveFloor wrap)
  floorMet="met"
  ((floorExcess > floorExcessMs)) && floorMet="not met"
  row "rest CPU, wrap + parking (${idleSeconds} s)" "$(cpuCell wrap t "$idleSeconds")" \
    "$(cpuCell wrap r "$idleSeconds")" "$(cpuRatio wrap)" "<= 1.5x" "$(withinRatio wrap 1.5)"
  row "  the same rest against the floor" "$(cpuCell wrap t "$idleSeconds")" \
    "$(cpuCell wrap f "$idleSeconds") (floor)" "+$floorExcess ms" "<= +$floorExcessMs ms" "$floorMet"
  row "CPU while moving, wrap + parking (${moveSeconds} s)" "$(cpuCell moving t "$moveSeconds")" \
    "$(cpuCell moving r "$moveSeconds")" "$(cpuRatio moving)" "as before" "-"
fi
if wants hover; then
  hoverSeconds=$((hoverWaits * hoverInsideSeconds))
  # No CPU of its own during a wait: at most one tick above the reference over all the waits.
  hoverExcessMs=$((($(cpuOf hover t) - $(cpuOf hover r)) / 1000000))
  hoverMet="met"
  ((hoverExcessMs > tickMs)) && hoverMet="not met"
  hoverMet="$hoverMet (excess $hoverExcessMs ms)"
  row "CPU in hover waits (${hoverWaits} x ${hoverInsideSeconds} s)" "$(cpuCell hover t "$hoverSeconds")" \
    "$(cpuCell hover r "$hoverSeconds")" "$(cpuRatio hover)" "none above the ref." "$hoverMet"
fi
if wants typing; then
  row "CPU typing $typedLetters letters, mouse at rest" "$(cpuCell typing t "$typingSeconds")" \
    "$(cpuCell typing r "$typingSeconds") (hook)" "$(cpuRatio typing)" "<= 1.3x" \
    "$(withinRatio typing 1.3)"
fi
if wants idle; then
  row "working set (VmRSS) after start" "$rssTarnwick KiB" "$rssReference KiB" \
    "$(ratio "$rssTarnwick" "$rssReference")" "-" ""
fi
if wants rest; then
  row "  after the rest and the moving" "$rssUsedTarnwick KiB" "$rssUsedReference KiB" \
    "$(ratio "$rssUsedTarnwick" "$rssUsedReference")" "-" ""
  row "  the floor, after the same" "" "$rssUsedFloor KiB (floor)" \
    "$(ratio "$rssUsedTarnwick" "$rssUsedFloor")" "-" ""
fi
printf '%s\n' "${startupTarnwick[@]}" | grep . >"$workDir/startup.tarnwick" || true
printf '%s\n' "${startupReference[@]}" | grep . >"$workDir/startup.reference" || true
read -r _ startMedianTarnwick _ < <(spread "$workDir/startup.tarnwick")
read -r _ startMedianReference _ < <(spread "$workDir/startup.reference")
row "start to window shown (median)" \
  "$startMedianTarnwick ms (${#startupTarnwick[@]} starts)" \
  "$startMedianReference ms (${#startupReference[@]} starts)" \
  "$(ratio "$startMedianTarnwick" "$startMedianReference")" "-" ""
if wants latency; then
  latencyRow 250
  latencyRow 1000
fi
echo
echo "CPU: time on a CPU from /proc/PID/task/*/schedstat (ns), with utime + stime from"
echo "  /proc/PID/stat in clock ticks of $tickMs ms (CLK_TCK $clockTicks) beside it as \"t\". A * marks"
echo "  fewer than $fewTicks ticks: too little work to compare, whatever the ratio says."
wants rest && echo "Rest with wrap + parking is measured with the cursor parked (it rested at ${parkedAt:-?}), beside"
wants rest && echo "  the reference with the same timers and the floor, which has none; the floor allows"
wants rest && echo "  $floorExcessMs ms above it over the whole rest. Moving: the cursor goes round a loop on the bare"
wants rest && echo "  desktop a step every 16 ms; compare with an older build (TARNWICK_EXE) for \"as before\"."
wants hover && echo "Hover waits: delay $hoverDelayMs, measured inside each wait, $hoverConfirmed of $hoverWaits confirmed"
wants hover && echo "  by the foreground afterwards; \"none above the ref.\" allows one tick in all."
if wants latency; then
  echo "Latency: min / median / max ms from the cursor's arrival on a window to that window in front"
  echo "  (rests in brackets), and how far past the delay each lies; rounds the driver saw disturbed"
  echo "  and ran again: $(awk '/^disturbed/ {printf "%s%s", sep, $NF; sep = " and "}' "$workDir"/latency.*.log)."
fi
if wants typing; then
  echo "Typing: $typedLetters letters, one every 60 ms, into a window of the driver's own with the cursor"
  echo "  at rest on the bare desktop, against the floor with a low-level keyboard hook that only"
  echo "  passes each key on."
fi
if wants idle; then
  echo "Idle against the floor: where the system never reports cursor moves (Wine), a rest may"
  echo "  cost a look every 500 ms: $lookExcessMs ms above the floor over the whole rest."
fi
exit 0
