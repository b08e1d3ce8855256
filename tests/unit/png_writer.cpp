#include "png_writer.h"

#include <zlib.h>

namespace kxua::test {

namespace {

int Channels(int colourType) {
  switch (colourType) {
    case colour::Rgb: return 3;
    case colour::GreyAlpha: return 2;
    case colour::Rgba: return 4;
    default: return 1;
  }
}

void Append(std::vector<std::uint8_t>& out, const std::vector<std::uint8_t>& more) {
  out.insert(out.end(), more.begin(), more.end());
}

void AppendBigEndian(std::vector<std::uint8_t>& out, std::uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<std::uint8_t>(value >> shift));
}

// One filtered (filter 0) scanline per row of the pixels at x0 + k*dx, y0 + j*dy.
void AppendSubImage(const PngImage& image, int x0, int y0, int dx, int dy,
                    std::vector<std::uint8_t>& raw) {
  const int channels = Channels(image.colourType);
  for (int y = y0; y < image.height; y += dy) {
    if (x0 >= image.width) return;
    raw.push_back(0);
    unsigned bits = 0, used = 0;
    for (int x = x0; x < image.width; x += dx) {
      for (int c = 0; c < channels; ++c) {
        const unsigned sample = image.samples[(std::size_t(y) * image.width + x) * channels + c];
        if (image.bitDepth == 16) {
          raw.push_back(static_cast<std::uint8_t>(sample >> 8));
          raw.push_back(static_cast<std::uint8_t>(sample));
        } else if (image.bitDepth == 8) {
          raw.push_back(static_cast<std::uint8_t>(sample));
        } else {
          bits = bits << image.bitDepth | sample;
          used += image.bitDepth;
          if (used == 8) {
            raw.push_back(static_cast<std::uint8_t>(bits));
            bits = used = 0;
          }
        }
      }
    }
    if (used > 0) raw.push_back(static_cast<std::uint8_t>(bits << (8 - used)));
  }
}

}  // namespace

std::vector<std::uint8_t> Chunk(const std::string& type, const std::vector<std::uint8_t>& data) {
  std::vector<std::uint8_t> out;
  AppendBigEndian(out, static_cast<std::uint32_t>(data.size()));
  std::vector<std::uint8_t> body(type.begin(), type.end());
  Append(body, data);
  Append(out, body);
  AppendBigEndian(out, static_cast<std::uint32_t>(crc32(0, body.data(), static_cast<uInt>(body.size()))));
  return out;
}

std::vector<std::uint8_t> Ihdr(std::uint32_t width, std::uint32_t height, int bitDepth,
                               int colourType, bool interlaced) {
  std::vector<std::uint8_t> data;
  AppendBigEndian(data, width);
  AppendBigEndian(data, height);
  Append(data, {static_cast<std::uint8_t>(bitDepth), static_cast<std::uint8_t>(colourType), 0, 0,
                static_cast<std::uint8_t>(interlaced ? 1 : 0)});
  return Chunk("IHDR", data);
}

std::vector<std::uint8_t> WritePng(const PngImage& image) {
  std::vector<std::uint8_t> raw;
  if (image.interlaced) {
    static const int passes[7][4] = {{0, 0, 8, 8}, {4, 0, 8, 8}, {0, 4, 4, 8}, {2, 0, 4, 4},
                                     {0, 2, 2, 4}, {1, 0, 2, 2}, {0, 1, 1, 2}};
    for (const auto& p : passes) AppendSubImage(image, p[0], p[1], p[2], p[3], raw);
  } else {
    AppendSubImage(image, 0, 0, 1, 1, raw);
  }
  uLongf packedSize = compressBound(static_cast<uLong>(raw.size()));
  std::vector<std::uint8_t> packed(packedSize);
  compress(packed.data(), &packedSize, raw.data(), static_cast<uLong>(raw.size()));
  packed.resize(packedSize);

  std::vector<std::uint8_t> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  Append(png, Ihdr(image.width, image.height, image.bitDepth, image.colourType, image.interlaced));
  if (!image.palette.empty()) Append(png, Chunk("PLTE", image.palette));
  if (!image.transparency.empty()) Append(png, Chunk("tRNS", image.transparency));
  Append(png, Chunk("IDAT", packed));
  Append(png, Chunk("IEND", {}));
  return png;
}

}  // namespace kxua::test
