// kxua-encipher INPUT OUTPUT: writes INPUT as the product ships an enciphered
// branding file (the marker "zym-edata:" and the content under the content key).
#include <cstdio>
#include <fstream>
#include <iterator>
#include <vector>

#include "model/content_cipher.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: kxua-encipher INPUT OUTPUT\n");
    return 2;
  }
  std::ifstream in(argv[1], std::ios::binary);
  if (!in) {
    std::fprintf(stderr, "kxua-encipher: cannot read %s\n", argv[1]);
    return 1;
  }
  const std::vector<std::uint8_t> plain((std::istreambuf_iterator<char>(in)),
                                        std::istreambuf_iterator<char>());
  const auto file = kxua::EncipherContent(plain);
  if (!file) {
    std::fprintf(stderr, "kxua-encipher: the cipher library failed\n");
    return 1;
  }
  std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(file->data()), static_cast<std::streamsize>(file->size()));
  if (!out) {
    std::fprintf(stderr, "kxua-encipher: cannot write %s\n", argv[2]);
    return 1;
  }
  return 0;
}
