// PNG decoding of the simulation with libpng. Every colour type and bit depth comes
// out as 8-bit RGBA with straight alpha, as the system's decoder gives it. libpng
// reports errors by longjmp, so everything that owns memory lives outside the
// function that calls setjmp: a jump then skips no destructor.
#include <png.h>

#include <csetjmp>
#include <cstring>

#include "platform/sim/sim_platform.h"

namespace kxua::sim {

namespace {

// Larger ancillary chunks (text, colour profiles) are refused, not allocated.
constexpr png_alloc_size_t kLargestChunk = 1024 * 1024;

struct Input {
  const std::uint8_t* data;
  std::size_t size;
  std::size_t offset = 0;
};

struct Decoding {
  png_uint_32 width = 0;
  png_uint_32 height = 0;
  std::vector<std::uint32_t> pixels;
  std::vector<png_bytep> rows;
};

void ReadInput(png_structp png, png_bytep out, png_size_t count) {
  auto* input = static_cast<Input*>(png_get_io_ptr(png));
  if (count > input->size - input->offset) png_error(png, "truncated");
  std::memcpy(out, input->data + input->offset, count);
  input->offset += count;
}

void Fail(png_structp png, png_const_charp) { png_longjmp(png, 1); }
void Ignore(png_structp, png_const_charp) {}

// Fills `decoding`; false on any error libpng reports.
bool Decode(png_structp png, png_infop info, Decoding& decoding) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_set_user_limits(png, platform::Images::kLargestSide, platform::Images::kLargestSide);
  png_set_chunk_malloc_max(png, kLargestChunk);
  png_read_info(png, info);

  int bitDepth = 0, colourType = 0;
  png_get_IHDR(png, info, &decoding.width, &decoding.height, &bitDepth, &colourType, nullptr,
               nullptr, nullptr);
  if (decoding.width == 0 || decoding.height == 0 ||
      decoding.width > platform::Images::kLargestSide ||
      decoding.height > platform::Images::kLargestSide)
    return false;

  png_set_scale_16(png);
  png_set_packing(png);
  if (colourType == PNG_COLOR_TYPE_PALETTE) png_set_palette_to_rgb(png);
  if (colourType == PNG_COLOR_TYPE_GRAY && bitDepth < 8) png_set_expand_gray_1_2_4_to_8(png);
  if (png_get_valid(png, info, PNG_INFO_tRNS)) png_set_tRNS_to_alpha(png);
  if (colourType == PNG_COLOR_TYPE_GRAY || colourType == PNG_COLOR_TYPE_GRAY_ALPHA)
    png_set_gray_to_rgb(png);
  png_set_add_alpha(png, 0xFF, PNG_FILLER_AFTER);
  png_set_interlace_handling(png);
  png_read_update_info(png, info);
  if (png_get_rowbytes(png, info) != decoding.width * 4) return false;

  // Rows are read as R, G, B, A bytes into the pixel buffer and packed in place.
  decoding.pixels.resize(static_cast<std::size_t>(decoding.width) * decoding.height);
  decoding.rows.resize(decoding.height);
  for (png_uint_32 y = 0; y < decoding.height; ++y)
    decoding.rows[y] = reinterpret_cast<png_bytep>(&decoding.pixels[std::size_t{y} * decoding.width]);
  png_read_image(png, decoding.rows.data());
  png_read_end(png, nullptr);
  return true;
}

}  // namespace

std::optional<platform::Bitmap> SimPlatform::DecodePng(const std::uint8_t* data,
                                                       std::size_t size) {
  if (data == nullptr || size < 8 || png_sig_cmp(data, 0, 8) != 0) return std::nullopt;
  png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, Fail, Ignore);
  if (png == nullptr) return std::nullopt;
  png_infop info = png_create_info_struct(png);
  if (info == nullptr) {
    png_destroy_read_struct(&png, nullptr, nullptr);
    return std::nullopt;
  }
  Input input{data, size};
  png_set_read_fn(png, &input, ReadInput);
  Decoding decoding;
  const bool decoded = Decode(png, info, decoding);
  png_destroy_read_struct(&png, &info, nullptr);
  if (!decoded) return std::nullopt;

  platform::Bitmap bitmap;
  bitmap.width = static_cast<int>(decoding.width);
  bitmap.height = static_cast<int>(decoding.height);
  bitmap.pixels = std::move(decoding.pixels);
  for (std::uint32_t& pixel : bitmap.pixels) {
    std::uint8_t rgba[4];
    std::memcpy(rgba, &pixel, 4);
    pixel = std::uint32_t{rgba[3]} << 24 | std::uint32_t{rgba[0]} << 16 |
            std::uint32_t{rgba[1]} << 8 | rgba[2];
  }
  return bitmap;
}

}  // namespace kxua::sim
