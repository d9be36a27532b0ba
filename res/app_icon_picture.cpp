#include "res/app_icon_picture.h"

#include <cmath>

#include "res/resource_ids.h"

namespace res {
namespace {

void SineOverAxis(AppIconPicture& p, int side, double margin) {
    const bool small = side <= 32;
    const double s = side;
    const double middle = s / 2.0;
    const double left = margin;
    const double right = s + 1.0 - margin;
    p.guides.push_back(LineF{PointF{left, middle}, PointF{right, middle}});
    const double amplitude = s * (small ? 0.3 : 0.28);
    const int steps = small ? side * 2 : 96;
    const double pi = std::atan2(0.0, -1.0);
    for (int i = 0; i <= steps; ++i) {
        const double t = static_cast<double>(i) / steps;
        p.curve.push_back(PointF{left + (right - left) * t, middle - amplitude * std::sin(2.0 * pi * t)});
    }
}

// On the chart, constant displacement rises at 45 degrees and constant
// acceleration falls at 45 degrees; the profile climbs one, runs level and
// comes down the other.
void ProfileOverDiagonals(AppIconPicture& p, int side, double margin) {
    const double s = side;
    const double low = margin;
    const double high = s - margin;
    p.guides.push_back(LineF{PointF{low, high}, PointF{high, low}});
    p.guides.push_back(LineF{PointF{low, low}, PointF{high, high}});
    const double rise = s * 0.3;
    const double step = rise;  // 45 degrees: as far across as up
    const double level = s * 0.14;
    const double left = (s - 2.0 * step - level) / 2.0;
    const double bottom = (s + rise) / 2.0;
    p.curve = {PointF{left, bottom}, PointF{left + step, bottom - rise}, PointF{s - left - step, bottom - rise},
               PointF{s - left, bottom}};
}

}  // namespace

bool HasAppIconPicture(int iconId) { return iconId == IDR_MAINFRAME || iconId == IDR_PLANNER; }

AppIconPicture MakeAppIconPicture(int side, int iconId) {
    AppIconPicture p{};
    const bool small = side <= 32;
    const double s = side;
    p.smooth = !small;
    p.tileLeft = 0;
    p.tileTop = 0;
    p.tileSide = s;
    p.edgeWidth = small ? 1.0 : s / 32.0;
    p.cornerRadius = small ? 2.0 : s / 8.0;
    p.tile = Rgb{0x1d, 0x3a, 0x6e};
    p.tileEdge = Rgb{0x0b, 0x18, 0x33};
    p.guideWidth = small ? 1.0 : s / 32.0;
    p.guide = Rgb{0x7d, 0x9b, 0xcf};
    p.curveWidth = small ? (side <= 16 ? 1.5 : 2.5) : s / 11.0;
    p.curveColour = Rgb{0xff, 0xc8, 0x2e};

    const double margin = small ? (side <= 16 ? 2.0 : 4.0) : s / 8.0;
    if (iconId == IDR_PLANNER) {
        ProfileOverDiagonals(p, side, margin);
    } else {
        SineOverAxis(p, side, margin);
    }
    return p;
}

}  // namespace res
