// PNG decoding and encoding of the simulation with libpng. Every colour type and
// bit depth comes out as 8-bit RGBA with straight alpha, as the system's decoder
// gives it; pictures are written the same way. libpng reports errors by longjmp, so
// everything that owns memory lives outside the functions that call setjmp: a jump
// then skips no destructor.
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

void WriteOutput(png_structp png, png_bytep data, png_size_t count) {
  auto* out = static_cast<std::vector<std::uint8_t>*>(png_get_io_ptr(png));
  out->insert(out->end(), data, data + count);
}

void FlushOutput(png_structp) {}

// Writes `rows` (R, G, B, A bytes each) to `out`; false on any error libpng reports.
bool Encode(png_structp png, png_infop info, const platform::Bitmap& bitmap,
            std::vector<png_bytep>& rows, std::vector<std::uint8_t>& out) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_set_write_fn(png, &out, WriteOutput, FlushOutput);
  png_set_IHDR(png, info, static_cast<png_uint_32>(bitmap.width),
               static_cast<png_uint_32>(bitmap.height), 8, PNG_COLOR_TYPE_RGB_ALPHA,
               PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  png_write_image(png, rows.data());
  png_write_end(png, nullptr);
  return true;
}

}  // namespace

std::vector<std::uint8_t> SimPlatform::EncodePng(const platform::Bitmap& bitmap) {
  if (!Encodable(bitmap)) return {};
  std::vector<std::uint8_t> rgba(static_cast<std::size_t>(bitmap.width) * bitmap.height * 4);
  for (std::size_t i = 0; i < rgba.size() / 4; ++i) {
    const std::uint32_t pixel = bitmap.pixels[i];
    rgba[i * 4] = static_cast<std::uint8_t>(pixel >> 16);
    rgba[i * 4 + 1] = static_cast<std::uint8_t>(pixel >> 8);
    rgba[i * 4 + 2] = static_cast<std::uint8_t>(pixel);
    rgba[i * 4 + 3] = static_cast<std::uint8_t>(pixel >> 24);
  }
  std::vector<png_bytep> rows(static_cast<std::size_t>(bitmap.height));
  for (std::size_t y = 0; y < rows.size(); ++y) rows[y] = &rgba[y * bitmap.width * 4];

  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, Fail, Ignore);
  if (png == nullptr) return {};
  png_infop info = png_create_info_struct(png);
  std::vector<std::uint8_t> out;
  const bool encoded = info != nullptr && Encode(png, info, bitmap, rows, out);
  png_destroy_write_struct(&png, info != nullptr ? &info : nullptr);
  if (!encoded) return {};
  return out;
}

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
