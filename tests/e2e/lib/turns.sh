# Whole turns, each played its own way, from the space bar that opens the turn to the category
# scored. Needs play.sh.

# A turn that holds nothing and throws three times.
p_turn_three_throws() {
    p_open_turn
    while p_state_is rolled; do p_throw_again; done
    p_choose_first_free
}

# A turn that keeps the first throw: all five dice held, the space bar, which then ends the
# throwing, and the first free category. Once the first hold is heard (so the dice are no longer
# being read out), the other keys follow in one burst, as a player who knows the game types them.
p_turn_keep_first() {
    p_open_turn
    if ! p_state_is rolled; then
        p_choose_first_free
        return
    fi
    p_hold 1
    local n target c
    if [ "$P_STEP_KEYS" = 1 ]; then
        for n in 2 3 4 5; do p_hold "$n"; done
        p_throw_again
        p_choose_first_free
        return
    fi
    local -a keys=(2 3 4 5 space) heard=()
    for n in 2 3 4 5; do heard+=("hold the ${R_ORDINAL[n]} dice "); done
    P_HELD=(1 1 1 1 1)
    P_ROLL=3
    P_STATE=choosing
    P_CURSOR=0
    heard+=("$P_CHOOSE")
    target="$(r_first_free "$P_PLAYER")"
    for ((c = 1; c <= target; c++)); do
        keys+=(Down)
        heard+=("$(p_category_sentence "$c")")
    done
    press "${keys[@]}"
    p_hear_some_of "${heard[@]}"
    p_score "$target"
}

# A turn with holds made and undone by the arrows, enter and the digit keys, and all three throws.
p_turn_with_holds() {
    p_open_turn
    if p_state_is rolled; then
        p_die_cursor Right        # the first die
        p_enter_on_die            # held with enter
        p_die_cursor Left         # wraps round to the fifth
        p_die_cursor Left         # the fourth
        p_hold 4                  # held with its digit
        p_die_cursor Right        # the fifth
        p_die_cursor Left         # the fourth again, now held
        p_throw_again             # the second throw: only the three free dice are read
    fi
    if p_state_is rolled; then
        p_hold 1                  # the first die released
        p_throw_again             # the final throw: four dice thrown and read
    fi
    p_choose_first_free
}

# A turn that hunts for a Yacht: after each throw the dice showing the commonest face (the higher
# face when two are as common) are held and any others released, until the throwing ends.
p_turn_hunt_yacht() {
    p_open_turn
    local f i best face
    while p_state_is rolled; do
        local -a n=(0 0 0 0 0 0 0)
        for i in 0 1 2 3 4; do n[P_DICE[i]]=$((n[P_DICE[i]] + 1)); done
        best=0
        for f in 1 2 3 4 5 6; do
            if [ "${n[f]}" -ge "$best" ]; then best="${n[f]}"; face="$f"; fi
        done
        for i in 0 1 2 3 4; do
            if [ "${P_DICE[i]}" = "$face" ] && [ "${P_HELD[i]}" = 0 ]; then p_hold $((i + 1)); fi
            if [ "${P_DICE[i]}" != "$face" ] && [ "${P_HELD[i]}" = 1 ]; then p_hold $((i + 1)); fi
        done
        p_throw_again
    done
    p_choose_first_free
}
