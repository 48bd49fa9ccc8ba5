#!/usr/bin/env bash
# yorunami-cli on good and bad input: output formats, exit codes and whole games.
# Usage: cli_test.sh path/to/yorunami-cli
set -u
cli=$1
failures=0
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

# run NAME STDIN ARGS...: runs the driver, leaving its output in $out, $err and $code.
run() {
    local input=$1
    shift
    printf '%s' "$input" | "$cli" "$@" >"$work/out" 2>"$work/err"
    code=$?
    out=$(cat "$work/out")
    err=$(cat "$work/err")
}

expect_code() { [ "$code" -eq "$1" ] || fail "$2: exit code $code, expected $1 (stderr: $err)"; }
expect_out() { [ "$out" = "$1" ] || fail "$2: stdout '$out', expected '$1'"; }

# A usage or input error: exit code 2, nothing on stdout, one line on stderr matching a pattern.
expect_rejected() {
    local what=$1 pattern=$2
    expect_code 2 "$what"
    [ -z "$out" ] || fail "$what: stdout should be empty, got '$out'"
    [ "$(printf '%s\n' "$err" | wc -l)" -eq 1 ] || fail "$what: stderr should be one line: '$err'"
    [[ $err =~ $pattern ]] || fail "$what: stderr '$err' does not match '$pattern'"
}

start='b.b.b.b.
.b.b.b.b
b.b.b.b.
........
........
.r.r.r.r
r.r.r.r.
.r.r.r.r
'

# --- help ---
for command in "" play search perft bench; do
    run "" $command --help
    expect_code 0 "$command --help"
    [[ $out == usage:* ]] || fail "$command --help prints no usage"
done
run "" help
expect_code 0 "help"

# --- bad usage ---
run ""
expect_code 2 "no command"
run "" fly
expect_rejected "unknown command" "unknown command 'fly'"
run "" play --colour red
expect_rejected "unknown option" "unknown option '--colour'"
run "" play --strength 12
expect_rejected "strength above 11" "--strength.*out of range"
run "" play --pieces 6
expect_rejected "pieces not 4, 8 or 12" "4, 8 or 12"
run "" play --seed abc
expect_rejected "seed not a number" "not a whole number"
run "" play --max-turns
expect_rejected "missing value" "needs a value"
run "$start" search --side red
expect_rejected "search without depth" "--depth"
run "$start" search --depth 2 --side green
expect_rejected "search for no side" "red' or 'blue"
run "" perft
expect_rejected "perft without depth" "depth"
run "" perft 3 4
expect_rejected "perft with two depths" "unexpected argument '4'"
run "" perft x3
expect_rejected "perft with a bad depth" "not a whole number"

# --- board diagrams ---
# The start position with line N replaced.
board_with() { printf '%s' "$start" | awk -v n="$1" -v text="$2" 'NR == n { print text; next } { print }'; }

run "$(board_with 7 'rr.r.r.r')" search --depth 1 --side red
expect_rejected "piece on a light square" "board line 7: a piece in column 2 stands on a light square"
run "$(board_with 1 'b.b.b.b..')" search --depth 1 --side red
expect_rejected "row too long" "board line 1: expected 8 characters, found 9"
run "$(board_with 4 '....x...')" search --depth 1 --side red
expect_rejected "unknown character" "board line 4: unknown character 'x'"
run "$(printf '%s' "$start" | head -n 7)" search --depth 1 --side red
expect_rejected "seven rows" "board line 8: the board ends after 7 of 8 rows"
run "$start........
" search --depth 1 --side red
expect_rejected "nine rows" "board line 9: more than 8 rows"
run "$(board_with 4 '.b......' | tr 'b' 'B')" search --depth 1 --side red
expect_rejected "thirteen blue pieces" "board line 4: more than 12 pieces"

# Comments and blank lines are skipped: the red man on (5,5) has only the jump over (4,4).
run "# a red man about to jump
........

........
..b.....
# the red man
...r....
........
........

........
........
" search --depth 1 --side red
expect_code 0 "comments and blank lines"
[[ $out =~ ^move\ 5\ 5\ 3\ 3\ value\ -[23]$ ]] || fail "search output '$out'"

# --- search ---
forced='........
........
..b.....
...r....
........
........
........
........
'
run "$forced" search --depth 3 --side red --seed 4
expect_code 0 "forced capture"
expect_out "move 5 5 3 3 value -9999" "red takes blue's last piece"
run "$forced" search --depth 0 --side red
expect_code 0 "depth 0"
[[ $out =~ ^move\ none\ value\ (0|-1)$ ]] || fail "depth 0 should write no move: '$out'"
run "${forced/..b...../........}" search --depth 2 --side blue
expect_out "move none value -9999" "blue without pieces has lost"
run "$start" search --depth 6 --side blue --seed 9
first=$out
run "$start" search --depth 6 --side blue --seed 9
expect_out "$first" "search is reproducible"

# --- perft: English draughts counts, and the game's own chain rule ---
english=(7 49 302 1469 7361 36768 179740 845931)
for depth in 1 2 3 4 5 6 7 8; do
    run "" perft "$depth" --same-piece-chains
    expect_out "perft $depth ${english[$((depth - 1))]}" "perft $depth, same-piece chains"
done
run "" perft 6
expect_out "perft 6 36771" "perft 6 with any piece going on"
run "$start" perft 4 --board --side blue
expect_out "perft 4 1469" "perft from a board, blue first"

# --- play ---
run "" play --seed 7
expect_code 0 "play"
last=$(printf '%s\n' "$out" | tail -n 1)
[[ $last =~ ^result\ (red|blue)$ ]] || fail "play ends with '$last'"
bad=$(printf '%s\n' "$out" | head -n -1 | grep -Ecv '^(red|blue) [2-9] [2-9] [2-9] [2-9]$')
[ "$bad" -eq 0 ] || fail "play printed $bad malformed move lines"
first=$out
run "" play --seed 7
expect_out "$first" "play is reproducible"
run "" play --seed 8
[ "$out" != "$first" ] || fail "another seed gives the same game"
run "" play --seed 7 --max-turns 3
expect_out "$(printf '%s\n' "$first" | head -n 3)
result unfinished" "play stops after --max-turns moves"

# Every setting combination plays to a result without a beep.
for pieces in 4 8 12; do
    for first in "" --blue-first; do
        for red_kings in "" --red-kings; do
            for blue_kings in "" --blue-kings; do
                for seed in 1 2; do
                    flags=$(echo --pieces "$pieces" $first $red_kings $blue_kings --seed "$seed")
                    # shellcheck disable=SC2086
                    run "" play $flags
                    expect_code 0 "play $flags"
                    [[ $(printf '%s\n' "$out" | tail -n 1) =~ ^result\ (red|blue)$ ]] ||
                        fail "play $flags: no winner"
                done
            done
        done
    done
done

# --- bench ---
run "" bench --depth 3
expect_code 0 "bench"
[ "$(printf '%s\n' "$out" | grep -c '^position ')" -ge 20 ] || fail "bench has fewer than 20 positions"
[[ $out =~ signature\ [0-9a-f]{16} ]] || fail "bench prints no signature"
[[ $out =~ leaves\ per\ second ]] || fail "bench prints no speed"

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed"
    exit 1
fi
echo "all checks passed"
