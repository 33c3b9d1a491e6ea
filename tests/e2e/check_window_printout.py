#!/usr/bin/env python3
"""Checks the printout of the size table that the Print button made: every row of the table
after the update pass, title row first, one printed line per row, in the table's order. The
columns together are wider than A4 and nothing pages across: the paper's edge cuts the last
column after its first letter."""
import subprocess
import sys

ROWS = [
    ["Sub section", "PackFiles", "Prev. Size", "New Size", "S"],
    ["BDE", "BDE.WRP", "100", "1234", "X"],
    ["ISubOption1.1", "CORE.WRP;TOOLS.ZIP", "1", "5320", "X"],
    ["ISubOption1.2", "NONE", "77", "0", "X"],
    ["ISubOption1.3", "NOSIZE.WRP", "-1", "N"],
    ["USubOption1.1", "GONE.WRP", "5", "(Error)", "X"],
]


def main(reported, pdf):
    with open(reported) as f:
        if "[  PASSED  ] 1 test" not in f.read():
            sys.exit("the driver did not pass its one printing test")
    text = subprocess.run(["pdftotext", "-layout", pdf, "-"], check=True, capture_output=True, text=True).stdout
    lines = [" ".join(line.split()) for line in text.splitlines() if line.strip()]
    if len(lines) != len(ROWS):
        sys.exit(f"expected {len(ROWS)} printed lines, got {len(lines)}:\n" + "\n".join(lines))
    for printed, cells in zip(lines, ROWS):
        if not printed.endswith(" " + cells[-1]):
            sys.exit(f"the line should end at the paper's edge with '{cells[-1]}': {printed}")
        position = 0
        for cell in cells:
            position = printed.find(cell, position)
            if position < 0:
                sys.exit(f"'{cell}' missing or out of order in the printed line: {printed}")
            position += len(cell)
    print(f"{len(lines)} lines printed as the table shows them")


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2])
