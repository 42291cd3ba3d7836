#!/usr/bin/env bash
# Crash trials: kills the headless game with SIGKILL in the middle of a save and checks
# what it leaves behind. Each new game serves six trials (two of each kind of save):
#   1. plays a new game (world seed N) for a random number of steps and quits with Esc
#      twice, in a fresh folder; for a sector change or an ending, hoofcrashprep then
#      puts the hero beside the way onward, or leaves him dying of poison;
#   2. a twin run loads that game and makes the save (Esc twice, the step onto the way
#      onward, or the turn he dies in), stopping at every save's beginning and end
#      (HOOF_FILE_STEPS=stop:groups) to copy the folder there;
#   3. each trial run does the same in a fresh copy, is stopped before a random step K
#      inside one of those saves (HOOF_FILE_STEPS=stop:K) and killed with SIGKILL;
#   4. checks: every game file left is that save's old file or its new one, whole;
#      after a start-up the folder is exactly the copy from before that save or from
#      after it (so the save game and every sector file are of one moment, nothing
#      left over); and Load Game resumes exactly as it does from that copy (same dump).
# usage: scripts/crash-trials.sh [--trials N] [--build DIR] [--first-seed S] [--keep DIR]
# Prints one line per trial and "crash trials: N passed, B failed"; status 1 when any
# trial broke.
set -u
top="$(cd "$(dirname "$0")/.." && pwd)"
trials=20
build="$top/build"
first=""
keep=""
while [ $# -gt 0 ]; do
    case "$1" in
        --trials) trials="$2"; shift 2 ;;
        --build) build="$2"; shift 2 ;;
        --first-seed) first="$2"; shift 2 ;;
        --keep) keep="$2"; shift 2 ;;
        *) echo "usage: $0 [--trials N] [--build DIR] [--first-seed S] [--keep DIR]" >&2; exit 2 ;;
    esac
done
game="$build/hoofbound"
prep="$build/hoofcrashprep"
for b in "$game" "$prep"; do
    [ -x "$b" ] || { echo "crash-trials: $b is missing (build it first)" >&2; exit 2; }
done
[ -n "$first" ] || first=$(( (RANDOM << 15 | RANDOM) % 100000 ))
# On a memory disk when there is one: the trials wait on no flush, and a kill is the
# same there.
scratch=/tmp
[ -d /dev/shm ] && [ -w /dev/shm ] && scratch=/dev/shm
work="${keep:-$(mktemp -d "$scratch/crash-trials.XXXXXX")}"
mkdir -p "$work"
[ -n "$keep" ] || trap 'rm -rf "$work"' EXIT
RANDOM=$first

# A short pause without starting a process (a read that times out on a pipe nobody
# writes): the trials poll often, and a forked `sleep` each time costs more than it waits.
exec {nap_fd}<> <(:)
nap() { read -r -t 0.003 -u "$nap_fd" _ || :; }

# The game files of a folder, without the leftovers of an unfinished save.
game_files() {
    (cd "$1" && find . -maxdepth 2 -type f ! -name '*.tmp[0-9]*' ! -name SaveInProgress.txt | sort)
}

# Waits until process $1 stops (prints "stopped") or ends (prints "ended").
wait_stop() {
    local state
    while :; do
        if ! read -r _ _ state _ 2>/dev/null < "/proc/$1/stat"; then echo ended; return; fi
        case "$state" in
            T|t) echo stopped; return ;;
            Z|X) echo ended; return ;;
        esac
        nap
    done
}

# Loads the game in folder $1 (the title's cursor starts on Load Game when there is one), writes the state dump to $2 and is killed at once (its
# closing save would change the folder being checked).
load_and_dump() {
    local root="$1" dump="$2" script="$work/load.script"
    printf 'wait 12\ntap Space\nwait 30\ndump %s\nwait 0\ndump %s.done\nwait 1000000\n' \
        "$dump" "$dump" > "$script"
    rm -f "$dump" "$dump.done"
    "$game" --headless --script "$script" --root "$root" --seed 1 2> "$dump.err" &
    local pid=$! n=0
    while [ ! -e "$dump.done" ] && [ $n -lt 30000 ] && kill -0 "$pid" 2>/dev/null; do
        nap
        n=$((n + 1))
    done
    kill -KILL "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
    [ -e "$dump.done" ]
}

new_game_script() {  # $1 number of random steps
    printf 'wait 12\ntap Space\nwait 12\ntap Down\nwait 10\ntap Space\nwait 12\ntap Space\nwait 12\ntap Space\nwait 12\ntap Space\nwait 30\n'
    local keys=(Left Right Up Down Space) i
    for ((i = 0; i < $1; i++)); do printf 'tap %s\nwait 11\n' "${keys[RANDOM % 5]}"; done
    printf 'tap Esc\nwait 11\ntap Esc\nwait 5\n'
}

# One trial: the save game of trial $t in $dir, killed before step $k of save $g (of
# $groups) of the twin; prints its line and counts it.
run_trial() {
    local old="$dir/state$((2 * g))" new="$dir/state$((2 * g + 1))" killed="$dir/killed$t" pid how what why="" moment=""
    cp -a "$dir/start" "$killed"
    HOOF_FILE_STEPS=stop:$k "$game" --headless --script "$dir/trial.script" --root "$killed" --seed "$seed" \
        > /dev/null 2> "$killed.err" &
    pid=$!
    how=$(wait_stop $pid)
    kill -KILL "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
    what=$(grep 'file step' "$killed.err" | tail -1 | cut -d' ' -f5- | sed "s|$dir/killed$t/||")
    [ "$how" = stopped ] || why="the run never reached step $k"

    # Each game file is whole: the old one or the new one (or absent in one of them).
    if [ -z "$why" ]; then
        for f in $( (game_files "$killed"; game_files "$old"; game_files "$new") | sort -u); do
            if [ -e "$killed/$f" ]; then
                cmp -s "$killed/$f" "$old/$f" || cmp -s "$killed/$f" "$new/$f" || { why="$f is neither old nor new"; break; }
            elif [ -e "$old/$f" ] && [ -e "$new/$f" ]; then
                why="$f is gone"; break
            fi
        done
    fi
    # After start-up (Load Game here) the folder is one moment, with nothing left over.
    if [ -z "$why" ]; then
        if ! load_and_dump "$killed" "$killed.dump"; then
            why="Load Game did not get to its dump"
        elif diff -r "$killed" "$old" > /dev/null; then
            moment=$((2 * g))
        elif diff -r "$killed" "$new" > /dev/null; then
            moment=$((2 * g + 1))
        else
            why="after start-up the folder is neither the old moment nor the new: $(diff -rq "$killed" "$old" | head -3 | tr '\n' ';')"
        fi
    fi
    # Load Game resumes as it does from that moment's own copy (loaded once per moment).
    if [ -z "$why" ]; then
        if [ ! -e "$dir/ref$moment.dump" ]; then
            cp -a "$dir/state$moment" "$dir/ref$moment"
            load_and_dump "$dir/ref$moment" "$dir/ref$moment.dump" || why="Load Game from the copy did not get to its dump"
        fi
        if [ -z "$why" ] && ! cmp -s "$killed.dump" "$dir/ref$moment.dump"; then
            why="the loaded game differs from the one saved: $(diff "$killed.dump" "$dir/ref$moment.dump" | head -4 | tr '\n' ';')"
        fi
    fi
    if [ -z "$why" ]; then
        echo "trial $t seed $seed $kind: killed before step $k ($what), save $((g + 1)) of $groups, the $([ $moment = $((2 * g)) ] && echo old || echo new) moment: ok"
        passed=$((passed + 1))
        rm -rf "$killed" "$killed".*
    else
        echo "trial $t seed $seed $kind: killed before step $k ($what): BROKEN, $why (kept in $dir)"
        failed=$((failed + 1))
        trap - EXIT
    fi
    t=$((t + 1))
}

passed=0
failed=0
t=0
seed=$first
# Each new game serves a trial of each kind, and each twin two kills.
while [ $t -lt "$trials" ]; do
    seed=$((seed + 1))
    base="$work/s$seed"
    mkdir -p "$base"
    failed_before=$failed
    # 1. A game to a random moment.
    new_game_script $((RANDOM % 40)) > "$base/new.script"
    "$game" --headless --script "$base/new.script" --root "$base/start" --seed "$seed" > /dev/null 2> "$base/new.err"
    [ -e "$base/start/World/savedata.dat" ] || continue  # he fell on the way: another seed
    for kind in quit sector ending; do
        [ $t -lt "$trials" ] || break
        dir="$base/$kind"
        mkdir -p "$dir"
        cp -a "$base/start" "$dir/start"
        key=""
        if [ "$kind" = sector ]; then key=$("$prep" "$dir/start" exit 2> "$dir/prep.err") || continue; fi
        if [ "$kind" = ending ]; then key=$("$prep" "$dir/start" poison 2> "$dir/prep.err") || continue; fi
        {
            printf 'wait 12\ntap Space\nwait 30\n'  # the title's cursor starts on Load Game
            case "$kind" in
                quit) keys=(Left Right Up Down)
                      for ((i = RANDOM % 10; i > 0; i--)); do printf 'tap %s\nwait 11\n' "${keys[RANDOM % 4]}"; done
                      printf 'tap Esc\nwait 11\ntap Esc\nwait 5\n' ;;
                sector) printf 'tap %s\nwait 40\ntap Esc\nwait 11\ntap Esc\nwait 5\n' "$key" ;;
                ending) printf 'tap %s\nwait 120\n' "$key" ;;
            esac
        } > "$dir/trial.script"

        # 2. The twin: the folder at every save's beginning and end.
        cp -a "$dir/start" "$dir/twin"
        HOOF_FILE_STEPS=stop:groups "$game" --headless --script "$dir/trial.script" --root "$dir/twin" --seed "$seed" \
            > /dev/null 2> "$dir/twin.err" &
        pid=$!
        n=0
        : > "$dir/bounds"
        while [ "$(wait_stop $pid)" = stopped ]; do
            step=$(grep 'file step' "$dir/twin.err" | tail -1 | awk '{print $4}')
            cp -a "$dir/twin" "$dir/state$n"
            echo "$n $step" >> "$dir/bounds"
            n=$((n + 1))
            kill -CONT "$pid"
        done
        wait "$pid"
        groups=$((n / 2))
        if [ "$groups" -eq 0 ]; then
            echo "trial $t seed $seed $kind: BROKEN, the twin made no save (kept in $dir)"
            failed=$((failed + 1)); t=$((t + 1)); trap - EXIT; continue
        fi
        # 3. Two trials: each killed before a random step inside a random save of the twin's.
        for rep in 1 2; do
            [ $t -lt "$trials" ] || break
            g=$((RANDOM % groups))
            from=$(awk -v n=$((2 * g)) '$1 == n {print $2}' "$dir/bounds")
            to=$(awk -v n=$((2 * g + 1)) '$1 == n {print $2}' "$dir/bounds")
            k=$((from + (RANDOM << 15 | RANDOM) % (to - from + 1)))
            run_trial
        done
    done
    [ "$failed" -gt "$failed_before" ] || rm -rf "$base"
done
echo "crash trials: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
