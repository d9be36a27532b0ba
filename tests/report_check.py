"""The HTML report as a browser's parser reads it.

Usage: report_check.py HALVEX_CALC EXAMPLE_PLAN WORK_DIR

Writes the worked example with a hostile title block, has `halvex-calc plan
--report` write its report, and reads that with html5lib's strict parser:
no parse error, only the elements and attributes the writer writes, the
plan's texts as text, nothing fetched, and the worked example's figures in
the text a reader sees.
"""

import json
import os
import subprocess
import sys

import html5lib

ELEMENTS = {
    "html", "head", "meta", "title", "style", "body", "section", "h1", "h2", "p", "div", "table", "caption",
    "colgroup", "col", "thead", "tbody", "tr", "th", "td",
    # the chart's SVG
    "svg", "rect", "line", "polyline", "polygon", "text", "circle",
}
ATTRIBUTES = {
    "lang", "charset", "class", "style", "aria-label",
    "width", "height", "viewBox", "font-family", "data-plot", "data-range", "x", "y", "x1", "y1", "x2", "y2",
    "points", "fill", "fill-opacity", "stroke", "stroke-width", "stroke-dasharray", "font-size",
    "text-anchor", "transform", "cx", "cy", "r", "stroke-linejoin",
}
HOSTILE_TITLE = "<script>alert(1)</script>"
HOSTILE_NOTES = "</svg><img src=x onerror=alert(1)>"
FIGURES = ["13.99", "0.1116", "16.13", "2.593", "6 min 38.6 s", "42848", "6 h 38 min 37.9 s", "36.71", "20.08",
           "9.80665", "The shaker can run this plan, binding on velocity at 13.99 Hz, margin 16.13."]


def local(tag):
    return tag.split("}", 1)[-1]


def main():
    calc, example, work = sys.argv[1:4]
    os.makedirs(work, exist_ok=True)
    with open(example, encoding="utf-8") as f:
        plan = json.load(f)
    plan["version"] = 2
    plan["report"] = {"title": HOSTILE_TITLE, "notes": HOSTILE_NOTES, "author": "a \"quoted\" & 'odd' name"}
    plan_path = os.path.join(work, "hostile.halvex-plan")
    with open(plan_path, "w", encoding="utf-8") as f:
        json.dump(plan, f)
    out = os.path.join(work, "hostile-report.html")
    env = dict(os.environ, SOURCE_DATE_EPOCH="1796083200")
    run = subprocess.run([calc, "plan", plan_path, "--report", out, "--paper", "letter"], env=env,
                         capture_output=True, text=True)
    problems = []
    if run.returncode != 0:
        print(run.stderr)
        return 1
    with open(out, "rb") as f:
        data = f.read()
    parser = html5lib.HTMLParser(strict=True, namespaceHTMLElements=True)
    try:
        tree = parser.parse(data)
    except html5lib.html5parser.ParseError as error:
        print("parse error:", error, parser.errors)
        return 1
    for element in tree.iter():
        name = local(element.tag) if isinstance(element.tag, str) else None
        if name is None:
            continue
        if name not in ELEMENTS:
            problems.append("element not written by the writer: " + name)
        for attribute, value in element.attrib.items():
            if local(attribute) not in ATTRIBUTES:
                problems.append("attribute not written by the writer: %s on %s" % (attribute, name))
            if "http" in value or "url(" in value:
                problems.append("an outside reference: %s=%r" % (attribute, value))
    # Each element's text a word apart, as lines of a paragraph read.
    body = [e for e in tree.iter() if isinstance(e.tag, str) and local(e.tag) == "body"][0]
    text = " ".join(" ".join(body.itertext()).split())
    headings = [e for e in tree.iter() if isinstance(e.tag, str) and local(e.tag) == "h1"]
    if not headings or "".join(headings[0].itertext()) != HOSTILE_TITLE:
        problems.append("the title is not its text")
    for needed in FIGURES + [HOSTILE_NOTES, "a \"quoted\" & 'odd' name", "Page 1 of", "2026-12-01"]:
        if needed not in text:
            problems.append("missing from the text: " + needed)
    if b"@page{size:letter" not in data:
        problems.append("the paper is not letter")
    for problem in problems:
        print(problem)
    print("%d bytes, %d problems" % (len(data), len(problems)))
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
