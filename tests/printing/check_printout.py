#!/usr/bin/env python3
"""Checks a printout of the sample table, read back from the PDF with pdftotext -bbox, against
the layout computed from the values the printer reported: texts, their order, the title row
once at the top of the first page, page breaks, and the positions of the cells on the paper."""
import re
import subprocess
import sys

MM_PER_INCH = 25.4
POSITION_TOLERANCE_PT = 3.0  # a glyph's box is not the text cell


def reported_values(path):
    values = {}
    with open(path) as f:
        for line in f:
            name, _, value = line.strip().partition("=")
            values[name] = value
    if "error" in values:
        sys.exit("the printout failed: " + values["error"])
    return values


def expected_layout(v):
    """Texts with their top-left corner in points from the paper's top-left edge, per page."""
    ppi_x, ppi_y = int(v["logpixelsx"]), int(v["logpixelsy"])
    left_mm, top_mm = (int(m) for m in v["margins"].split(","))
    off_x, off_y = int(v["offsetx"]), int(v["offsety"])
    origin_x = off_x + round(ppi_x / MM_PER_INCH * left_mm - off_x)
    origin_y = off_y + round(ppi_y / MM_PER_INCH * top_mm - off_y)
    line_height = abs(int(v["fontheight"])) + 4
    usable = abs(int(v["vertres"]) - ppi_y / MM_PER_INCH * top_mm)
    screen_ppi = int(v["screenppi"])

    column_lefts, x = [], 0.0
    for width in (int(w) for w in v["widths"].split(",")):
        column_lefts.append(round(x))
        x = round(x + ppi_y * (width / screen_ppi + 5 / MM_PER_INCH))

    pages, line = [[]], 0
    for row in range(int(v["rows"])):
        if line > 0 and (line + 1) * line_height > usable:
            pages.append([])
            line = 0
        for column, left in enumerate(column_lefts):
            pages[-1].append((f"c{column}r{row}", (origin_x + left) * 72 / ppi_x,
                              (origin_y + line * line_height) * 72 / ppi_y))
        line += 1
    return pages


def printed_pages(pdf):
    html = subprocess.run(["pdftotext", "-bbox", pdf, "-"], check=True, capture_output=True, text=True).stdout
    pages = []
    for page in html.split("<page ")[1:]:
        words = [(m.group(3), float(m.group(1)), float(m.group(2)))
                 for m in re.finditer(r'<word xMin="([\d.]+)" yMin="([\d.]+)"[^>]*>([^<]*)</word>', page)]
        pages.append(sorted(words, key=lambda w: (round(w[2]), w[1])))
    return pages


def main():
    values_path, pdf = sys.argv[1], sys.argv[2]
    values = reported_values(values_path)
    expected = expected_layout(values)
    printed = printed_pages(pdf)
    failures = []
    if int(values["messagepumps"]) == 0:
        failures.append("pending messages were never handled while the spooler worked")
    if len(printed) != len(expected):
        failures.append(f"{len(printed)} pages printed, {len(expected)} expected")
    for number, (want, got) in enumerate(zip(expected, printed), start=1):
        want_texts, got_texts = [w[0] for w in want], [g[0] for g in got]
        if want_texts != got_texts:
            at = next((i for i, pair in enumerate(zip(want_texts, got_texts)) if pair[0] != pair[1]),
                      min(len(want_texts), len(got_texts)))
            failures.append(f"page {number}: {len(got_texts)} texts, {len(want_texts)} expected; from text {at} on "
                            f"{got_texts[at:at + 3]} instead of {want_texts[at:at + 3]}")
            continue
        for (text, x, y), (_, gx, gy) in zip(want, got):
            if abs(gx - x) > POSITION_TOLERANCE_PT or abs(gy - y) > POSITION_TOLERANCE_PT:
                failures.append(f"page {number}: {text} at ({gx:.1f}, {gy:.1f}) pt, expected ({x:.1f}, {y:.1f})")
    title = [w for page in printed for w in page if w[0].endswith("r0")]
    if [w[0] for w in title] != ["c0r0", "c1r0", "c2r0"] or printed[0][0][0] != "c0r0":
        failures.append(f"the title row is not printed once at the top of the first page: {title}")
    first = printed[0][0]
    if abs(first[1] - 20 * 72 / MM_PER_INCH) > 72 / MM_PER_INCH or abs(first[2] - 20 * 72 / MM_PER_INCH) > 72 / MM_PER_INCH:
        failures.append(f"the first text is not 20 mm from the left and top edges: {first}")
    for failure in failures[:20]:
        print("FAIL:", failure)
    if failures:
        sys.exit(1)
    print(f"{sum(len(p) for p in printed)} cells on {len(printed)} pages as expected")


if __name__ == "__main__":
    main()
