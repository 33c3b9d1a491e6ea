#!/usr/bin/env python3
"""Checks the printouts of the size table that the Print button made, one PDF per paper size
and screen resolution (named <paper>@<dpi>.pdf): every title and cell of the table after the
update pass, whole and in order, one printed line per row, each column where the layout puts
it (scaled down to the printable width when the columns are wider), and the same printout at
every screen resolution."""
import re
import subprocess
import sys
from pathlib import Path

ROWS = [
    ["Sub section", "PackFiles", "Prev. Size", "New Size", "Size Changed"],
    ["BDE", "BDE.WRP", "100", "1234", "X (1134)"],
    ["ISubOption1.1", "CORE.WRP;TOOLS.ZIP", "1", "5320", "X (5319)"],
    ["ISubOption1.2", "NONE", "77", "0", "X (-77)"],
    ["ISubOption1.3", "NOSIZE.WRP", "-1", "", "NOT UPDATED"],
    ["USubOption1.1", "GONE.WRP", "5", "(Error)", "X (-6)"],
]
WIDTHS = [110, 350, 90, 90, 100]  # the window's columns, at 96 pixels per inch
PAPER_WIDTH_PT = {"A4": 595.3, "Letter": 612.0}
PRINTER_PPI = 300  # the PDF queue's resolution
MARGIN_MM = 20
TOLERANCE_PT = 2.0  # a glyph's box is not the text cell


def round_half_even(value):
    return float(round(value))


def column_lefts_pt(page_width_pt):
    """Where each column starts, from the paper's left edge, as the printout computes it."""
    ppi, gap = PRINTER_PPI, PRINTER_PPI * 5 / 25.4
    edges, x = [], 0.0
    for width in WIDTHS:
        slot = ppi * (width / 96 + 5 / 25.4)
        edges.append((round_half_even(x), round_half_even(x + slot - gap)))
        x = round_half_even(x + slot)
    origin = round_half_even(ppi / 25.4 * MARGIN_MM)
    printable = round(page_width_pt * ppi / 72) - origin
    factor = printable / edges[-1][1] if edges[-1][1] > printable else 1.0
    return [(origin + round_half_even(left * factor)) * 72 / ppi for left, _ in edges]


def printed_words(pdf):
    html = subprocess.run(["pdftotext", "-bbox", str(pdf), "-"], check=True, capture_output=True, text=True).stdout
    pages = html.split("<page ")[1:]
    width = float(re.match(r'width="([\d.]+)"', pages[0]).group(1)) if pages else 0.0
    words = [(m.group(4), float(m.group(1)), float(m.group(2)), float(m.group(3)))
             for page in pages
             for m in re.finditer(r'<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)"[^>]*>([^<]*)</word>', page)]
    return len(pages), width, words


def check(pdf, paper, failures):
    pages, width, words = printed_words(pdf)
    name = pdf.name
    if pages != 1:
        failures.append(f"{name}: {pages} pages, expected 1")
    if abs(width - PAPER_WIDTH_PT[paper]) > 2:
        failures.append(f"{name}: the paper is {width} pt wide, not {paper}")
    lines = {}
    for word in words:
        lines.setdefault(round(word[2]), []).append(word)
    lines = [sorted(line, key=lambda w: w[1]) for _, line in sorted(lines.items())]
    if len(lines) != len(ROWS):
        failures.append(f"{name}: {len(lines)} printed lines, expected {len(ROWS)}")
        return words
    lefts = column_lefts_pt(width)
    for line, cells in zip(lines, ROWS):
        printed = " ".join(w[0] for w in line)
        expected = " ".join(c for c in cells if c)
        if printed != expected:
            failures.append(f"{name}: printed '{printed}', expected '{expected}'")
            continue
        at = 0
        for column, cell in enumerate(cells):
            if not cell:
                continue
            first = line[at]
            if abs(first[1] - lefts[column]) > TOLERANCE_PT:
                failures.append(f"{name}: '{cell}' starts at {first[1]:.1f} pt, expected {lefts[column]:.1f}")
            at += len(cell.split())
        if line[-1][3] > width:
            failures.append(f"{name}: '{line[-1][0]}' runs past the paper's edge")
    return words


def main(reported, pdfs):
    with open(reported) as f:
        passed = f.read().count("[  PASSED  ] 1 test")
    if passed != len(pdfs):
        sys.exit(f"the driver passed its printing test {passed} times for {len(pdfs)} printouts")
    failures, layouts = [], {}
    for pdf in map(Path, pdfs):
        paper, dpi = pdf.stem.split("@")
        words = check(pdf, paper, failures)
        if paper in layouts and words != layouts[paper][1]:
            failures.append(f"{pdf.name} differs from the printout at {layouts[paper][0]} dpi")
        layouts.setdefault(paper, (dpi, words))
    for failure in failures[:20]:
        print("FAIL:", failure)
    if failures:
        sys.exit(1)
    print(f"{len(pdfs)} printouts of the whole table as expected")


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2:])
