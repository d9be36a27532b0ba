#include "draw/png_writer.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <vector>

namespace draw {
namespace {

constexpr std::size_t kWindow = 32768;  // deflate's farthest match
constexpr std::size_t kMinMatch = 3;
constexpr std::size_t kMaxMatch = 258;
constexpr int kHashBits = 15;
constexpr int kChainLimit = 48;  // candidates tried per position: enough for flat pictures

constexpr std::array<std::uint16_t, 29> kLengthBase = {3,  4,  5,  6,  7,  8,  9,  10, 11,  13,  15,  17,  19,  23, 27,
                                                       31, 35, 43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 258};
constexpr std::array<std::uint8_t, 29> kLengthExtra = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                                                       2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
constexpr std::array<std::uint16_t, 30> kDistanceBase = {1,    2,    3,    4,    5,    7,    9,    13,    17,    25,
                                                         33,   49,   65,   97,   129,  193,  257,  385,   513,   769,
                                                         1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577};
constexpr std::array<std::uint8_t, 30> kDistanceExtra = {0, 0, 0, 0, 1, 1, 2, 2,  3,  3,  4,  4,  5,  5,  6,
                                                         6, 7, 7, 8, 8, 9, 9, 10, 10, 11, 11, 12, 12, 13, 13};

std::array<std::uint32_t, 256> CrcTable() {
    std::array<std::uint32_t, 256> table{};
    for (std::uint32_t n = 0; n < 256; ++n) {
        std::uint32_t c = n;
        for (int k = 0; k < 8; ++k) c = (c & 1) != 0 ? 0xedb88320u ^ (c >> 1) : c >> 1;
        table[n] = c;
    }
    return table;
}

// Deflate's bits go out least significant first; Huffman codes, most
// significant first, are reversed on the way in.
class BitWriter {
public:
    explicit BitWriter(std::string& out) : m_out(out) {}

    void Bits(std::uint32_t value, int count) {
        m_buffer |= static_cast<std::uint64_t>(value) << m_count;
        m_count += count;
        while (m_count >= 8) {
            m_out.push_back(static_cast<char>(m_buffer & 0xff));
            m_buffer >>= 8;
            m_count -= 8;
        }
    }

    void Code(std::uint32_t code, int length) {
        std::uint32_t reversed = 0;
        for (int i = 0; i < length; ++i) reversed |= ((code >> i) & 1u) << (length - 1 - i);
        Bits(reversed, length);
    }

    void Flush() {
        if (m_count > 0) Bits(0, 8 - m_count);
    }

private:
    std::string& m_out;
    std::uint64_t m_buffer = 0;
    int m_count = 0;
};

// The fixed literal/length code of a symbol from 0 to 287.
void FixedSymbol(BitWriter& bits, int symbol) {
    if (symbol < 144) {
        bits.Code(static_cast<std::uint32_t>(0x30 + symbol), 8);
    } else if (symbol < 256) {
        bits.Code(static_cast<std::uint32_t>(0x190 + symbol - 144), 9);
    } else if (symbol < 280) {
        bits.Code(static_cast<std::uint32_t>(symbol - 256), 7);
    } else {
        bits.Code(static_cast<std::uint32_t>(0xc0 + symbol - 280), 8);
    }
}

void Match(BitWriter& bits, std::size_t length, std::size_t distance) {
    std::size_t code = kLengthBase.size() - 1;
    while (kLengthBase[code] > length) --code;
    FixedSymbol(bits, static_cast<int>(257 + code));
    bits.Bits(static_cast<std::uint32_t>(length - kLengthBase[code]), kLengthExtra[code]);
    code = kDistanceBase.size() - 1;
    while (kDistanceBase[code] > distance) --code;
    bits.Code(static_cast<std::uint32_t>(code), 5);
    bits.Bits(static_cast<std::uint32_t>(distance - kDistanceBase[code]), kDistanceExtra[code]);
}

std::uint32_t Hash(const std::uint8_t* p) {
    const std::uint32_t v = static_cast<std::uint32_t>(p[0]) << 16 | static_cast<std::uint32_t>(p[1]) << 8 | p[2];
    return (v * 2654435761u) >> (32 - kHashBits);
}

// One final block with the fixed codes, greedy matching over hash chains.
void Deflate(BitWriter& bits, const std::uint8_t* data, std::size_t size) {
    bits.Bits(1, 1);  // the last block
    bits.Bits(1, 2);  // fixed codes
    constexpr std::size_t kNone = static_cast<std::size_t>(-1);
    std::vector<std::size_t> head(std::size_t{1} << kHashBits, kNone);
    std::vector<std::size_t> previous(kWindow, kNone);
    auto insert = [&](std::size_t at) {
        if (at + kMinMatch > size) return;
        const std::uint32_t h = Hash(data + at);
        previous[at % kWindow] = head[h];
        head[h] = at;
    };
    std::size_t at = 0;
    while (at < size) {
        std::size_t bestLength = 0;
        std::size_t bestDistance = 0;
        if (at + kMinMatch <= size) {
            const std::size_t limit = std::min(kMaxMatch, size - at);
            std::size_t candidate = head[Hash(data + at)];
            for (int tries = 0; tries < kChainLimit && candidate != kNone && at - candidate <= kWindow; ++tries) {
                std::size_t length = 0;
                while (length < limit && data[candidate + length] == data[at + length]) ++length;
                if (length > bestLength) {
                    bestLength = length;
                    bestDistance = at - candidate;
                    if (length == limit) break;
                }
                const std::size_t next = previous[candidate % kWindow];
                if (next == kNone || next >= candidate) break;  // the slot was reused by a newer position
                candidate = next;
            }
        }
        if (bestLength >= kMinMatch) {
            Match(bits, bestLength, bestDistance);
            for (std::size_t i = 0; i < bestLength; ++i) insert(at + i);
            at += bestLength;
        } else {
            FixedSymbol(bits, data[at]);
            insert(at);
            ++at;
        }
    }
    FixedSymbol(bits, 256);
    bits.Flush();
}

void BigEndian(std::string& out, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<char>((value >> shift) & 0xff));
}

void Chunk(std::string& out, const char* type, const std::string& data) {
    BigEndian(out, static_cast<std::uint32_t>(data.size()));
    const std::size_t start = out.size();
    out.append(type, 4);
    out += data;
    BigEndian(out, Crc32(out.data() + start, out.size() - start));
}

int Paeth(int a, int b, int c) {
    const int p = a + b - c;
    const int pa = std::abs(p - a), pb = std::abs(p - b), pc = std::abs(p - c);
    if (pa <= pb && pa <= pc) return a;
    return pb <= pc ? b : c;
}

// A row filtered each of the five ways; the one whose bytes, read as signed,
// sum smallest usually compresses best.
void FilterRow(const std::uint8_t* row, const std::uint8_t* above, std::size_t length, std::vector<std::uint8_t>& out) {
    constexpr std::size_t kPixel = 3;
    std::vector<std::uint8_t> best, trial(length + 1);
    long bestCost = -1;
    for (std::uint8_t type = 0; type < 5; ++type) {
        trial[0] = type;
        long cost = 0;
        for (std::size_t i = 0; i < length; ++i) {
            const int a = i >= kPixel ? row[i - kPixel] : 0;
            const int b = above != nullptr ? above[i] : 0;
            const int c = i >= kPixel && above != nullptr ? above[i - kPixel] : 0;
            const int predicted = type == 0   ? 0
                                  : type == 1 ? a
                                  : type == 2 ? b
                                  : type == 3 ? (a + b) / 2
                                              : Paeth(a, b, c);
            const auto value = static_cast<std::uint8_t>(row[i] - predicted);
            trial[i + 1] = value;
            cost += value < 128 ? value : 256 - value;
        }
        if (bestCost < 0 || cost < bestCost) {
            bestCost = cost;
            best = trial;
        }
    }
    out.insert(out.end(), best.begin(), best.end());
}

}  // namespace

std::uint32_t Crc32(const void* data, std::size_t size, std::uint32_t start) {
    static const std::array<std::uint32_t, 256> kTable = CrcTable();
    const auto* bytes = static_cast<const std::uint8_t*>(data);
    std::uint32_t c = start ^ 0xffffffffu;
    for (std::size_t i = 0; i < size; ++i) c = kTable[(c ^ bytes[i]) & 0xff] ^ (c >> 8);
    return c ^ 0xffffffffu;
}

std::uint32_t Adler32(const void* data, std::size_t size, std::uint32_t start) {
    constexpr std::uint32_t kModulus = 65521;
    const auto* bytes = static_cast<const std::uint8_t*>(data);
    std::uint32_t a = start & 0xffff, b = start >> 16;
    for (std::size_t i = 0; i < size; ++i) {
        a = (a + bytes[i]) % kModulus;
        b = (b + a) % kModulus;
    }
    return b << 16 | a;
}

std::string ZlibCompress(const std::uint8_t* data, std::size_t size) {
    std::string out;
    out.push_back(0x78);  // deflate with a 32 KiB window
    out.push_back(0x01);  // no dictionary, fastest; the pair is a multiple of 31
    BitWriter bits(out);
    Deflate(bits, data, size);
    BigEndian(out, Adler32(data, size));
    return out;
}

std::string EncodePng(int width, int height, const std::uint8_t* rgb, std::size_t stride) {
    const auto rowBytes = static_cast<std::size_t>(width) * 3;
    std::vector<std::uint8_t> filtered;
    filtered.reserve((rowBytes + 1) * static_cast<std::size_t>(height));
    for (int y = 0; y < height; ++y) {
        const std::uint8_t* row = rgb + static_cast<std::size_t>(y) * stride;
        FilterRow(row, y > 0 ? row - stride : nullptr, rowBytes, filtered);
    }
    std::string header;
    BigEndian(header, static_cast<std::uint32_t>(width));
    BigEndian(header, static_cast<std::uint32_t>(height));
    header += std::string("\x08\x02\x00\x00\x00", 5);  // 8 bits, RGB, deflate, adaptive filters, no interlace
    std::string png("\x89PNG\r\n\x1a\n", 8);
    Chunk(png, "IHDR", header);
    Chunk(png, "IDAT", ZlibCompress(filtered.data(), filtered.size()));
    Chunk(png, "IEND", {});
    return png;
}

}  // namespace draw
