#pragma once

// Dialog units to pixels, by the rule dialog templates were made for: a
// horizontal unit is a quarter of the font's average character width, a
// vertical one an eighth of its character height.
namespace ui::qt {

struct BaseUnits {
    int x;  // average character width, pixels
    int y;  // character height, pixels
};

// The average width is measured over the 52 letters A-Z and a-z, halved
// after dividing by 26 and rounded up from a half: (width / 26 + 1) / 2.
constexpr BaseUnits BaseUnitsFor(int alphabetWidth, int characterHeight) {
    return BaseUnits{(alphabetWidth / 26 + 1) / 2, characterHeight};
}

// a * b / c rounded to the nearest integer, halves away from zero.
constexpr int MulDiv(int a, int b, int c) {
    const long long product = static_cast<long long>(a) * b;
    const long long half = c / 2;
    return static_cast<int>(product >= 0 ? (product + half) / c : (product - half) / c);
}

constexpr int HorizontalPixels(int dialogUnits, BaseUnits units) { return MulDiv(dialogUnits, units.x, 4); }
constexpr int VerticalPixels(int dialogUnits, BaseUnits units) { return MulDiv(dialogUnits, units.y, 8); }

struct PixelRect {
    int x, y, width, height;
};

// A rectangle is converted by its edges, not by its size, so that controls
// that touch in dialog units touch in pixels instead of overlapping by one.
constexpr PixelRect ToPixels(int x, int y, int cx, int cy, BaseUnits units) {
    const int left = HorizontalPixels(x, units);
    const int top = VerticalPixels(y, units);
    return PixelRect{left, top, HorizontalPixels(x + cx, units) - left, VerticalPixels(y + cy, units) - top};
}

}  // namespace ui::qt
