#pragma once

namespace halvex {

struct Point {
    int x;
    int y;
};

// Where a minimised window draws its icon: centred in the client area, with
// the division truncating toward zero (a 30-wide area and a 32-wide icon
// give x = 0, a 29-wide one x = -1).
constexpr Point IconDrawPosition(int clientWidth, int clientHeight, int iconWidth, int iconHeight) {
    return Point{(clientWidth - iconWidth + 1) / 2, (clientHeight - iconHeight + 1) / 2};
}

}  // namespace halvex
