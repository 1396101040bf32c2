"""The rules of Yacht as the plays check the game against them: category names, what five dice
are worth in each category, and a player's score sheet with its total. Written apart from the
game's own code, so that a fault in the game's scoring shows up as a disagreement."""
from collections import Counter

NAMES = [None, "Ones", "Twos", "Threes", "Fours", "Fives", "Sixes", "3 of a kind", "4 of a kind",
         "Full house", "Small straight", "Large straight", "Chance", "Yacht"]
ORDINAL = [None, "first", "second", "third", "fourth", "last"]     # holding and releasing
POSITION = [None, "First", "Second", "Third", "Fourth", "Fifth"]   # the dice cursor
YACHT = 13


def worth(category, dice):
    """What five dice (faces 1 to 6) are worth in a category (1 to 13)."""
    dice = [int(d) for d in dice]
    counts = Counter(dice)
    most = max(counts.values())
    faces = set(dice)
    if 1 <= category <= 6:
        return category * counts[category]
    if category == 7:
        return sum(dice) if most >= 3 else 0
    if category == 8:
        return sum(dice) if most >= 4 else 0
    if category == 9:
        return 25 if sorted(counts.values()) == [2, 3] else 0
    if category == 10:
        return 30 if any(set(range(f, f + 4)) <= faces for f in (1, 2, 3)) else 0
    if category == 11:
        return 40 if any(set(range(f, f + 5)) <= faces for f in (1, 2)) else 0
    if category == 12:
        return sum(dice)
    if category == YACHT:
        return 50 if most == 5 else 0
    raise ValueError(f"no category {category}")


def is_yacht(dice):
    return len(set(dice)) == 1 and "?" not in dice


class Sheet:
    """One player's score sheet: the categories written, the extra Yacht bonuses, and the total
    the sheet showed when the player's card was last drawn."""

    def __init__(self):
        self.scores = {}
        self.bonus = 0
        self.shown = None

    def taken(self, category):
        return category in self.scores

    def first_free(self):
        return next((c for c in range(1, 14) if c not in self.scores), 0)

    def total(self):
        """Every category, 35 more for 63 or more in the upper six, and the bonuses."""
        upper = sum(self.scores.get(c, 0) for c in range(1, 7))
        return sum(self.scores.values()) + (35 if upper >= 63 else 0) + self.bonus

    def show(self):
        self.shown = self.total()
        return self.shown


# Hands whose worths are known by heart, each category 1 to 13 in order: the play's own table is
# checked against them, so that a fault here is not mistaken for one in the game.
KNOWN_HANDS = {
    "1 1 1 1 1": "5 0 0 0 0 0 5 5 0 0 0 5 50",
    "2 2 3 3 3": "0 4 9 0 0 0 13 0 25 0 0 13 0",
    "6 6 6 6 1": "1 0 0 0 0 24 25 25 0 0 0 25 0",
    "1 2 3 4 6": "1 2 3 4 0 6 0 0 0 30 0 16 0",
    "5 4 3 2 1": "1 2 3 4 5 0 0 0 0 30 40 15 0",
    "2 3 4 5 6": "0 2 3 4 5 6 0 0 0 30 40 20 0",
    "1 3 4 5 6": "1 0 3 4 5 6 0 0 0 30 0 19 0",
    "1 2 2 4 5": "1 4 0 4 5 0 0 0 0 0 0 14 0",
}
