// Branding files that the product ships enciphered: the marker "zym-edata:" followed
// by the content enciphered with AES-256 (FIPS-197) in ECB mode, each 16-byte block
// on its own, under the content key. The content is padded with zero bytes to whole
// blocks before it is enciphered, and the zero bytes at its end are dropped after it
// is deciphered: the files are UTF-8 text, which holds no zero bytes.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace kxua {

inline constexpr char kEncipheredMarker[] = "zym-edata:";
inline constexpr std::size_t kCipherBlockSize = 16;
inline constexpr std::size_t kContentKeySize = 32;

// The key that the product's enciphered files and the library share.
const std::array<std::uint8_t, kContentKeySize>& ContentKey();

// The blocks of `size` bytes at `data` run through AES-256-ECB. A key shorter than
// 32 bytes is padded with zero bytes. Nothing when the key is longer, when the input
// is not a whole number of blocks, or when the cipher library fails.
std::optional<std::vector<std::uint8_t>> DecipherBlocks(const std::uint8_t* data,
                                                        std::size_t size,
                                                        const std::vector<std::uint8_t>& key);
// The reverse; the input is padded with zero bytes to whole blocks first.
std::optional<std::vector<std::uint8_t>> EncipherBlocks(const std::uint8_t* data,
                                                        std::size_t size,
                                                        const std::vector<std::uint8_t>& key);

// The content of a branding file as text: deciphered under the content key and
// stripped of its padding when it starts with the marker, otherwise as it is.
// Nothing when an enciphered part is not a whole number of blocks.
std::optional<std::vector<std::uint8_t>> PlainContent(std::vector<std::uint8_t> file);

// A branding file in enciphered form: the marker and `plain` enciphered under the
// content key. Nothing when the cipher library fails.
std::optional<std::vector<std::uint8_t>> EncipherContent(const std::vector<std::uint8_t>& plain);

}  // namespace kxua
