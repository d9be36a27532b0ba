// Writes test pictures as NAME.png beside their pixels as NAME.rgb, and
// prints "NAME WIDTH HEIGHT" for each, for tests/png_check.py to decode and
// compare.
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "draw/png_writer.h"

namespace {

struct Picture {
    const char* name;
    int width;
    int height;
    std::vector<std::uint8_t> rgb;
};

// Each shape exercises a part of the encoder: runs and long matches (flat),
// literals (noise), matches far back in the window (stripes, over 32 KiB),
// and the smallest picture there is.
std::vector<Picture> Pictures() {
    std::vector<Picture> pictures;
    Picture flat{"flat", 200, 150, {}};
    for (int y = 0; y < flat.height; ++y) {
        for (int x = 0; x < flat.width; ++x) {
            const bool line = x == y || y == 40 || x % 50 == 7;
            flat.rgb.insert(flat.rgb.end(), {static_cast<std::uint8_t>(line ? 0x00 : 0xff),
                                             static_cast<std::uint8_t>(line ? 0x30 : 0xff),
                                             static_cast<std::uint8_t>(line ? 0xa0 : 0xff)});
        }
    }
    pictures.push_back(flat);
    Picture noise{"noise", 37, 23, {}};
    std::uint32_t state = 12345;
    for (int i = 0; i < noise.width * noise.height * 3; ++i) {
        state = state * 1103515245u + 12345u;
        noise.rgb.push_back(static_cast<std::uint8_t>(state >> 16));
    }
    pictures.push_back(noise);
    Picture stripes{"stripes", 301, 199, {}};
    for (int y = 0; y < stripes.height; ++y) {
        for (int x = 0; x < stripes.width * 3; ++x) {
            stripes.rgb.push_back(static_cast<std::uint8_t>((x * 7 + (y / 3) * 13) % 251));
        }
    }
    pictures.push_back(stripes);
    pictures.push_back(Picture{"tiny", 1, 1, {0x12, 0x34, 0x56}});
    return pictures;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: png_tool DIR\n");
        return 2;
    }
    const std::string dir = argv[1];
    for (const Picture& p : Pictures()) {
        const std::string png = draw::EncodePng(p.width, p.height, p.rgb.data(), static_cast<std::size_t>(p.width) * 3);
        std::ofstream(dir + "/" + p.name + ".png", std::ios::binary) << png;
        std::ofstream(dir + "/" + p.name + ".rgb", std::ios::binary)
            .write(reinterpret_cast<const char*>(p.rgb.data()), static_cast<std::streamsize>(p.rgb.size()));
        std::printf("%s %d %d\n", p.name, p.width, p.height);
    }
    return 0;
}
