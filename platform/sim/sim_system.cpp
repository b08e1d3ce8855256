// Text metrics, COM class table, registry, known folders and diagnostics of the
// simulation.
#include <cwctype>

#include "platform/sim/sim_platform.h"

namespace kxua::sim {

int SimPlatform::CharWidth(const platform::Font& font) {
  const int pixels = font.height < 0 ? -font.height : font.height;
  return (pixels + 1) / 2 + (font.bold ? 1 : 0);
}

int SimPlatform::LineHeight(const platform::Font& font) {
  const int pixels = font.height < 0 ? -font.height : font.height;
  return pixels + (pixels + 3) / 4;
}

platform::Size SimPlatform::MeasureText(const platform::Font& font, const std::wstring& text) {
  return {CharWidth(font) * static_cast<int>(text.size()), LineHeight(font)};
}

HRESULT SimPlatform::CreateInstance(const CLSID& clsid, DWORD classContext, const IID& iid,
                                    void** object) {
  if (object == nullptr) return E_POINTER;
  *object = nullptr;
  if (classContext == 0) return E_INVALIDARG;
  for (const ClassEntry& entry : classes_) {
    if (entry.factory == nullptr || entry.clsid != clsid) continue;
    IClassFactory* factory = nullptr;
    HRESULT hr = entry.factory->QueryInterface(IidOf<IClassFactory>(),
                                               reinterpret_cast<void**>(&factory));
    if (FAILED(hr)) return hr;
    hr = factory->CreateInstance(nullptr, iid, object);
    factory->Release();
    return hr;
  }
  return REGDB_E_CLASSNOTREG;
}

HRESULT SimPlatform::Run(IUnknown* object) { return object == nullptr ? E_INVALIDARG : S_OK; }

HRESULT SimPlatform::RegisterClassObject(const CLSID& clsid, IUnknown* factory, DWORD& cookie) {
  if (factory == nullptr) return E_INVALIDARG;
  factory->AddRef();
  classes_.push_back({clsid, factory});
  cookie = static_cast<DWORD>(classes_.size());
  return S_OK;
}

HRESULT SimPlatform::RevokeClassObject(DWORD cookie) {
  if (cookie == 0 || cookie > classes_.size() || classes_[cookie - 1].factory == nullptr)
    return E_INVALIDARG;
  classes_[cookie - 1].factory->Release();
  classes_[cookie - 1].factory = nullptr;
  return S_OK;
}

SimPlatform::RegistryKey SimPlatform::MakeRegistryKey(platform::RegistryRoot root,
                                                      const std::wstring& key,
                                                      const std::wstring& name) {
  // The registry ignores case in key and value names.
  std::wstring path = key + L'\\' + name;
  for (wchar_t& c : path) c = static_cast<wchar_t>(std::towlower(c));
  return {static_cast<int>(root), path};
}

void SimPlatform::SetRegistryString(platform::RegistryRoot root, const std::wstring& key,
                                    const std::wstring& name, const std::wstring& value) {
  registry_[MakeRegistryKey(root, key, name)] = {value, std::nullopt};
}

void SimPlatform::SetRegistryNumber(platform::RegistryRoot root, const std::wstring& key,
                                    const std::wstring& name, std::uint32_t value) {
  registry_[MakeRegistryKey(root, key, name)] = {std::nullopt, value};
}

std::optional<std::wstring> SimPlatform::ReadString(platform::RegistryRoot root,
                                                    const std::wstring& key,
                                                    const std::wstring& name,
                                                    std::size_t maxChars) {
  auto it = registry_.find(MakeRegistryKey(root, key, name));
  if (it == registry_.end() || !it->second.text) return std::nullopt;
  return it->second.text->substr(0, maxChars);
}

std::optional<std::uint32_t> SimPlatform::ReadNumber(platform::RegistryRoot root,
                                                     const std::wstring& key,
                                                     const std::wstring& name) {
  auto it = registry_.find(MakeRegistryKey(root, key, name));
  if (it == registry_.end()) return std::nullopt;
  return it->second.number;
}

void SimPlatform::SetKnownFolder(platform::KnownFolder folder, const std::wstring& path) {
  knownFolders_[static_cast<int>(folder)] = path;
}

std::wstring SimPlatform::GetKnownFolder(platform::KnownFolder folder) {
  auto it = knownFolders_.find(static_cast<int>(folder));
  return it == knownFolders_.end() ? std::wstring() : it->second;
}

platform::Answer SimPlatform::AskQuestion(const std::wstring& title, const std::wstring& text) {
  questions_.push_back({title, text});
  return answer_;
}

std::optional<std::wstring> SimPlatform::DescribeError(HRESULT code) {
  switch (code) {
    case E_NOINTERFACE: return L"No such interface supported";
    case E_FAIL: return L"Unspecified error";
    case E_INVALIDARG: return L"The parameter is incorrect";
    default: return std::nullopt;
  }
}

bool SimPlatform::ShellOpenFolder(const std::wstring& path) {
  openedFolders_.push_back(path);
  return true;
}

}  // namespace kxua::sim
