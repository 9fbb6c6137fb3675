#!/usr/bin/env python3
# check_tables.py -- checks the three content tables before they are committed:
# shape of the files, counts, allowed characters, lengths, value ranges, power
# budgets, how long the texts run on screen, and that the tutorial's scripted
# boards play out as its help pages describe. Prints statistics; exit 1 on a fault.
import os
import sys

ASSETS = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
Q = 86
FONT = set("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789"
           "çâàéêèôùû !\"-'?;,.:()@")
NAME_CHARS = set("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789 ")
BUDGET = {1: (4, 8), 2: (8, 13), 3: (13, 19), 4: (19, 28)}
COUNT = {1: (2, 4), 2: (3, 5), 3: (4, 6), 4: (5, 8)}
TOP = {1: 3, 2: 4, 3: 5, 4: 5}
VALUE = {1: (60, 200), 2: (200, 500), 3: (500, 1200), 4: (1200, 3000)}

faults = []


def Fault(text):
    faults.append(text)


def ReadTable(name, header):
    path = os.path.join(ASSETS, name)
    with open(path, "rb") as f:
        raw = f.read()
    try:
        text = raw.decode("utf-8")
    except UnicodeDecodeError as e:
        Fault(f"{name}: not UTF-8 ({e})")
        return []
    if "\r" in text:
        Fault(f"{name}: carriage return found")
    if not text.endswith("\n"):
        Fault(f"{name}: last line has no line end")
    lines = text[:-1].split("\n") if text.endswith("\n") else text.split("\n")
    if lines[0].split("\t") != header:
        Fault(f"{name}: header is {lines[0]!r}")
    rows = []
    for n, line in enumerate(lines[1:], start=2):
        if not line:
            Fault(f"{name}:{n}: blank line")
            continue
        cells = line.split("\t")
        if len(cells) != len(header):
            Fault(f"{name}:{n}: {len(cells)} cells, want {len(header)}")
            continue
        for c in cells:
            if c != c.strip() or "  " in c:
                Fault(f"{name}:{n}: stray spaces in {c!r}")
            if not c:
                Fault(f"{name}:{n}: empty cell")
        rows.append(cells)
    return rows


def CheckText(where, text, limit):
    bad = sorted(set(text) - FONT)
    if bad:
        Fault(f"{where}: characters the font lacks: {bad}")
    if len(text) > limit:
        Fault(f"{where}: {len(text)} characters, at most {limit}: {text!r}")


# Advance widths of the game's font (DejaVu Sans drawn 9.5 px high, 11 px
# lines), in thousandths of the type size; a glyph is at least 1 px wide and
# the space is 3 px.
ADVANCE = dict(zip(
    "ABCDEFGHIJKLMNOPQRSTUVWXYZ",
    [684, 686, 698, 770, 632, 575, 775, 752, 295, 295, 656, 557, 863, 748,
     787, 603, 787, 695, 635, 611, 732, 684, 989, 685, 611, 685]))
ADVANCE.update(zip(
    "abcdefghijklmnopqrstuvwxyz",
    [613, 635, 550, 635, 615, 352, 635, 634, 278, 278, 579, 278, 974, 634,
     612, 635, 635, 411, 521, 392, 634, 592, 818, 592, 592, 525]))
ADVANCE.update({c: 636 for c in "0123456789"})
ADVANCE.update({"ç": 550, "â": 613, "à": 613, "é": 615, "ê": 615, "è": 615,
                "ô": 612, "ù": 634, "û": 634, "!": 400, '"': 460, "-": 361,
                "'": 275, "?": 531, ";": 337, ",": 318, ".": 318, ":": 337,
                "(": 390, ")": 390, "@": 1000})


def Width(text):
    """The text's width in pixels, rounded up a little for safety."""
    w = 0
    for ch in text:
        w += 3 if ch == " " else max(1, round(ADVANCE.get(ch, 1000) * 9.5 / 1000 + 0.3))
    return w


def WrappedLines(text, width):
    lines, line = 1, ""
    for word in text.split(" "):
        trial = word if not line else line + " " + word
        if Width(trial) <= width or not line:
            line = trial
        else:
            lines += 1
            line = word
    return lines


def CheckCards():
    rows = ReadTable("cards.tsv", ["id", "level", "icons", "value", "name"])
    if len(rows) != 4 * Q:
        Fault(f"cards.tsv: {len(rows)} cards, want {4 * Q}")
    cards, names = {}, set()
    for n, (cid, level, icons, value, name) in enumerate(rows, start=1):
        where = f"cards.tsv id {cid}"
        if not (cid.isdigit() and int(cid) == n):
            Fault(f"{where}: ids must run 1..{4 * Q} in order")
            continue
        if not (level.isdigit() and int(level) == (n - 1) // Q + 1):
            Fault(f"{where}: level {level} out of place")
            continue
        lv = int(level)
        if len(icons) != 8 or any(c not in "012345" for c in icons):
            Fault(f"{where}: icons {icons!r} are not eight digits 0..5")
            continue
        if not value.isdigit() or not (0 < int(value) < 32767):
            Fault(f"{where}: value {value!r}")
            continue
        if set(name) - NAME_CHARS or len(name) > 20 or "  " in name:
            Fault(f"{where}: name {name!r}")
        if name in names:
            Fault(f"{where}: name {name!r} used twice")
        names.add(name)
        v = [int(c) for c in icons]
        budget, count, val = sum(v), sum(1 for x in v if x), int(value)
        if not BUDGET[lv][0] <= budget <= BUDGET[lv][1]:
            Fault(f"{where}: budget {budget} outside {BUDGET[lv]}")
        if not COUNT[lv][0] <= count <= COUNT[lv][1]:
            Fault(f"{where}: {count} icons outside {COUNT[lv]}")
        if max(v) > TOP[lv]:
            Fault(f"{where}: icon {max(v)} too strong for level {lv}")
        if not VALUE[lv][0] <= val < VALUE[lv][1]:
            Fault(f"{where}: value {val} outside {VALUE[lv]}")
        cards[n] = dict(level=lv, icons=v, value=val, name=name,
                        budget=budget, count=count)
    if len(cards) != 4 * Q:
        return cards
    for p in range(Q):
        fam = [cards[(lv - 1) * Q + p + 1] for lv in range(1, 5)]
        for a, b in zip(fam, fam[1:]):
            if b["budget"] <= a["budget"] or b["count"] < a["count"]:
                Fault(f"family {p}: {b['name']} is not stronger than {a['name']}")
            if b["value"] <= a["value"]:
                Fault(f"family {p}: {b['name']} is not dearer than {a['name']}")
    for lv in range(1, 5):
        level = sorted((c for c in cards.values() if c["level"] == lv),
                       key=lambda c: (c["budget"], c["value"]))
        for a, b in zip(level, level[1:]):
            if b["budget"] > a["budget"] and b["value"] <= a["value"]:
                Fault(f"level {lv}: {b['name']} has more power than "
                      f"{a['name']} but is not dearer")
    return cards


def CheckFamilies():
    rows = ReadTable("card_families.tsv",
                     ["family", "title", "level1", "level2", "level3", "level4"])
    if len(rows) != Q:
        Fault(f"card_families.tsv: {len(rows)} families, want {Q}")
    titles = set()
    for n, row in enumerate(rows):
        if row[0] != str(n):
            Fault(f"card_families.tsv: family {row[0]!r} out of place")
        CheckText(f"family {n} title", row[1], 30)
        if row[1] in titles:
            Fault(f"family {n}: title {row[1]!r} used twice")
        # The zoom heads every member's text with it: it must read as the
        # family's name, not as one more card (GRAMOPHONE is no "Turntable").
        if not row[1].endswith(" family"):
            Fault(f"family {n}: title {row[1]!r} does not end in ' family'")
        titles.add(row[1])
        for k, line in enumerate(row[2:], start=1):
            CheckText(f"family {n} line {k}", line, 70)
            # The zoom box (230 px, text 215 px after its margins) shows the
            # title, level, number, a blank line and the lines indented by two
            # spaces: it holds 8 lines, so every flavour line must fit on one.
            if Width("  " + line) > 215:
                Fault(f"family {n} line {k}: about {Width('  ' + line)} px "
                      f"wide, more than one line of the zoom box: {line!r}")
    return rows


def CheckOpponents():
    rows = ReadTable("opponents.tsv",
                     ["class", "index", "name", "profileNumber", "profileText1",
                      "profileText2", "description"])
    if len(rows) != 45:
        Fault(f"opponents.tsv: {len(rows)} opponents, want 45")
    names = set()
    for n, (cls, index, name, number, text1, text2, desc) in enumerate(rows):
        where = f"opponent {cls}/{index}"
        if cls != str(n // 15) or index != str(n % 15):
            Fault(f"{where}: out of place")
        CheckText(where + " name", name, 12)
        # Tournament brackets right-align names to x 104.
        if Width(name.upper()) > 100:
            Fault(f"{where}: name {name!r} is about {Width(name.upper())} px wide")
        if name.upper() in names:
            Fault(f"{where}: name {name!r} used twice")
        names.add(name.upper())
        if name.upper() in ("DAZORAR", "SAINT VIZUD"):
            Fault(f"{where}: {name!r} is the card master's name")
        if not number.isdigit() or int(number) > 9999 or number != str(int(number)):
            Fault(f"{where}: profile number {number!r}")
        CheckText(where + " profile 1", text1, 24)
        CheckText(where + " profile 2", text2, 24)
        for t in (text1, text2):
            if Width(t) > 158:
                Fault(f"{where}: profile line {t!r} wider than 158 px")
        CheckText(where + " description", desc, 200)
        # Wrapped from (14, 246), 214 px wide, above row 320: six lines at most.
        if WrappedLines(desc, 214) > 6:
            Fault(f"{where}: description runs over six lines")
    return rows


# --- the rules of a fight, enough to play the tutorial's examples -----------
DX = [0, 1, 1, 1, 0, -1, -1, -1]
DY = [-1, -1, 0, 1, 1, 1, 0, -1]


class Board:
    def __init__(self, cards):
        self.cards = cards
        self.cell = {}  # (x, y) -> [id, owner]

    def Place(self, cid, x, y, side):
        self.cell[(x, y)] = [cid, side]

    def Icon(self, pos, d):
        return self.cards[self.cell[pos][0]]["icons"][d]

    def Direction(self, a, b):
        for d in range(8):
            if (a[0] + DX[d], a[1] + DY[d]) == b:
                return d
        return -1

    def Targets(self, pos):
        owner = self.cell[pos][1]
        found = []
        for i in (-1, 0, 1):
            for j in (-1, 0, 1):
                t = (pos[0] + i, pos[1] + j)
                if t in self.cell and self.cell[t][1] == 1 - owner:
                    if self.Icon(pos, self.Direction(pos, t)):
                        found.append(t)
        return found

    def Fight(self, a, t):
        d = self.Direction(a, t)
        f, h = self.Icon(a, d), self.Icon(t, (d + 4) % 8)
        if h < f:
            self.cell[t][1] = self.cell[a][1]
            return "won", h > 0
        if h == f:
            return "draw", False
        self.cell[a][1] = self.cell[t][1]
        return "lost", False

    def Chain(self, a, t, first, pick):
        """Plays an attack and the multi-hits it starts; returns the fights."""
        log = []
        while True:
            result, faced = self.Fight(a, t)
            log.append((a, t, result))
            if result == "won" and faced and self.Targets(t):
                a, first = t, False
            elif result == "lost" and first and self.Targets(a):
                first = False
            else:
                return log
            targets = self.Targets(a)
            t = targets[0] if len(targets) == 1 or pick is None else pick(a, targets)


def CheckTutorial(cards):
    boards = {1: [(38, 3, 3)], 2: [(17, 3, 2)],
              3: [(13, 2, 2), (18, 3, 2), (33, 4, 2)],
              4: [(149, 1, 0), (177, 2, 0), (254, 3, 0), (73, 4, 0),
                  (242, 3, 1), (247, 4, 2)]}
    examples = {1: (16, (3, 2)), 2: (2, (2, 2)), 3: (158, (3, 3)), 4: (2, (0, 0))}

    def Play(n, pick=None):
        b = Board(cards)
        for cid, x, y in boards[n]:
            b.Place(cid, x, y, 0)
        cid, at = examples[n]
        b.Place(cid, at[0], at[1], 1)
        targets = b.Targets(at)
        return b, targets

    # 1: one target with no icon back: taken, and the turn ends there.
    b, t = Play(1)
    if t != [(3, 3)] or b.Chain((3, 2), (3, 3), True, None) != [((3, 2), (3, 3), "won")]:
        Fault("tutorial example 1: the card should take its single target plainly")
    # 2: icon against a stronger icon: the attacker is lost, nothing follows.
    b, t = Play(2)
    if t != [(3, 2)] or b.Chain((2, 2), (3, 2), True, None) != [((2, 2), (3, 2), "lost")]:
        Fault("tutorial example 2: the attack should be lost to a stronger icon")
    # 3: several targets (the diagonals matter); no choice starts a chain.
    b, t = Play(3)
    if sorted(t) != [(2, 2), (3, 2), (4, 2)]:
        Fault(f"tutorial example 3: targets {t}, want the three cards above")
    outcomes = set()
    for target in t:
        b, _ = Play(3)
        log = b.Chain((3, 3), target, True, None)
        if len(log) != 1:
            Fault(f"tutorial example 3: attacking {target} starts a multi-hit")
        outcomes.add(log[0][2])
    if "lost" not in outcomes or "won" not in outcomes:
        Fault("tutorial example 3: the choice should matter (a win and a loss)")
    # 4: a multi-hit that runs through every card without a choice.
    b, t = Play(4)
    log = b.Chain((0, 0), (1, 0), True,
                  lambda a, ts: Fault(f"tutorial example 4: choice at {a}") or ts[0])
    if t != [(1, 0)] or len(log) != 6 or any(r != "won" for _, _, r in log):
        Fault(f"tutorial example 4: the chain should take all six cards: {log}")


def Statistics(cards):
    print("level  budget min/avg/max  icons min/avg/max  value min/avg/max  price min/max")
    for lv in range(1, 5):
        cs = [c for c in cards.values() if c["level"] == lv]
        bs = [c["budget"] for c in cs]
        ns = [c["count"] for c in cs]
        vs = [c["value"] for c in cs]
        ps = [int((v // 2) * 0.74) for v in vs]
        fives = sum(c["icons"].count(5) for c in cs)
        print(f"  {lv}    {min(bs):2} {sum(bs)/len(bs):5.1f} {max(bs):2}"
              f"        {min(ns)} {sum(ns)/len(ns):4.1f} {max(ns)}"
              f"        {min(vs):4} {sum(vs)/len(vs):6.0f} {max(vs):4}"
              f"       {min(ps):4} {max(ps):4}   (icons of 5: {fives})")


def main():
    cards = CheckCards()
    CheckFamilies()
    CheckOpponents()
    if len(cards) == 4 * Q:
        CheckTutorial(cards)
        Statistics(cards)
    for f in faults:
        print("FAULT:", f)
    print("ok" if not faults else f"{len(faults)} faults")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
