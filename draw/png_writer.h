#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// A PNG file from pixels, for backends that paint a picture but have no
// encoder of their own. Window-free.
namespace draw {

// The checksums PNG and zlib use; a running value continues with `start`.
std::uint32_t Crc32(const void* data, std::size_t size, std::uint32_t start = 0);
std::uint32_t Adler32(const void* data, std::size_t size, std::uint32_t start = 1);

// The bytes as a zlib stream: deflate with the fixed codes and matches
// found through a hash of three bytes, which suits pictures of flat colour.
std::string ZlibCompress(const std::uint8_t* data, std::size_t size);

// The whole file for an 8-bit RGB picture: `rgb` holds `height` rows of
// `width` pixels, three bytes each, top row first, `stride` bytes apart.
std::string EncodePng(int width, int height, const std::uint8_t* rgb, std::size_t stride);

}  // namespace draw
