// The PNG encoder's checksums against their published check values; the
// files themselves are read back by an independent decoder (png_check.py).
#include <gtest/gtest.h>

#include <string>

#include "draw/png_writer.h"

namespace {

TEST(PngWriter, ChecksumsMatchTheirPublishedValues) {
    struct Case {
        const char* name;
        std::string data;
        std::uint32_t crc;
        std::uint32_t adler;
    };
    // CRC-32 of "123456789" is the standard check value; "IEND" is the
    // CRC every PNG file ends with; Adler-32 of "Wikipedia" is the worked
    // example of its description; of nothing, the starting values.
    const Case cases[] = {
        {"check string", "123456789", 0xcbf43926u, 0x091e01deu},
        {"IEND", "IEND", 0xae426082u, 0x02d70121u},
        {"Wikipedia", "Wikipedia", 0xadaac02eu, 0x11e60398u},
        {"empty", "", 0x00000000u, 0x00000001u},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(draw::Crc32(c.data.data(), c.data.size()), c.crc) << c.name;
        EXPECT_EQ(draw::Adler32(c.data.data(), c.data.size()), c.adler) << c.name;
        // Continued across a split, as a chunk's CRC runs over type and data.
        const std::size_t half = c.data.size() / 2;
        EXPECT_EQ(draw::Crc32(c.data.data() + half, c.data.size() - half, draw::Crc32(c.data.data(), half)), c.crc)
            << c.name;
        EXPECT_EQ(draw::Adler32(c.data.data() + half, c.data.size() - half, draw::Adler32(c.data.data(), half)),
                  c.adler)
            << c.name;
    }
}

// A white picture is one colour run: it must come out far smaller than its
// pixels, or the encoder is storing rather than compressing.
TEST(PngWriter, AFlatPictureCompresses) {
    constexpr std::size_t kRow = std::size_t{800} * 3;
    const std::string white(kRow * 600, '\xff');
    const std::string png = draw::EncodePng(800, 600, reinterpret_cast<const std::uint8_t*>(white.data()), kRow);
    ASSERT_GT(png.size(), 8u);
    EXPECT_EQ(png.substr(0, 8), std::string("\x89PNG\r\n\x1a\n", 8));
    EXPECT_LT(png.size(), white.size() / 100);
}

}  // namespace
