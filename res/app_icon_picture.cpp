#include "res/app_icon_picture.h"

#include <cmath>

namespace res {

AppIconPicture MakeAppIconPicture(int side) {
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

    const double margin = small ? (side <= 16 ? 2.0 : 4.0) : s / 8.0;
    const double middle = s / 2.0;
    const double left = margin;
    const double right = s + 1.0 - margin;
    p.axisFrom = PointF{left, middle};
    p.axisTo = PointF{right, middle};
    p.axisWidth = small ? 1.0 : s / 32.0;
    p.axis = Rgb{0x7d, 0x9b, 0xcf};

    const double amplitude = s * (small ? 0.3 : 0.28);
    const int steps = small ? side * 2 : 96;
    const double pi = std::atan2(0.0, -1.0);
    for (int i = 0; i <= steps; ++i) {
        const double t = static_cast<double>(i) / steps;
        p.wave.push_back(PointF{left + (right - left) * t, middle - amplitude * std::sin(2.0 * pi * t)});
    }
    p.waveWidth = small ? (side <= 16 ? 1.5 : 2.5) : s / 11.0;
    p.waveColour = Rgb{0xff, 0xc8, 0x2e};
    return p;
}

}  // namespace res
