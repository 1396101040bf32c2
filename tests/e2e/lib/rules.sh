# The rules of Yacht as the plays check the game against them: category names, what five dice
# are worth in each category, and the players' score sheets with their totals. Written apart from
# the game's own code, so that a fault in the game's scoring shows up as a disagreement.

R_NAMES=("" "Ones" "Twos" "Threes" "Fours" "Fives" "Sixes" "3 of a kind" "4 of a kind"
    "Full house" "Small straight" "Large straight" "Chance" "Yacht")
R_ORDINAL=("" "first" "second" "third" "fourth" "last")       # holding and releasing
R_POSITION=("" "First" "Second" "Third" "Fourth" "Fifth")     # the dice cursor

declare -A R_SCORE    # "player,category" -> the score written on the sheet; absent while free
declare -A R_BONUS    # player -> the extra Yacht bonuses
declare -A R_SHOWN    # player -> the total the sheet showed when the player's card was last drawn

# What the five dice are worth in a category: r_worth CATEGORY D1 D2 D3 D4 D5.
r_worth() {
    local cat="$1" d sum=0 three=0 pair=0 most=0 i
    shift
    local -a n=(0 0 0 0 0 0 0)
    for d in "$@"; do
        n[d]=$((n[d] + 1))
        sum=$((sum + d))
    done
    for i in 1 2 3 4 5 6; do
        [ "${n[i]}" -eq 3 ] && three=1
        [ "${n[i]}" -eq 2 ] && pair=1
        [ "${n[i]}" -gt "$most" ] && most="${n[i]}"
    done
    case "$cat" in
        [1-6]) echo $((cat * n[cat])) ;;
        7) [ "$most" -ge 3 ] && echo "$sum" || echo 0 ;;
        8) [ "$most" -ge 4 ] && echo "$sum" || echo 0 ;;
        9) [ "$three$pair" = 11 ] && echo 25 || echo 0 ;;
        10) if _r_run "${n[@]}" 1 4 || _r_run "${n[@]}" 2 4 || _r_run "${n[@]}" 3 4; then
                echo 30
            else echo 0; fi ;;
        11) if _r_run "${n[@]}" 1 5 || _r_run "${n[@]}" 2 5; then echo 40; else echo 0; fi ;;
        12) echo "$sum" ;;
        13) [ "$most" -eq 5 ] && echo 50 || echo 0 ;;
        *) echo "no category $cat" >&2; return 1 ;;
    esac
}

# Whether the face counts (7 numbers, index 0 unused) show LENGTH faces in a row from FROM.
_r_run() {
    local -a n=("${@:1:7}")
    local from="$8" length="$9" f
    for ((f = from; f < from + length; f++)); do
        [ "${n[f]}" -gt 0 ] || return 1
    done
}

r_taken() { [ -n "${R_SCORE[$1,$2]+set}" ]; }

# The first category the player has not yet filled; 0 when the sheet is full.
r_first_free() {
    local c
    for c in {1..13}; do
        r_taken "$1" "$c" || { echo "$c"; return; }
    done
    echo 0
}

r_upper() {
    local c sum=0
    for c in 1 2 3 4 5 6; do sum=$((sum + ${R_SCORE[$1,$c]:-0})); done
    echo "$sum"
}

# The player's total: every category, 35 more for 63 or more in the upper six, and the bonuses.
r_total() {
    local c sum=0
    for c in {1..13}; do sum=$((sum + ${R_SCORE[$1,$c]:-0})); done
    [ "$(r_upper "$1")" -ge 63 ] && sum=$((sum + 35))
    echo $((sum + ${R_BONUS[$1]:-0}))
}

# Whether five dice show one face.
r_is_yacht() { [ "$1" = "$2" ] && [ "$1" = "$3" ] && [ "$1" = "$4" ] && [ "$1" = "$5" ]; }

# Self-check of the worth table on hands whose values are known by heart, so that a fault here is
# not mistaken for one in the game.
r_self_check() {
    local -a cases=(
        "1 1 1 1 1|5 0 0 0 0 0 5 5 0 0 0 5 50"
        "2 2 3 3 3|0 4 9 0 0 0 13 0 25 0 0 13 0"
        "6 6 6 6 1|1 0 0 0 0 24 25 25 0 0 0 25 0"
        "1 2 3 4 6|1 2 3 4 0 6 0 0 0 30 0 16 0"
        "5 4 3 2 1|1 2 3 4 5 0 0 0 0 30 40 15 0"
        "2 3 4 5 6|0 2 3 4 5 6 0 0 0 30 40 20 0"
        "1 3 4 5 6|1 0 3 4 5 6 0 0 0 30 0 19 0"
        "1 2 2 4 5|1 4 0 4 5 0 0 0 0 0 0 14 0"
    )
    local entry dice want got c
    for entry in "${cases[@]}"; do
        dice="${entry%%|*}"
        want="${entry#*|}"
        got=""
        for c in {1..13}; do
            # shellcheck disable=SC2086
            got+="$(r_worth "$c" $dice) "
        done
        [ "${got% }" = "$want" ] || { echo "the play's own worth table is wrong for $dice: $got"; return 1; }
    done
}
