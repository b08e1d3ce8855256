#include "model/content_cipher.h"

#include <gcrypt.h>

#include <algorithm>
#include <cstring>

namespace kxua {

namespace {

constexpr std::size_t kMarkerLength = sizeof(kEncipheredMarker) - 1;

// The library must be initialised once before use, unless the host process already
// did (the product may use it too).
bool CipherLibraryReady() {
  static const bool ready = [] {
    if (gcry_control(GCRYCTL_INITIALIZATION_FINISHED_P)) return true;
    if (gcry_check_version(GCRYPT_VERSION) == nullptr) return false;
    gcry_control(GCRYCTL_DISABLE_SECMEM, 0);
    gcry_control(GCRYCTL_INITIALIZATION_FINISHED, 0);
    return true;
  }();
  return ready;
}

class Cipher {
 public:
  explicit Cipher(const std::vector<std::uint8_t>& key) {
    if (key.size() > kContentKeySize || !CipherLibraryReady()) return;
    std::array<std::uint8_t, kContentKeySize> padded{};
    std::copy(key.begin(), key.end(), padded.begin());
    if (gcry_cipher_open(&handle_, GCRY_CIPHER_AES256, GCRY_CIPHER_MODE_ECB, 0) != 0) {
      handle_ = nullptr;
      return;
    }
    if (gcry_cipher_setkey(handle_, padded.data(), padded.size()) != 0) Close();
  }
  ~Cipher() { Close(); }
  Cipher(const Cipher&) = delete;
  Cipher& operator=(const Cipher&) = delete;

  // Runs whole blocks in place.
  bool Decipher(std::vector<std::uint8_t>& blocks) {
    return handle_ != nullptr &&
           (blocks.empty() ||
            gcry_cipher_decrypt(handle_, blocks.data(), blocks.size(), nullptr, 0) == 0);
  }
  bool Encipher(std::vector<std::uint8_t>& blocks) {
    return handle_ != nullptr &&
           (blocks.empty() ||
            gcry_cipher_encrypt(handle_, blocks.data(), blocks.size(), nullptr, 0) == 0);
  }

 private:
  void Close() {
    if (handle_ != nullptr) gcry_cipher_close(handle_);
    handle_ = nullptr;
  }
  gcry_cipher_hd_t handle_ = nullptr;
};

}  // namespace

const std::array<std::uint8_t, kContentKeySize>& ContentKey() {
  static constexpr std::array<std::uint8_t, kContentKeySize> key = {
      0xEE, 0x8F, 0xFB, 0x8E, 0x9B, 0xA4, 0xC3, 0x23, 0xBA, 0x29, 0xFF,
      0x8B, 0x8C, 0xA6, 0x31, 0xA1, 0x56, 0x7C, 0x81, 0x8F, 0x37, 0xA7,
      0xBB, 0x08, 0x94, 0x36, 0x1B, 0x76, 0xDB, 0x43, 0x3A, 0xF4};
  return key;
}

std::optional<std::vector<std::uint8_t>> DecipherBlocks(const std::uint8_t* data,
                                                        std::size_t size,
                                                        const std::vector<std::uint8_t>& key) {
  // A partial block cannot be deciphered: padding it would only make up its plain text.
  if (size % kCipherBlockSize != 0) return std::nullopt;
  std::vector<std::uint8_t> blocks(data, data + size);
  Cipher cipher(key);
  if (!cipher.Decipher(blocks)) return std::nullopt;
  return blocks;
}

std::optional<std::vector<std::uint8_t>> EncipherBlocks(const std::uint8_t* data,
                                                        std::size_t size,
                                                        const std::vector<std::uint8_t>& key) {
  std::vector<std::uint8_t> blocks(data, data + size);
  blocks.resize((size + kCipherBlockSize - 1) / kCipherBlockSize * kCipherBlockSize, 0);
  Cipher cipher(key);
  if (!cipher.Encipher(blocks)) return std::nullopt;
  return blocks;
}

std::optional<std::vector<std::uint8_t>> PlainContent(std::vector<std::uint8_t> file) {
  if (file.size() < kMarkerLength ||
      std::memcmp(file.data(), kEncipheredMarker, kMarkerLength) != 0)
    return file;
  const std::vector<std::uint8_t> key(ContentKey().begin(), ContentKey().end());
  auto plain = DecipherBlocks(file.data() + kMarkerLength, file.size() - kMarkerLength, key);
  if (!plain) return std::nullopt;
  while (!plain->empty() && plain->back() == 0) plain->pop_back();
  return plain;
}

std::optional<std::vector<std::uint8_t>> EncipherContent(const std::vector<std::uint8_t>& plain) {
  const std::vector<std::uint8_t> key(ContentKey().begin(), ContentKey().end());
  const auto blocks = EncipherBlocks(plain.data(), plain.size(), key);
  if (!blocks) return std::nullopt;
  std::vector<std::uint8_t> file(kEncipheredMarker, kEncipheredMarker + kMarkerLength);
  file.insert(file.end(), blocks->begin(), blocks->end());
  return file;
}

}  // namespace kxua
