"""Checks a chart SVG with an XML parser: well-formed, and its profile
polyline, mapped back through the plot's rectangle and ranges, passes
through the segment ends that chart_svg_tool printed."""
import math
import subprocess
import sys
import xml.etree.ElementTree as ET

tool, plan, out = sys.argv[1:4]
ends = subprocess.run([tool, plan, out], check=True, capture_output=True, text=True).stdout.split("\n")
ends = [tuple(float(w) for w in line.split()) for line in ends if line]

root = ET.parse(out).getroot()  # raises on text that is not well-formed XML
ns = "{http://www.w3.org/2000/svg}"
assert root.tag == ns + "svg", root.tag
left, top, width, height = (float(w) for w in root.get("data-plot").split())
x0, x1, y0, y1 = (float(w) for w in root.get("data-range").split())

profiles = [e for e in root.iter(ns + "polyline") if e.get("class") == "profile"]
assert len(profiles) == 1, len(profiles)
points = []
for pair in profiles[0].get("points").split():
    px, py = (float(w) for w in pair.split(","))
    points.append((10 ** (x0 + (px - left) / width * (x1 - x0)), 10 ** (y1 - (py - top) / height * (y1 - y0))))

# The polyline joins segment ends that meet; every end is one of its vertices.
for f, v in ends:
    near = [p for p in points if abs(math.log10(p[0] / f)) < 1e-4 and abs(math.log10(p[1] / v)) < 1e-4]
    assert near, f"segment end {f} Hz {v} m/s not on the profile polyline {points}"
assert len(points) <= len(ends), points
texts = [e.text for e in root.iter(ns + "text")]
assert "1 g" in texts and "Frequency (Hz)" in texts, texts
print(f"ok: {len(points)} profile vertices, {sum(1 for _ in root.iter())} elements")
