"""What the game says, as the plays expect to hear it."""

F9_F1 = "Press function key F 9 to start a new game or function key F 1 for help. "
GREETING = f"Yacht, from Tevrin Software. {F9_F1}{F9_F1}"
GAME_OVER = f"Game over. {F9_F1}"
CHOOSE = "Use the arrow keys to choose the category then press the enter key to score"
WELCOME_BACK = ("Yacht, from Tevrin Software. Resuming an unfinished game.  Press the space bar "
                "to continue or press function key F 9 if you prefer to start a new game. ")
