#!/usr/bin/env python3
"""Writes the seed corpora of the fuzz targets into fuzz/corpus/<target>/.

A season input is a run of chunks: one byte naming the file (0 teams.tro, 1 test.tro,
2 entry.tro, 3 calendar.tro, 4 + 8r / 5 + 8r the race files of calendar race r), two
bytes of length, little-endian, and the file's bytes. The publishing target also takes an
earlier site: 6 its published.txt, 7 the names of files in its owners/, a line each.
Chunk 22 is the league's decisions.txt. Chunk 14 makes links in the league, 15 in the site: a line each, a kind ('o' the user's file
outside, 'f' the folder outside, 'd' a file outside that is not there, 'i' the folder's own
teams.tro) and a name.
"""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))


def text(s):
    b = s.encode("cp1252")[:80]
    return b + b" " * (80 - len(b))


def slot(name, price, score):
    return text(name) + struct.pack("<fh", price, score)


def team(t, e, d1, d2, price=1.0, score=0):
    return b"".join(slot(n, price, score) for n in (t, e, d1, d2))


def test_driver(name, price=1, score=0):
    return text(name) + struct.pack("<hh", price, score)


def entry(owner, points, t, e, d1, d2, td, price=10.0):
    return text(owner) + struct.pack("<fhhhhhh", price, points, t, e, d1, d2, td)


def chunk(file_id, data):
    return bytes([file_id]) + struct.pack("<H", len(data)) + data


def season(teams, tests, entries, races, race_files):
    out = chunk(0, b"".join(teams)) + chunk(1, b"".join(tests)) + chunk(2, b"".join(entries))
    out += chunk(3, b"".join(text(r) for r in races))
    for r, (tmr, tdr) in enumerate(race_files):
        out += chunk(4 + 8 * r, b"".join(tmr)) + chunk(5 + 8 * r, b"".join(tdr))
    return out


TEAMS = [team("Arrow", "Vortex", "Ann Lee", "Bo Kim", 12.5, 3),
         team("Comet", "Helix", "Cy Dunn", "Di Eto", 9.25, 0),
         team("Meteor", "Ion", "Ed Fay", "Flo Gil", 4.75, 7)]
TESTS = [test_driver("Gus Ho", 3, 1), test_driver("Ida Jo", 2, 0)]
ENTRIES = [entry("dora", 5, 2, 1, 4, 5, 1), entry("Alan", 40, 0, 0, 0, 1, 0),
           entry("bob", 12, 1, 2, 2, 3, 1), entry("Cleo", 40, 0, 2, 5, 0, 0)]


def race(base):
    return ([team("Arrow", "Vortex", "Ann Lee", "Bo Kim", 0, base),
             team("Comet", "Helix", "Cy Dunn", "Di Eto", 0, base + 1)],
            [test_driver("Gus Ho", 0, base), test_driver("Ida Jo", 0, 2)])


SEASONS = {
    "season": season(TEAMS, TESTS, ENTRIES, ["Imola", "Monza"], [race(10), race(4)]),
    "empty": b"",
    # A partial record at the end of each file, and a race named with path characters.
    "partial": season(TEAMS, TESTS, ENTRIES, ["../a/b\\c", " Spa "], [race(1), race(2)])
    .replace(chunk(2, b"".join(ENTRIES)), chunk(2, b"".join(ENTRIES) + b"xyz")),
    # Links where the league's files and its scratch file go, out of the folder and in it.
    "links": season(TEAMS, TESTS, ENTRIES, ["Imola", "Monza"], [race(10), race(4)])
    + chunk(14, b"otemp.tro\ndtest.tro\noMonza.tmr\niImola.tdr\nfcalendar.tro"),
    # A transfer of bob's first driver from Monza on, a bonus in Monza, a penalty taken back,
    # and a decision of a kind not known yet.
    "transfers": season(TEAMS, TESTS, ENTRIES, ["Imola", "Monza"], [race(10), race(4)])
    + chunk(22, b"velmora decisions 1\ntransfer\tbob\tdriver 1\t0\t2\t2\tAnn Lee\tCy Dunn\t"
            b"Monza\nbonus\tbob\t5\t2\tMonza\tprediction\npenalty taken back\tbob\t3\t1\t\tlate\n"
            b"note\tbob\t5\n"),
    # NaN and infinite prices, positions far out of range, a NUL in a name.
    "odd": season([team("Na\0N", "Inf", "D1", "D2", float("nan")),
                   team("T", "E", "D1", "D2", float("inf"))],
                  [test_driver("T\0D", -5, 32767)],
                  [entry("Zed", -32768, 32767, -1, 9999, -32768, 300, float("-inf"))],
                  ["Monza", "Monza"], [race(32000), race(32000)]),
}

def memory(publication, corrections, races):
    lines = ["velmora-publish published 1", "publication\t%d" % publication]
    lines += ["correction\t" + "\t".join(c) for c in corrections]
    lines.append("components\t3\t2")
    lines += ["race\t%s\t%s" % (name, "\t".join(str(p) for p in points)) for name, points in races]
    return ("\n".join(lines) + "\n").encode("utf-8")


# What the "season" input published before: Monza's points other than now, so a publication
# finds corrections; a correction with markup, an empty owner and a character U+FEFF.
EARLIER = memory(2, [("1", "Imola", "Chassis", "<Arrow>", "9", "10", "Alan", ""),
                     ("2", "\ufeffMonza", "Test driver", "Gus Ho & co", "-3", "4")],
                 [("Imola", [10, 11, 12, 13, 4, 5, 6, 7, 0, 0, 0, 0, 10, 2]),
                  ("Monza", [1, 1, 1, 1, 5, 5, 5, 5, 0, 0, 0, 0, 4, 2])])
SITES = {
    "site": SEASONS["season"] + chunk(6, EARLIER)
    + chunk(7, b"notes.html\nzed-00000000.html\nalan-00000000.html.part"),
    "site-broken": SEASONS["season"] + chunk(6, EARLIER.replace(b"publication\t2", b"publication\t1")),
    # Links in the site: a page, its memory, scratch files an earlier run would have left.
    "site-links": SEASONS["season"] + chunk(15, b"oindex.html\nopublished.txt.part\n"
                                            b"oowners/scratch-0.part\nfowners/x\nostandings.csv"),
    "site-owners-link": SEASONS["season"] + chunk(15, b"fowners"),
    # A memory that published bob's transfer: his bonus and the penalty taken back are new.
    "site-decided": SEASONS["transfers"] + chunk(6, EARLIER + b"decision\ttransfer\tbob\t"
                                                 b"first race driver\t0\t2\tMonza\n"),
    # The largest count there is, and more components than any file holds.
    "site-limits": SEASONS["season"] + chunk(6, memory(2147483647, [], [])
                                             .replace(b"components\t3\t2", b"components\t1000000000\t2")),
}

TEXTS = {
    "plain": "12.5m", "blanks": " 1 200", "hex": "&H7FFF", "octal": "&O777",
    "exponent": "1E999", "double": "-1.5D-3", "comma": "1,5", "name": " Ann ",
    "codepage": "Zo\u00eb \u20ac \u4e2d", "path": "a/b\\..\u0000c",
}


# A paste: the row and the point cell it is pasted at, then the text copied.
PASTES = {
    "block": b"\0\1" + b"7\t8\r\n9\t10\r\n", "column": b"\3\0" + b"1\n\n-2\n",
    "semicolons": b"\1\0" + b" 5 ;;+3\n-2,3.00", "refused": b"\0\3" + b"1\t2\nx",
}


# A finishing order: the fastest lap picked and the rules, then the order as pasted.
ORDERS = {
    "page": b"\0\0" + "1\t4\tANN LÉE\tArrow\t57\t1:32.1\n2;Cy Dunn;Comet\n3,Kim\n"
    "4   Ed Fay   Meteor\r\nDNF\tX\nRet\tDi Eto\nFL\tFlo Gil\n".encode("utf-8"),
    "asked": b"\3\1" + b"1\tLee\n2\tJo Vance\n2\tz\nfl\tAnn Lee\nFL\tY\n",
    "refused": b"\1\2" + b"Pos\tDriver\n0\tAnn Lee\n1.\t7\t1:02\n\rDSQ\tArrow\tVortex\n",
}

# A sheet of entries: its first byte (bit 0: read as a file, bit 1: the league with a budget and
# transfers, bits 2-3: changed picks unsaid, transfers, corrections), then the sheet.
SHEETS = {
    "form": b"\1" + "\ufeffTimestamp,Email,Owner,Team,Engine,Driver 1,Driver 2,Test Driver\r\n"
    "1.3.2024,a@b.c,Zed,ARROW,vortex,ann lee (arrow),Bó Kim,gus ho\r\n".encode("utf-8"),
    "asked": b"\2" + b"Zed\tComet\tVortex\tAnn Lee\tBo Kimm\tGus Ho\nbob\tComet\tHelix\t"
    b"Cy Dunn\tDi Eto\tNobody\nbob\tNova\tVortex\tAnn Lee #4.2\tAnn Lee #4.1\tIda Jo\n",
    "transfers": b"\6" + b"bob;Comet;Helix;Cy Dunn;Di Eto;Ida Jo\nAlan;Arrow;Vortex (Arrow);"
    b"Ann Lee (Arrow);Bo Kim;Gus Ho\n",
    "windows-1252": b"\1" + "Zoë\tMeteor\tIon\tEd Fay\tFlo Gil\tIda Jo\n".encode("cp1252"),
    "bad": b"\0" + b"\"Zed,Arrow\nYan,Comet,Helix\n\"open",
}


def write(target, name, data):
    folder = os.path.join(HERE, "corpus", target)
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, name), "wb") as f:
        f.write(data)


def main():
    for name, data in SEASONS.items():
        write("fuzz_season", name, data)
        write("fuzz_publish", name, data)
    for name, data in SITES.items():
        write("fuzz_publish", name, data)
    write("fuzz_search", "three", b"30\0" + b"".join(TEAMS))
    write("fuzz_search", "odd", b"&H10\0" + team("a", "b", "c", "d", float("nan"), -3)
          + team("e", "f", "g", "h", 1e30, 32767))
    write("fuzz_search", "budget", b"1E999\0" + b"".join(TEAMS[:2]))
    # Prices whose sums run past the largest float downwards, beside prices that are no number.
    write("fuzz_search", "overflow", b"&H10\0" + team("a", "b", "c", "d", -3.2e38, 5)
          + team("e", "f", "g", "h", float("nan"), 1))
    for name, p in PASTES.items():
        write("fuzz_paste", name, p)
    for name, o in ORDERS.items():
        write("fuzz_order", name, o)
    for name, s in SHEETS.items():
        write("fuzz_sheet", name, s)
    for name, s in TEXTS.items():
        write("fuzz_text", name, s.encode("utf-8"))


if __name__ == "__main__":
    main()
