// Writes small PNG files of any colour type, bit depth and interlacing, so that
// decoder tests can state their input sample by sample.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace kxua::test {

namespace colour {
inline constexpr int Grey = 0, Rgb = 2, Palette = 3, GreyAlpha = 4, Rgba = 6;
}

struct PngImage {
  PngImage(int width, int height, int bitDepth, int colourType, bool interlaced = false,
          std::vector<unsigned> samples = {}, std::vector<std::uint8_t> palette = {},
          std::vector<std::uint8_t> transparency = {})
      : width(width), height(height), bitDepth(bitDepth), colourType(colourType),
        interlaced(interlaced), samples(std::move(samples)), palette(std::move(palette)),
        transparency(std::move(transparency)) {}

  int width;
  int height;
  int bitDepth;
  int colourType;
  bool interlaced;
  std::vector<unsigned> samples;           // row-major, the colour type's channels per pixel
  std::vector<std::uint8_t> palette;       // PLTE: red, green, blue per entry
  std::vector<std::uint8_t> transparency;  // tRNS as stored
};

std::vector<std::uint8_t> WritePng(const PngImage& image);

// A chunk with its length and CRC, to build damaged files from.
std::vector<std::uint8_t> Chunk(const std::string& type, const std::vector<std::uint8_t>& data);
std::vector<std::uint8_t> Ihdr(std::uint32_t width, std::uint32_t height, int bitDepth,
                               int colourType, bool interlaced);

}  // namespace kxua::test
