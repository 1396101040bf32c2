# The keys that ask the game for something rather than play it: a new game, F2, F3 and F4, the
# voice and speed keys and the help pages, each with what the game must answer. Needs play.sh.

# F9 with no game running, then two players chosen with the arrows and confirmed with enter.
p_new_game_of_two() {
    press F9
    expect say-async "Choose the number of players using the arrow keys, then press the enter key to begin"
    press Down
    expect say-async "1 player"
    press Down
    expect say-async "2 players"
    press Return
    P_NUMPLAYERS=2
    P_ROUND=1
    P_PLAYER=1
    P_STATE=waitspace
    R_SCORE=()
    R_BONUS=()
    R_SHOWN=()
    expect say-async " Press the space bar to begin"
}

# F2: the dice again, or the end-of-game sentence when no game runs.
p_f2() {
    press F2
    if p_state_is idle; then expect say-async "$P_GAME_OVER"; return; fi
    expect say-async "$(p_dice_text)"
}

# F3: how many categories are left, then each free category by name.
p_f3() {
    press F3
    if p_state_is idle; then expect say-async "$P_GAME_OVER"; return; fi
    local c free=0
    for c in {1..13}; do r_taken "$P_PLAYER" "$c" || free=$((free + 1)); done
    expect say-async "$free categories left to fill"
    for c in {1..13}; do
        r_taken "$P_PLAYER" "$c" || expect say-async "${R_NAMES[c]}"
    done
}

# F4: every player's total as the sheet last showed it, worded for a round or for the end.
p_f4() {
    press F4
    local p
    if p_state_is idle; then
        expect say-async "At the end of the game the scores are, "
    else
        expect say-async "At the end of the round the scores are, "
    fi
    for ((p = 1; p <= P_NUMPLAYERS; p++)); do
        expect say-async "player $p, ${R_SHOWN[$p]:-}"
    done
    if p_state_is idle; then
        expect say-async "$P_F9_F1"
    else
        expect say-async "Press the space bar to continue. "
    fi
}

# Shift+F1 or Ctrl+F1: the next or previous voice names itself; the name is kept in P_VOICE.
# The game may first have to list the installed voices, which takes a few seconds.
p_voice_change() {
    press "$1"
    expect_re say-async '^Voice changed to (.+)$' 60
    P_VOICE="${BASH_REMATCH[1]}"
}

# Alt+F1: the next speed names itself.
p_speed_change() {
    press alt+F1
    expect say-async "Speed changed to $1"
}

# F1 reads a help page whole. The page must be the one in the game's resources, with its first
# and last sentences as the game promises them.
p_help() {
    local page="$1" first last file want
    case "$page" in
        0) first="Yacht is a classic dice game."
           last="press function key F 1 for the first page." ;;
        1) first="Introduction and scoring."
           last="Press F1 for instructions on how to play the game." ;;
        2) first="How to play the game."
           last="Press F1 for an explanation of the function keys." ;;
        3) first="Function keys."
           last="Press F1 for the introduction and scoring." ;;
    esac
    press F1
    h_next_line 20 || h_fail "waited for help page $page"
    [ "$H_KIND" = say-async ] || h_fail "help page $page was read as $H_KIND"
    local got
    got="$(p_squeeze "$H_TEXT")"
    [[ "$got" == "$first"* ]] || h_fail "help page $page begins: ${got:0:80}"
    [[ "$got" == *"$last" ]] || h_fail "help page $page ends: ...${got: -80}"
    file="$P_HELP_DIR/HELP$page.txt"
    if [ -f "$file" ]; then
        want="$(tr '\r\n\0' '   ' < "$file")"
        want="$(p_squeeze "$want")"
        [ "$got" = "$want" ] || h_fail "help page $page differs from $file"
    fi
}

# Blanks and line breaks run together into single blanks, with none at either end.
p_squeeze() {
    local s="$1"
    s="$(printf '%s' "$s" | tr -s ' \t' '  ')"
    s="${s#"${s%%[! ]*}"}"
    s="${s%"${s##*[! ]}"}"
    printf '%s' "$s"
}
