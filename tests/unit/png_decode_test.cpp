// PNG decoding of the simulated platform: every colour type comes out as straight
// RGBA, and damaged or oversized input gives nothing instead of a crash.
#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <ostream>
#include <vector>

#include "platform/sim/sim_platform.h"
#include "png_writer.h"

namespace kxua {
namespace {

using test::PngImage;
namespace colour = test::colour;

std::optional<platform::Bitmap> Decode(const std::vector<std::uint8_t>& png) {
  sim::SimPlatform sim;
  return sim.DecodePng(png.data(), png.size());
}

struct DecodeCase {
  const char* name;
  PngImage image;
  std::vector<std::uint32_t> expected;  // 0xAARRGGBB, rows top-down

  friend void PrintTo(const DecodeCase& c, std::ostream* out) { *out << c.name; }
};

class DecodeTable : public ::testing::TestWithParam<DecodeCase> {};

TEST_P(DecodeTable, GivesTheExactPixels) {
  const DecodeCase& c = GetParam();
  auto bitmap = Decode(test::WritePng(c.image));
  ASSERT_TRUE(bitmap);
  EXPECT_EQ(bitmap->width, c.image.width);
  EXPECT_EQ(bitmap->height, c.image.height);
  EXPECT_EQ(bitmap->pixels, c.expected);
}

// A 5 x 5 picture whose every pixel differs, so that a pixel put in the wrong place
// by de-interlacing shows.
DecodeCase Interlaced() {
  DecodeCase c{"interlaced_rgb", {5, 5, 8, colour::Rgb, true}, {}};
  for (unsigned y = 0; y < 5; ++y)
    for (unsigned x = 0; x < 5; ++x) {
      const unsigned r = 40 * x, g = 40 * y, b = 7 * (x + 5 * y);
      c.image.samples.insert(c.image.samples.end(), {r, g, b});
      c.expected.push_back(0xFF000000u | r << 16 | g << 8 | b);
    }
  return c;
}

INSTANTIATE_TEST_SUITE_P(
    ColourTypes, DecodeTable,
    ::testing::Values(
        // 2-bit palette with partial transparency: entries past tRNS are opaque.
        DecodeCase{"palette_2bit_trns",
                   {3, 2, 2, colour::Palette, false, {0, 1, 2, 3, 2, 1},
                    {255, 0, 0, 0, 255, 0, 0, 0, 255, 255, 255, 255}, {255, 128, 0}},
                   {0xFFFF0000, 0x8000FF00, 0x000000FF, 0xFFFFFFFF, 0x000000FF, 0x8000FF00}},
        DecodeCase{"grey_alpha_8bit",
                   {2, 2, 8, colour::GreyAlpha, false, {0, 255, 255, 0, 128, 64, 17, 200}},
                   {0xFF000000, 0x00FFFFFF, 0x40808080, 0xC8111111}},
        DecodeCase{"grey_1bit",
                   {9, 1, 1, colour::Grey, false, {1, 0, 0, 1, 1, 0, 1, 0, 1}},
                   {0xFFFFFFFF, 0xFF000000, 0xFF000000, 0xFFFFFFFF, 0xFFFFFFFF, 0xFF000000,
                    0xFFFFFFFF, 0xFF000000, 0xFFFFFFFF}},
        // Samples of the form 0xXYXY are exactly XY in eight bits.
        DecodeCase{"rgba_16bit",
                   {2, 1, 16, colour::Rgba, false,
                    {0xABAB, 0x1212, 0xFFFF, 0x8080, 0x0000, 0x7F7F, 0x0101, 0xFFFF}},
                   {0x80AB12FF, 0xFF007F01}},
        // A colour key in tRNS makes that one RGB colour transparent.
        DecodeCase{"rgb_colour_key",
                   {2, 1, 8, colour::Rgb, false, {10, 20, 30, 10, 20, 31}, {},
                    {0, 10, 0, 20, 0, 30}},
                   {0x000A141E, 0xFF0A141F}},
        Interlaced()),
    [](const auto& info) { return std::string(info.param.name); });

std::vector<std::uint8_t> SmallRgba() {
  return test::WritePng({3, 2, 8, colour::Rgba, false,
                         {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20,
                          21, 22, 23, 24}});
}

TEST(PngDecode, EveryTruncationGivesNothing) {
  const auto png = SmallRgba();
  ASSERT_TRUE(Decode(png));
  for (std::size_t length = 0; length < png.size(); ++length) {
    std::vector<std::uint8_t> cut(png.begin(), png.begin() + length);
    EXPECT_FALSE(Decode(cut)) << "cut to " << length << " of " << png.size() << " bytes";
  }
}

TEST(PngDecode, DamagedInputGivesNothing) {
  const std::vector<std::uint8_t> signature = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  auto join = [](std::initializer_list<std::vector<std::uint8_t>> parts) {
    std::vector<std::uint8_t> out;
    for (const auto& part : parts) out.insert(out.end(), part.begin(), part.end());
    return out;
  };
  auto badCrc = SmallRgba();
  badCrc[8 + 8 + 4] ^= 0x01;  // a bit of the width, under the header's CRC
  const auto ihdr = test::Ihdr(3, 2, 8, colour::Rgba, false);
  const struct {
    const char* what;
    std::vector<std::uint8_t> bytes;
  } cases[] = {
      {"not a PNG", {'G', 'I', 'F', '8', '9', 'a', 0, 0, 0, 0}},
      {"header checksum wrong", badCrc},
      {"image data not deflate", join({signature, ihdr, test::Chunk("IDAT", {1, 2, 3, 4, 5, 6}),
                                       test::Chunk("IEND", {})})},
      {"no image data", join({signature, ihdr, test::Chunk("IEND", {})})},
      {"bit depth invalid for the colour type",
       join({signature, test::Ihdr(3, 2, 4, colour::Rgba, false), test::Chunk("IEND", {})})},
      {"palette picture without a palette",
       test::WritePng({1, 1, 8, colour::Palette, false, {0}})},
  };
  for (const auto& c : cases) EXPECT_FALSE(Decode(c.bytes)) << c.what;
}

TEST(PngDecode, SidesAboveTheLimitAreRefusedBeforeDecoding) {
  constexpr int limit = platform::Images::kLargestSide;
  PngImage atLimit{limit, 1, 8, colour::Grey};
  atLimit.samples.assign(limit, 7);
  auto decoded = Decode(test::WritePng(atLimit));
  ASSERT_TRUE(decoded);
  EXPECT_EQ(decoded->width, limit);

  PngImage wide = atLimit;
  wide.width = limit + 1;
  wide.samples.assign(limit + 1, 7);
  EXPECT_FALSE(Decode(test::WritePng(wide)));

  // A header that claims 100000 x 100000 pixels over a few bytes of data.
  const std::vector<std::uint8_t> signature = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  std::vector<std::uint8_t> huge = signature;
  for (const auto& chunk : {test::Ihdr(100000, 100000, 8, colour::Rgba, false),
                            test::Chunk("IDAT", {0x78, 0x9C, 0x03, 0x00}), test::Chunk("IEND", {})})
    huge.insert(huge.end(), chunk.begin(), chunk.end());
  EXPECT_FALSE(Decode(huge));
}

}  // namespace
}  // namespace kxua
