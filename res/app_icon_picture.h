#pragma once

#include <vector>

// The programs' icons as pictures every backend paints the same way, on one
// dark blue tile: the calculator's is one period of a sine wave over its
// axis; the planner's is a sine test profile (rising at constant
// displacement, level at constant velocity, falling at constant
// acceleration) over the crossing diagonals of the four-coordinate chart.
// Coordinates are pixels in a square of the given side; small sizes (32 and
// under) are drawn unsmoothed on whole pixels.
namespace res {

struct Rgb {
    unsigned char r, g, b;
};

struct PointF {
    double x, y;
};

struct LineF {
    PointF from, to;
};

struct AppIconPicture {
    bool smooth;
    // The tile: a rounded square inset by half its edge width.
    double tileLeft, tileTop, tileSide;
    double edgeWidth, cornerRadius;
    Rgb tile, tileEdge;
    // Thin straight guides (the axis, or the chart's diagonals), and the
    // curve over them, a polyline.
    std::vector<LineF> guides;
    double guideWidth;
    Rgb guide;
    std::vector<PointF> curve;
    double curveWidth;
    Rgb curveColour;
};

// Whether the icon resource of that id is one of these pictures.
bool HasAppIconPicture(int iconId);
// The picture of an icon resource: IDR_PLANNER's, or else the calculator's
// (IDR_MAINFRAME).
AppIconPicture MakeAppIconPicture(int side, int iconId);

}  // namespace res
