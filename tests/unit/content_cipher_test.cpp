// The cipher of enciphered branding files: the standard's own test vector, round
// trips of every padding case, key lengths, and the quiet refusal of partial blocks.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/content_cipher.h"

namespace kxua {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes Sequence(std::size_t size, std::uint8_t first = 0) {
  Bytes bytes(size);
  for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<std::uint8_t>(first + i);
  return bytes;
}

Bytes Text(const std::string& text) { return Bytes(text.begin(), text.end()); }

Bytes ContentKeyBytes() { return Bytes(ContentKey().begin(), ContentKey().end()); }

TEST(ContentCipher, MatchesTheAes256ExampleOfFips197) {
  const Bytes key = Sequence(32);
  const Bytes plain = {0x00, 0x11, 0x22, 0x33, 0x44, 0x55, 0x66, 0x77,
                       0x88, 0x99, 0xAA, 0xBB, 0xCC, 0xDD, 0xEE, 0xFF};
  const Bytes cipher = {0x8E, 0xA2, 0xB7, 0xCA, 0x51, 0x67, 0x45, 0xBF,
                        0xEA, 0xFC, 0x49, 0x90, 0x4B, 0x49, 0x60, 0x89};
  EXPECT_EQ(cipher, EncipherBlocks(plain.data(), plain.size(), key));
  EXPECT_EQ(plain, DecipherBlocks(cipher.data(), cipher.size(), key));
}

TEST(ContentCipher, EachBlockIsEncipheredOnItsOwn) {
  const Bytes key = ContentKeyBytes();
  Bytes twice = Sequence(16);
  twice.insert(twice.end(), twice.begin(), twice.end());
  const auto cipher = EncipherBlocks(twice.data(), twice.size(), key);
  ASSERT_TRUE(cipher);
  EXPECT_TRUE(std::equal(cipher->begin(), cipher->begin() + 16, cipher->begin() + 16));
}

TEST(ContentCipher, RoundTripsPadTheLastBlockWithZeros) {
  const Bytes key = ContentKeyBytes();
  for (std::size_t size : {0u, 1u, 15u, 16u, 17u, 31u, 32u, 1000u}) {
    const Bytes plain = Sequence(size, 1);
    const auto cipher = EncipherBlocks(plain.data(), plain.size(), key);
    ASSERT_TRUE(cipher) << size;
    EXPECT_EQ((size + 15) / 16 * 16, cipher->size()) << size;
    Bytes padded = plain;
    padded.resize(cipher->size(), 0);
    EXPECT_EQ(padded, DecipherBlocks(cipher->data(), cipher->size(), key)) << size;
  }
}

TEST(ContentCipher, PartialBlocksAreRefused) {
  const Bytes key = ContentKeyBytes();
  for (std::size_t size : {1u, 15u, 17u, 33u}) {
    const Bytes cipher = Sequence(size);
    EXPECT_FALSE(DecipherBlocks(cipher.data(), cipher.size(), key)) << size;
  }
}

TEST(ContentCipher, ShortKeysArePaddedWithZerosAndLongKeysRefused) {
  const Bytes plain = Sequence(32);
  Bytes shortKey = Sequence(31, 1);
  Bytes padded = shortKey;
  padded.push_back(0);
  EXPECT_EQ(EncipherBlocks(plain.data(), plain.size(), padded),
            EncipherBlocks(plain.data(), plain.size(), shortKey));
  EXPECT_EQ(EncipherBlocks(plain.data(), plain.size(), Bytes(32, 0)),
            EncipherBlocks(plain.data(), plain.size(), Bytes()));
  const Bytes longKey = Sequence(33);
  EXPECT_FALSE(EncipherBlocks(plain.data(), plain.size(), longKey));
  EXPECT_FALSE(DecipherBlocks(plain.data(), plain.size(), longKey));
}

TEST(ContentCipher, PlainContentOfBrandingFiles) {
  const Bytes xml = Text("<a name=\"x\"/>");  // 13 bytes: the last block is padded
  const auto file = EncipherContent(xml);
  ASSERT_TRUE(file);
  ASSERT_EQ(10u + 16u, file->size());
  EXPECT_EQ(Text("zym-edata:"), Bytes(file->begin(), file->begin() + 10));
  EXPECT_EQ(xml, PlainContent(*file)) << "the zero padding is dropped";

  EXPECT_EQ(xml, PlainContent(xml)) << "a file without the marker is plain";
  EXPECT_EQ(Text("zym-edat"), PlainContent(Text("zym-edat")));
  EXPECT_EQ(Bytes(), PlainContent(Text("zym-edata:"))) << "nothing enciphered";

  Bytes cut = *file;
  cut.pop_back();
  EXPECT_FALSE(PlainContent(cut)) << "a truncated file";

  Bytes wrongKey = Text("zym-edata:");
  const auto other = EncipherBlocks(xml.data(), xml.size(), Bytes(32, 7));
  wrongKey.insert(wrongKey.end(), other->begin(), other->end());
  const auto garbled = PlainContent(wrongKey);
  ASSERT_TRUE(garbled) << "whole blocks always decipher";
  EXPECT_NE(xml, *garbled) << "but give other bytes, which the XML reader refuses";
}

}  // namespace
}  // namespace kxua
