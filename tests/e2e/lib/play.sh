# Playing the game through its keys while checking every announcement it makes against the rules
# and the game so far. The play keeps its own record of the game (dice, holds, throw, whose turn,
# the score sheets) from what it hears and what it pressed, and computes every expected sentence
# from that record. Needs harness.sh and rules.sh; reports.sh and turns.sh build on it.

P_NUMPLAYERS=0
P_ROUND=0
P_PLAYER=0
P_ROLL=0
P_DICE=("?" "?" "?" "?" "?")
P_HELD=(0 0 0 0 0)
P_DICECURSOR=0
P_CURSOR=0
P_STATE=idle          # idle, players, waitspace, rolled, choosing
P_YACHT=0             # the last throw was a Yacht
P_FACES_KNOWN=1       # after a Yacht of dice none of which was held, the faces are learnt with F2
P_VOICE=""            # the description in the last "Voice changed to" sentence
P_SOUNDS=0            # dice sounds heard
P_YACHTS=0            # Yachts thrown
P_STEP_KEYS=0         # 1: wait for each Down's announcement, for a voice that is always done

P_F9_F1="Press function key F 9 to start a new game or function key F 1 for help. "
P_GREETING="Yacht, from Tevrin Software. $P_F9_F1$P_F9_F1"
P_GAME_OVER="Game over. $P_F9_F1"
P_CHOOSE="Use the arrow keys to choose the category then press the enter key to score"
P_WELCOME_BACK="Yacht, from Tevrin Software. Resuming an unfinished game.  Press the space bar to continue or press function key F 9 if you prefer to start a new game. "

p_state_is() { [ "$P_STATE" = "$1" ]; }

# What the game says for the dice: all five after the first throw, afterwards only those not held.
p_dice_text() {
    local i text=""
    for i in 0 1 2 3 4; do
        if [ "$P_ROLL" -eq 1 ] || [ "${P_HELD[i]}" -eq 0 ]; then text+=" ${P_DICE[i]}"; fi
    done
    printf '%s' "$text"
}

p_held_count() { echo $(( P_HELD[0] + P_HELD[1] + P_HELD[2] + P_HELD[3] + P_HELD[4] )); }

# The line after a throw: the new faces of the dice that were thrown, or "yacht" for five alike.
p_hear_throw() {
    local i count=0 n re faces
    for i in 0 1 2 3 4; do [ "${P_HELD[i]}" -eq 0 ] && count=$((count + 1)); done
    h_next_line 30 || h_fail "waited for the dice after throw $P_ROLL"
    [ "$H_KIND" = say-sync ] || h_fail "the dice after the sound were not spoken to their end first: $H_KIND '$H_TEXT'"
    P_YACHT=0
    if [ "$H_TEXT" = yacht ]; then
        P_YACHT=1
        P_YACHTS=$((P_YACHTS + 1))
        # Five alike: the held dice, if any, tell the face; otherwise F2 will.
        faces=""
        for i in 0 1 2 3 4; do
            [ "${P_HELD[i]}" -eq 1 ] || continue
            [ -z "$faces" ] || [ "${P_DICE[i]}" = "$faces" ] \
                || h_fail "'yacht' although the held dice differ: ${P_DICE[*]} held ${P_HELD[*]}"
            faces="${P_DICE[i]}"
        done
        if [ -n "$faces" ]; then
            P_DICE=("$faces" "$faces" "$faces" "$faces" "$faces")
            P_FACES_KNOWN=1
        else
            P_FACES_KNOWN=0
        fi
        return 0
    fi
    re="^( [1-6]){$count}\$"
    [[ "$H_TEXT" =~ $re ]] || h_fail "expected the faces of the $count dice thrown, got '$H_TEXT'"
    read -r -a faces <<< "$H_TEXT"
    n=0
    for i in 0 1 2 3 4; do
        if [ "${P_HELD[i]}" -eq 0 ]; then P_DICE[i]="${faces[n]}"; n=$((n + 1)); fi
    done
    ! r_is_yacht "${P_DICE[@]}" || h_fail "five equal dice (${P_DICE[*]}) were read out instead of 'yacht'"
}

# After the dice of a throw: the Yacht bonus, and after the last throw the invitation to choose.
p_after_throw() {
    if [ "$P_YACHT" = 1 ]; then
        P_ROLL=3
        [ "${R_SCORE[$P_PLAYER,13]:-}" = 50 ] && R_BONUS[$P_PLAYER]=$(( ${R_BONUS[$P_PLAYER]:-0} + 100 ))
    fi
    P_DICECURSOR=0
    if [ "$P_ROLL" -lt 3 ]; then
        P_STATE=rolled
        return 0
    fi
    expect say-async "$P_CHOOSE"
    P_STATE=choosing
    P_CURSOR=0
    if [ "$P_YACHT" = 1 ] && ! r_taken "$P_PLAYER" 13; then P_CURSOR=13; fi
    if [ "$P_FACES_KNOWN" = 0 ]; then
        # A Yacht is not read out face by face: F2 tells which face it is.
        press F2
        expect_re say-async '^( [1-6]){5}$'
        read -r -a P_DICE <<< "$H_TEXT"
        r_is_yacht "${P_DICE[@]}" || h_fail "F2 after 'yacht' read out ${P_DICE[*]}"
        P_FACES_KNOWN=1
    fi
}

# The rolling dice: every throw is marked by the sound.
p_hear_sound() {
    expect sound rolldice
    P_SOUNDS=$((P_SOUNDS + 1))
}

# The space bar while waiting: the turn is announced, the dice sound plays, the dice are read.
p_open_turn() {
    p_state_is waitspace || h_fail "the play tried to open a turn in state $P_STATE"
    press space
    local announce=""
    [ "$P_PLAYER" -eq 1 ] && announce="round $P_ROUND"
    [ "$P_NUMPLAYERS" -gt 1 ] && announce+=" player $P_PLAYER"
    expect say-async "$announce first roll"
    R_SHOWN[$P_PLAYER]="$(r_total "$P_PLAYER")"
    P_ROLL=1
    P_HELD=(0 0 0 0 0)
    P_DICE=("?" "?" "?" "?" "?")
    p_hear_sound
    p_hear_throw
    p_after_throw
}

# The space bar between throws. With all five dice held the throwing ends silently.
p_throw_again() {
    p_state_is rolled || h_fail "the play tried to throw again in state $P_STATE"
    press space
    if [ "$(p_held_count)" -eq 5 ]; then
        P_ROLL=3
        P_YACHT=0
        p_after_throw
        return 0
    fi
    P_ROLL=$((P_ROLL + 1))
    if [ "$P_ROLL" -eq 2 ]; then expect say-async "second roll"; else expect say-async "final roll"; fi
    p_hear_sound
    p_hear_throw
    p_after_throw
}

# Holds or releases a die with its digit key (or with enter on the die under the cursor).
p_toggle_die() {
    local key="$1" n="$2"
    press "$key"
    if [ "${P_HELD[n - 1]}" -eq 0 ]; then
        P_HELD[n - 1]=1
        expect say-async "hold the ${R_ORDINAL[n]} dice "
    else
        P_HELD[n - 1]=0
        expect say-async "release the ${R_ORDINAL[n]} dice "
    fi
}

p_hold() { p_toggle_die "$1" "$1"; }

p_enter_on_die() {
    [ "$P_DICECURSOR" -gt 0 ] || h_fail "the play pressed enter with no die under the cursor"
    p_toggle_die Return "$P_DICECURSOR"
}

# Moves the dice cursor with Left or Right; the die under it is named with its face.
p_die_cursor() {
    local key="$1" held=""
    press "$key"
    if [ "$key" = Right ]; then
        P_DICECURSOR=$((P_DICECURSOR + 1)); [ "$P_DICECURSOR" -gt 5 ] && P_DICECURSOR=1
    else
        P_DICECURSOR=$((P_DICECURSOR - 1)); [ "$P_DICECURSOR" -lt 1 ] && P_DICECURSOR=5
    fi
    [ "${P_HELD[P_DICECURSOR - 1]}" -eq 1 ] && held=", held"
    expect say-async "${R_POSITION[P_DICECURSOR]} dice ${P_DICE[P_DICECURSOR - 1]}$held"
}

# What the game says for the category under the cursor.
p_category_sentence() {
    local c="$1" worth
    if r_taken "$P_PLAYER" "$c"; then
        printf '%s is already taken' "${R_NAMES[c]}"
        return
    fi
    worth="$(r_worth "$c" "${P_DICE[@]}")"
    if [ "$worth" -gt 0 ]; then
        printf '%s is worth %s' "${R_NAMES[c]}" "$worth"
    else
        printf '%s is worth nothing' "${R_NAMES[c]}"
    fi
}

# Walks down to the first free category and scores it with enter; on a Yacht with Yacht still
# free the cursor already stands on Yacht. With a speaking voice the Down presses come in one
# burst, as a player who knows the sheet would press them: the game may read out the rows passed
# on the way or only the last, so every row heard is checked as it comes. With a voice that is
# always done, each row is heard before the next Down.
p_choose_first_free() {
    p_state_is choosing || h_fail "the play tried to choose a category in state $P_STATE"
    local target presses i c want
    if [ "$P_CURSOR" -eq 13 ]; then
        target=13
        presses=1
    else
        target="$(r_first_free "$P_PLAYER")"
        presses="$target"
    fi
    want="$(p_category_sentence "$target")"
    if [ "$P_STEP_KEYS" = 1 ] && [ "$P_CURSOR" -eq 0 ]; then
        for ((c = 1; c <= target; c++)); do
            press Down
            expect say-async "$(p_category_sentence "$c")"
        done
        p_score "$target"
        return
    fi
    local -a keys=() heard=()
    for ((i = 0; i < presses; i++)); do keys+=(Down); done
    if [ "$P_CURSOR" -eq 13 ]; then
        heard=("$want")
    else
        for ((c = 1; c <= target; c++)); do heard+=("$(p_category_sentence "$c")"); done
    fi
    press "${keys[@]}"
    p_hear_some_of "${heard[@]}"
    p_score "$target"
}

# The lines that follow must be some of the given sentences, in their order, the last of them
# included: what a burst of keys makes the game say when its voice drops what it had no time for.
p_hear_some_of() {
    local -a want=("$@")
    local i=0 n=$#
    while :; do
        h_next_line 30 || h_fail "waited for '${want[n - 1]}'"
        [ "$H_KIND" = say-async ] || h_fail "expected some of: ${want[*]}; got $H_KIND '$H_TEXT'"
        while [ "$i" -lt "$n" ] && [ "${want[i]}" != "$H_TEXT" ]; do i=$((i + 1)); done
        [ "$i" -lt "$n" ] || h_fail "unexpected '$H_TEXT' on the way to '${want[n - 1]}'"
        [ "$i" -eq $((n - 1)) ] && return 0
        i=$((i + 1))
    done
}

# Enter on the category under the cursor: the score is written and the total told.
p_score() {
    local c="$1" s=""
    press Return
    R_SCORE[$P_PLAYER,$c]="$(r_worth "$c" "${P_DICE[@]}")"
    R_SHOWN[$P_PLAYER]="$(r_total "$P_PLAYER")"
    P_ROLL=0
    P_CURSOR=0
    if [ "$P_ROUND" -lt 13 ]; then
        [ "$P_ROUND" -gt 1 ] && s=s
        expect say-async "After $P_ROUND round$s your total score is ${R_SHOWN[$P_PLAYER]}"
    fi
    p_turn_end
}

# The next player's turn, the next round with its summary, or the end of the game.
p_turn_end() {
    P_DICE=("?" "?" "?" "?" "?")
    P_HELD=(0 0 0 0 0)
    local p text
    if [ "$P_PLAYER" -lt "$P_NUMPLAYERS" ]; then
        P_PLAYER=$((P_PLAYER + 1))
        P_STATE=waitspace
        if [ "$P_ROUND" -eq 1 ]; then
            expect say-async " Press the space bar to begin"
        else
            expect say-async " Press the space bar to continue"
        fi
        return 0
    fi
    P_PLAYER=1
    P_ROUND=$((P_ROUND + 1))
    if [ "$P_ROUND" -le 13 ]; then
        P_STATE=waitspace
        if [ "$P_NUMPLAYERS" -gt 1 ]; then
            text="At the end of the round, the scores are "
            for ((p = 1; p <= P_NUMPLAYERS; p++)); do text+="player $p ${R_SHOWN[$p]:-}, "; done
            expect say-async "$text Press the space bar to continue"
        else
            expect say-async " Press the space bar to continue"
        fi
        return 0
    fi
    P_STATE=idle
    P_ROUND=0
    expect say-async "$(p_game_over_sentence)"
}

p_game_over_sentence() {
    local p best=0 count=0 text
    if [ "$P_NUMPLAYERS" -eq 1 ]; then
        printf 'game over, you scored %s %s' "${R_SHOWN[1]}" "$P_F9_F1"
        return
    fi
    for ((p = 1; p <= P_NUMPLAYERS; p++)); do
        [ "${R_SHOWN[$p]:-0}" -gt "$best" ] && best="${R_SHOWN[$p]}"
    done
    for ((p = 1; p <= P_NUMPLAYERS; p++)); do
        [ "${R_SHOWN[$p]:-0}" -eq "$best" ] && count=$((count + 1))
    done
    if [ "$count" -eq 1 ]; then
        for ((p = 1; p <= P_NUMPLAYERS; p++)); do
            [ "${R_SHOWN[$p]:-0}" -eq "$best" ] && text="Game over. The winner is player $p with a score of $best"
        done
    else
        text="Game over. We have a $count way tie. The joint winners are"
        local named=""
        for ((p = 1; p <= P_NUMPLAYERS; p++)); do
            [ "${R_SHOWN[$p]:-0}" -eq "$best" ] || continue
            [ -n "$named" ] && text+=" and"
            text+=" player $p"
            named=1
        done
        text+=" with a score of $best"
    fi
    printf '%s %s' "$text" "$P_F9_F1"
}
