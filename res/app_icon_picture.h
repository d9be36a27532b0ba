#pragma once

#include <vector>

// The program's icon as a picture every backend paints the same way: one
// period of a sine wave over its axis, on a dark blue tile. Coordinates are
// pixels in a square of the given side; small sizes (32 and under) are drawn
// unsmoothed on whole pixels.
namespace res {

struct Rgb {
    unsigned char r, g, b;
};

struct PointF {
    double x, y;
};

struct AppIconPicture {
    bool smooth;
    // The tile: a rounded square inset by half its edge width.
    double tileLeft, tileTop, tileSide;
    double edgeWidth, cornerRadius;
    Rgb tile, tileEdge;
    // The axis, a straight line, and the wave over it, a polyline.
    PointF axisFrom, axisTo;
    double axisWidth;
    Rgb axis;
    std::vector<PointF> wave;
    double waveWidth;
    Rgb waveColour;
};

AppIconPicture MakeAppIconPicture(int side);

}  // namespace res
