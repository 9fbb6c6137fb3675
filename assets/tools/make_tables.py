#!/usr/bin/env python3
# make_tables.py -- writes cards.tsv, card_families.tsv and opponents.tsv from
# the family and roster lists beside it. The written tables are what the forge
# reads; run this only to regenerate them after editing the lists.
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from families import FAMILIES  # noqa: E402
from opponents import ROSTER  # noqa: E402

ASSETS = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))

# Per level: icon count range, power budget range, strongest icon, value range.
LEVELS = {
    1: dict(icons=(2, 4), budget=(4, 8), top=3, value=(60, 200)),
    2: dict(icons=(3, 5), budget=(8, 13), top=4, value=(200, 500)),
    3: dict(icons=(4, 6), budget=(13, 19), top=4, value=(500, 1200)),
    4: dict(icons=(5, 8), budget=(19, 28), top=5, value=(1200, 3000)),
}


def Mix(a, b):
    """A small deterministic hash, so every run gives the same set."""
    x = (a * 2654435761 + b * 40503 + 12345) & 0xFFFFFFFF
    x ^= x >> 13
    x = (x * 1274126177) & 0xFFFFFFFF
    x ^= x >> 16
    return x


def Fraction(a, b):
    return (Mix(a, b) % 1000) / 999.0


def IconsFor(family, shape, level, minCount, minBudget, maxCount, maxBudget):
    rule = LEVELS[level]
    lo, hi = rule["budget"]
    budget = lo + round(Fraction(family, level) * (hi - lo))
    budget = min(max(budget, minBudget), maxBudget)
    weights = [int(c) for c in shape]
    # Equal weights are taken in a spread order (opposite sides first), turned
    # by the family number, so a round shape stays round at low levels.
    spread = [0, 4, 2, 6, 1, 5, 3, 7]
    order = sorted(range(8), key=lambda d: (-weights[d],
                                            spread.index((d - family) % 8)))
    order = [d for d in order if weights[d] > 0]
    clo, chi = rule["icons"]
    count = clo + round(Fraction(family + 100, level) * (chi - clo))
    # A 5 can only be drawn against, never beaten: a card carries two at most.
    fives = 0 if rule["top"] < 5 else (1 if budget < 23 else 2)
    cap = rule["top"] if fives == 0 else 4
    count = max(count, minCount, -(-(budget - fives) // cap))
    if minCount:
        count = min(count, max(minCount + 2, -(-(budget - fives) // cap)))
    count = min(count, chi, len(order), budget, maxCount)
    budget = min(budget, count * cap + fives)
    chosen = order[:count]
    icons = [0] * 8
    for d in chosen:
        icons[d] = 1
    # Hand out the rest of the budget in proportion to the shape's weights.
    for _ in range(budget - count):
        open_ = [d for d in chosen
                 if icons[d] < cap or (icons[d] == cap < rule["top"]
                                       and icons.count(5) < fives)]
        best = max(open_, key=lambda d: (weights[d] / icons[d], -order.index(d)))
        icons[best] += 1
    return icons


def ValueFor(family, level, icons):
    rule = LEVELS[level]
    blo, bhi = rule["budget"]
    vlo, vhi = rule["value"]
    step = (vhi - vlo) // (bhi - blo + 1)
    budget = sum(icons)
    # Within one budget band, a sharper top icon costs a little more.
    extra = (max(icons) - 1) * step // 10 + Mix(family, level + 7) % (step // 2)
    return vlo + (budget - blo) * step + min(extra, step - 1)


def Cards():
    q = len(FAMILIES)
    rows = {}
    for p, fam in enumerate(FAMILIES):
        minCount, minBudget = 0, 0
        for level in range(1, 5):
            fixed = fam.get("fixed", {}).get(level)
            above = fam.get("fixed", {}).get(level + 1)
            if fixed:
                icons = [int(c) for c in fixed]
            else:
                # Stay below a hand-set card of the next level.
                maxCount = sum(1 for c in above if c != "0") if above else 8
                maxBudget = sum(int(c) for c in above) - 1 if above else 99
                icons = IconsFor(p, fam["shape"], level, minCount, minBudget,
                                 maxCount, maxBudget)
            minCount = sum(1 for v in icons if v)
            minBudget = sum(icons) + 1
            cardId = (level - 1) * q + p + 1
            rows[cardId] = (level, "".join(map(str, icons)),
                            ValueFor(p, level, icons), fam["names"][level - 1])
    return rows


def WriteTable(name, header, rows):
    path = os.path.join(ASSETS, name)
    with open(path, "w", encoding="utf-8", newline="\n") as out:
        out.write("\t".join(header) + "\n")
        for row in rows:
            out.write("\t".join(str(v) for v in row) + "\n")


def main():
    cards = Cards()
    WriteTable("cards.tsv", ["id", "level", "icons", "value", "name"],
               [(i,) + cards[i] for i in sorted(cards)])
    WriteTable("card_families.tsv",
               ["family", "title", "level1", "level2", "level3", "level4"],
               [(p, f["title"], *f["lines"]) for p, f in enumerate(FAMILIES)])
    rows = []
    for cls, members in enumerate(ROSTER):
        for index, (name, age, job, drink, text) in enumerate(members):
            rows.append((cls, index, name, age, job, drink, text))
    WriteTable("opponents.tsv",
               ["class", "index", "name", "profileNumber", "profileText1",
                "profileText2", "description"], rows)


if __name__ == "__main__":
    main()
