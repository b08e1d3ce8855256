// PNG decoding and encoding on Win32 through the Windows Imaging Component: the PNG
// decoder over a stream on the caller's memory, converted to 32-bit BGRA with
// straight alpha, which is 0xAARRGGBB in memory; the encoder takes that format as
// it is. COM must already be initialised on the thread (the product does so);
// without it both fail quietly.
#include <wincodec.h>

#include <cstring>

#include "platform/win32/win32_platform.h"

namespace kxua::win32 {

namespace {

// Releases a COM interface pointer when it goes out of scope.
template <class Interface>
class Held {
 public:
  Held() = default;
  Held(const Held&) = delete;
  Held& operator=(const Held&) = delete;
  ~Held() {
    if (pointer_ != nullptr) pointer_->Release();
  }
  Interface* operator->() const { return pointer_; }
  Interface* Get() const { return pointer_; }
  // For the operations that hand out a new reference.
  Interface** Put() { return &pointer_; }
  void** PutVoid() { return reinterpret_cast<void**>(&pointer_); }

 private:
  Interface* pointer_ = nullptr;
};

constexpr std::uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

std::uint32_t BigEndian(const std::uint8_t* bytes) {
  return std::uint32_t{bytes[0]} << 24 | std::uint32_t{bytes[1]} << 16 |
         std::uint32_t{bytes[2]} << 8 | bytes[3];
}

// The header chunk comes first in every PNG. Its size is checked before the
// decoder sees the data, as some decoders allocate the whole picture up front.
bool HeaderWithinLimits(const std::uint8_t* data, std::size_t size) {
  if (size < 24 || std::memcmp(data + 12, "IHDR", 4) != 0) return false;
  const std::uint32_t width = BigEndian(data + 16);
  const std::uint32_t height = BigEndian(data + 20);
  return width > 0 && height > 0 && width <= platform::Images::kLargestSide &&
         height <= platform::Images::kLargestSide;
}

}  // namespace

std::optional<platform::Bitmap> Win32Platform::DecodePng(const std::uint8_t* data,
                                                         std::size_t size) {
  if (data == nullptr || size < sizeof kSignature ||
      std::memcmp(data, kSignature, sizeof kSignature) != 0 || size > 0xFFFFFFFFu ||
      !HeaderWithinLimits(data, size))
    return std::nullopt;

  Held<IWICImagingFactory> factory;
  if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                              IID_IWICImagingFactory, factory.PutVoid())))
    return std::nullopt;
  Held<IWICStream> stream;
  if (FAILED(factory->CreateStream(stream.Put())) ||
      FAILED(stream->InitializeFromMemory(const_cast<BYTE*>(data), static_cast<DWORD>(size))))
    return std::nullopt;
  Held<IWICBitmapDecoder> decoder;
  if (FAILED(factory->CreateDecoder(GUID_ContainerFormatPng, nullptr, decoder.Put())) ||
      FAILED(decoder->Initialize(stream.Get(), WICDecodeMetadataCacheOnDemand)))
    return std::nullopt;
  Held<IWICBitmapFrameDecode> frame;
  if (FAILED(decoder->GetFrame(0, frame.Put()))) return std::nullopt;
  UINT width = 0, height = 0;
  if (FAILED(frame->GetSize(&width, &height)) || width == 0 || height == 0 ||
      width > static_cast<UINT>(kLargestSide) || height > static_cast<UINT>(kLargestSide))
    return std::nullopt;
  Held<IWICFormatConverter> converter;
  if (FAILED(factory->CreateFormatConverter(converter.Put())) ||
      FAILED(converter->Initialize(frame.Get(), GUID_WICPixelFormat32bppBGRA,
                                   WICBitmapDitherTypeNone, nullptr, 0.0,
                                   WICBitmapPaletteTypeCustom)))
    return std::nullopt;

  platform::Bitmap bitmap;
  bitmap.width = static_cast<int>(width);
  bitmap.height = static_cast<int>(height);
  bitmap.pixels.resize(static_cast<std::size_t>(width) * height);
  // Decoding errors in the image data (a truncated or corrupt stream) show here.
  if (FAILED(converter->CopyPixels(nullptr, width * 4,
                                   static_cast<UINT>(bitmap.pixels.size() * 4),
                                   reinterpret_cast<BYTE*>(bitmap.pixels.data()))))
    return std::nullopt;
  return bitmap;
}

std::vector<std::uint8_t> Win32Platform::EncodePng(const platform::Bitmap& bitmap) {
  if (!Encodable(bitmap)) return {};
  Held<IWICImagingFactory> factory;
  if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                              IID_IWICImagingFactory, factory.PutVoid())))
    return {};
  Held<IStream> stream;  // grows in memory the system allocates
  if (FAILED(CreateStreamOnHGlobal(nullptr, TRUE, stream.Put()))) return {};
  Held<IWICBitmapEncoder> encoder;
  if (FAILED(factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, encoder.Put())) ||
      FAILED(encoder->Initialize(stream.Get(), WICBitmapEncoderNoCache)))
    return {};
  Held<IWICBitmapFrameEncode> frame;
  Held<IPropertyBag2> options;
  if (FAILED(encoder->CreateNewFrame(frame.Put(), options.Put())) ||
      FAILED(frame->Initialize(options.Get())))
    return {};
  const UINT width = static_cast<UINT>(bitmap.width), height = static_cast<UINT>(bitmap.height);
  WICPixelFormatGUID format = GUID_WICPixelFormat32bppBGRA;
  // The encoder may offer another format than the one asked for; ours is then not
  // what it would read.
  if (FAILED(frame->SetSize(width, height)) || FAILED(frame->SetPixelFormat(&format)) ||
      !IsEqualGUID(format, GUID_WICPixelFormat32bppBGRA))
    return {};
  auto* pixels = reinterpret_cast<BYTE*>(const_cast<std::uint32_t*>(bitmap.pixels.data()));
  if (FAILED(frame->WritePixels(height, width * 4, width * height * 4, pixels)) ||
      FAILED(frame->Commit()) || FAILED(encoder->Commit()))
    return {};

  STATSTG status{};
  if (FAILED(stream->Stat(&status, STATFLAG_NONAME)) || status.cbSize.QuadPart > 0x7FFFFFFF)
    return {};
  std::vector<std::uint8_t> out(static_cast<std::size_t>(status.cbSize.QuadPart));
  const LARGE_INTEGER start{};
  ULONG read = 0;
  if (FAILED(stream->Seek(start, STREAM_SEEK_SET, nullptr)) ||
      FAILED(stream->Read(out.data(), static_cast<ULONG>(out.size()), &read)) ||
      read != out.size())
    return {};
  return out;
}

}  // namespace kxua::win32
