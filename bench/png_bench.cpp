// The PNG encoder on a picture the size of an exported chart (1600 x 1200):
// white, a grid, dashed diagonals and small blocks of mixed pixels where the
// labels would be. Export must feel immediate (aim: under 200 ms).
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdlib>
#include <vector>

#include "draw/png_writer.h"

namespace {

std::vector<std::uint8_t> ChartLikePicture(int width, int height) {
    std::vector<std::uint8_t> rgb(static_cast<std::size_t>(width) * height * 3, 0xff);
    auto set = [&](int x, int y, std::uint8_t r, std::uint8_t g, std::uint8_t b) {
        std::uint8_t* p = &rgb[(static_cast<std::size_t>(y) * width + x) * 3];
        p[0] = r;
        p[1] = g;
        p[2] = b;
    };
    std::uint32_t state = 1;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            if (x % 80 == 0 || y % 80 == 0) set(x, y, 0xd8, 0xd8, 0xd8);
            if (std::abs((x + y) % 200 - 100) < 2 && (x / 10) % 2 == 0) set(x, y, 0xbf, 0x7f, 0x3f);
            if (x % 160 < 40 && y % 240 < 12) {
                state = state * 1103515245u + 12345u;
                const auto grey = static_cast<std::uint8_t>(state >> 24);
                set(x, y, grey, grey, grey);
            }
        }
    }
    return rgb;
}

void BM_EncodePng(benchmark::State& state) {
    constexpr int kWidth = 1600, kHeight = 1200;
    const std::vector<std::uint8_t> rgb = ChartLikePicture(kWidth, kHeight);
    for (auto _ : state) {
        benchmark::DoNotOptimize(draw::EncodePng(kWidth, kHeight, rgb.data(), kWidth * 3));
    }
}
BENCHMARK(BM_EncodePng)->Unit(benchmark::kMillisecond);

}  // namespace
