#!/usr/bin/env python3
"""Writes the memo file corpus beside this script: the files the tests open,
and seeds for fuzzing the reader. valid-* files must be accepted, bad-* refused.
Run it again after changing it; the output is the same on every run."""

from pathlib import Path

MARK = "<qip.$>"
HERE = Path(__file__).resolve().parent


def record(title="", description="", other="", checks=None, size=0, layout=1,
           colours=None, pieces=None):
    checks = checks if checks is not None else [0, 1] + [0] * 9
    colours = colours if colours is not None else [0] * 6
    pieces = pieces if pieces is not None else [""] * 31
    fields = [title, description, other] + [str(c) for c in checks]
    fields += [str(size), str(layout)] + [str(c) for c in colours] + pieces
    assert len(fields) == 53
    return "".join(f + MARK for f in fields) + "\r\n"


def write(name, text=None, raw=None):
    data = raw if raw is not None else text.encode("cp932")
    (HERE / name).write_bytes(data)


# The record Save writes after New with the title ABC: 395 bytes.
standard = record(title="ABC")
write("valid-standard.qip", standard)
write("valid-custom.qip", record(
    title="春の新作バッグ",
    description="状態は良好です。\r\n送料は落札者負担です～。",
    other="ノークレームでお願いします。\r\n表示価格は税込です。",
    checks=[1, 1, 1, 0, 0, 0, 0, 1, 0, 0, 0], size=2, layout=2,
    colours=[0, 0, 3, 4, 1, 2]))
pieces = ["<!--piece%02d--><table><tr><td>" % n if n % 4 == 1 else "<!--piece%02d-->" % n
          for n in range(1, 32)]
write("valid-layout3.qip", record(
    title="手作りの器", description="一点物です。", other="",
    checks=[0, 1, 0, 0, 0, 0, 0, 0, 1, 0, 1], size=1, layout=3,
    colours=[2, 1, 6, 6, 2, 3], pieces=pieces))
write("valid-grey.qip", record(title="灰色", checks=[2] * 11))
# A lone CR reads as CR LF; a lone LF stays; no CR LF at the end of the file.
write("valid-line-ends.qip", record(description="one\rtwo", other="three\nfour")[:-2])
# The last marker missing: the last piece is the CR LF.
write("valid-52-markers.qip", standard[:-len(MARK) - 2] + "\r\n")
write("valid-trailing-text.qip", standard + "more text" + MARK + "and more\r\n")
write("valid-spaced-numbers.qip", standard.replace(MARK + "1" + MARK, MARK + " 1 " + MARK, 1))

write("bad-empty.qip", "")
write("bad-51-markers.qip", standard[:-2 * len(MARK) - 2])
write("bad-number.qip", record(title="ABC", size="1.5"))
write("bad-layout.qip", record(title="ABC", layout=4))
write("bad-list-index.qip", record(title="ABC", colours=[0, 4, 0, 0, 0, 0]))
# The marker inside the title shifts every later field by one.
write("bad-shifted.qip", record(title="AB" + MARK + "C"))
# A double-byte character cut off after its lead byte.
write("bad-encoding.qip", raw=standard.encode("cp932") + b"\x82")
