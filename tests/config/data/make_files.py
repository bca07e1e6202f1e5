#!/usr/bin/env python3
"""Builds the configuration files the tests read, byte by byte from the record layout,
without the program's writer: 128-byte records, a 16-bit little-endian length, the text in
code page 1252, zero filler. Run it from this folder; the files are committed."""
import struct

RECORD = 128


def record(text):
    data = text.encode("cp1252")
    assert len(data) <= 126
    return (struct.pack("<H", len(data)) + data).ljust(RECORD, b"\0")


def spaced(n):
    return str(n) if n < 0 else " " + str(n)


def bgr(r, g, b):
    return (b << 16) | (g << 8) | r


def config(combo1, combo2, texts, vscroll1, updown1, vscroll3, chrono, checks, speed, colours):
    values = ["ORBANE1S", spaced(combo1), spaced(combo2)] + texts
    values += [spaced(vscroll1), spaced(updown1), spaced(vscroll3), chrono]
    values += [spaced(c) for c in checks] + [spaced(speed)]
    values += [spaced(bgr(*c)) for c in colours]
    assert len(values) == 33
    return values


STARTUP = config(0, 2, ["0,00", "0,00", "15,00", "77,00"], 30, 6, 70, "300",
                 [0, 0, 1, 1, 0, 0, 1, 0, 1, 1, 0, 0], 0,
                 [(255, 0, 0), (255, 0, 255), (255, 128, 0), (0, 0, 255), (255, 255, 255),
                  (255, 255, 0), (251, 66, 145), (0, 255, 255), (0, 0, 255)])

# Mars, the rock, every option the other way round, nine new colours.
CUSTOM = config(2, 4, ["2,50", "3,00", "12,50", "45,00"], 10, 3, 80, "150",
                [1, 1, 0, 0, 1, 1, 0, 1, 0, 0, 1, 1], 1,
                [(128, 0, 0), (0, 128, 0), (0, 0, 128), (10, 20, 30), (0, 0, 0),
                 (200, 100, 50), (1, 2, 3), (255, 255, 254), (17, 34, 51)])


def write(name, values, tail=b""):
    with open(name, "wb") as f:
        f.write(b"".join(record(v) for v in values) + tail)


write("startup.P08", STARTUP)
write("custom.P08", CUSTOM)

# Values the boxes' own checks bring to their limits.
clamped = list(CUSTOM)
clamped[3:7] = ["50", "-2", "25", "3"]  # x0, y0, v, angle
clamped[10] = "5"                        # interval in ms
write("clamped.P08", clamped)

lower = list(STARTUP)
lower[0] = "orbane1s"
write("lowercase.P08", lower)

write("truncated.P08", CUSTOM[:20])

# Three records beyond the configuration, then a few stray bytes.
write("long.P08", CUSTOM + ["extra 34", "extra 35", "extra 36"], tail=b"\x07\x00abc")

# Numbers as a hand-edited file may hold them; the last record is not padded.
lenient = list(CUSTOM)
lenient[1] = "2"        # no blank
lenient[2] = "  4 "     # blanks around
lenient[7] = " 10,4"    # whole-number field with a decimal comma
lenient[11] = "1 (oui)" # a number followed by text
lenient[23] = "0.4"     # rounds to 0
with open("lenient.P08", "wb") as f:
    body = b"".join(record(v) for v in lenient)
    last = lenient[-1].encode("cp1252")
    f.write(body[:-RECORD] + struct.pack("<H", len(last)) + last)
