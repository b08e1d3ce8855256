// Clock, COM runtime, known folders and diagnostics on Win32.
#include "platform/win32/win32_platform.h"

#include <shellapi.h>
#include <shlobj.h>

namespace kxua::win32 {

namespace {

using TickCount64Function = ULONGLONG(WINAPI*)();

TickCount64Function FindTickCount64() {
  HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
  if (kernel == nullptr) return nullptr;
  // Through void(*)(): the one pointer type GCC accepts between unrelated function types.
  return reinterpret_cast<TickCount64Function>(
      reinterpret_cast<void (*)()>(GetProcAddress(kernel, "GetTickCount64")));
}

// Seconds between 1601-01-01 (the FILETIME epoch) and 1970-01-01.
constexpr std::int64_t kFileTimeToUnixSeconds = 11644473600;
constexpr std::int64_t kFileTimeUnitsPerSecond = 10000000;

// A string the system writes into a caller's buffer, returning its length, or the
// size needed (terminator included) when the buffer is too small, or 0 on failure.
template <class Read>
std::wstring ReadSystemString(Read read) {
  std::wstring buffer(MAX_PATH, L'\0');
  for (int attempt = 0; attempt < 3; ++attempt) {  // the value may grow in between
    const DWORD length = read(&buffer[0], static_cast<DWORD>(buffer.size()));
    if (length == 0) return {};
    if (length < buffer.size()) {
      buffer.resize(length);
      return buffer;
    }
    buffer.resize(length);
  }
  return {};
}

int FolderId(platform::KnownFolder folder) {
  switch (folder) {
    case platform::KnownFolder::CommonAppData: return CSIDL_COMMON_APPDATA;
  }
  return -1;
}

}  // namespace

std::uint64_t Win32Platform::TickCount() {
  static const TickCount64Function tickCount64 = FindTickCount64();
  if (tickCount64 != nullptr) return tickCount64();
  // A wrap shows as a smaller value than last time; the loop calls often enough
  // that two wraps never pass unseen.
  std::lock_guard<std::mutex> lock(tickMutex_);
  const DWORD now = GetTickCount();
  if (now < lastTick_) ++tickWraps_;
  lastTick_ = now;
  return (tickWraps_ << 32) | now;
}

std::int64_t Win32Platform::UnixTime() {
  FILETIME now{};
  GetSystemTimeAsFileTime(&now);
  const auto units = static_cast<std::int64_t>(
      (static_cast<std::uint64_t>(now.dwHighDateTime) << 32) | now.dwLowDateTime);
  return units / kFileTimeUnitsPerSecond - kFileTimeToUnixSeconds;
}

HRESULT Win32Platform::CreateInstance(const CLSID& clsid, DWORD classContext, const IID& iid,
                                      void** object) {
  return CoCreateInstance(clsid, nullptr, classContext, iid, object);
}

HRESULT Win32Platform::Run(IUnknown* object) { return OleRun(object); }

HRESULT Win32Platform::RegisterClassObject(const CLSID& clsid, IUnknown* factory,
                                           DWORD& cookie) {
  return CoRegisterClassObject(clsid, factory, CLSCTX_INPROC_SERVER,
                               REGCLS_MULTIPLEUSE, &cookie);
}

HRESULT Win32Platform::RevokeClassObject(DWORD cookie) { return CoRevokeClassObject(cookie); }

std::wstring Win32Platform::GetKnownFolder(platform::KnownFolder folder) {
  const int id = FolderId(folder);
  wchar_t path[MAX_PATH] = {};
  if (id < 0 || FAILED(SHGetFolderPathW(nullptr, id, nullptr, SHGFP_TYPE_CURRENT, path)))
    return {};
  std::wstring result(path);
  while (!result.empty() && (result.back() == L'\\' || result.back() == L'/')) result.pop_back();
  return result;
}

void Win32Platform::DebugOutput(const std::wstring& text) { OutputDebugStringW(text.c_str()); }

platform::Answer Win32Platform::AskQuestion(const std::wstring& title, const std::wstring& text) {
  switch (MessageBoxW(nullptr, text.c_str(), title.c_str(),
                      MB_YESNOCANCEL | MB_ICONQUESTION | MB_SYSTEMMODAL)) {
    case IDYES: return platform::Answer::Yes;
    case IDCANCEL: return platform::Answer::Cancel;
    default: return platform::Answer::No;  // including a box that could not be shown
  }
}

void Win32Platform::BreakIntoDebugger() {
  // Without a debugger the breakpoint would end the process.
  if (IsDebuggerPresent()) DebugBreak();
}

std::optional<std::wstring> Win32Platform::DescribeError(HRESULT code) {
  wchar_t* buffer = nullptr;
  const DWORD length = FormatMessageW(
      FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS | FORMAT_MESSAGE_ALLOCATE_BUFFER,
      nullptr, static_cast<DWORD>(code), 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
  if (buffer == nullptr) return std::nullopt;
  std::wstring text(buffer, length);
  LocalFree(buffer);
  // System texts end in a line break and often a full stop; callers embed them in
  // sentences of their own.
  while (!text.empty() && (text.back() == L'\r' || text.back() == L'\n' || text.back() == L' ' ||
                           text.back() == L'.'))
    text.pop_back();
  if (text.empty()) return std::nullopt;
  return text;
}

void Win32Platform::Sleep(std::uint32_t ms) { ::Sleep(ms); }

std::uint32_t Win32Platform::ProcessId() { return GetCurrentProcessId(); }

std::wstring Win32Platform::WindowsDirectory() {
  return ReadSystemString([](wchar_t* buffer, DWORD size) -> DWORD {
    return GetWindowsDirectoryW(buffer, size);
  });
}

std::wstring Win32Platform::CurrentDirectory() {
  return ReadSystemString([](wchar_t* buffer, DWORD size) -> DWORD {
    return GetCurrentDirectoryW(size, buffer);
  });
}

bool Win32Platform::ShellOpenFolder(const std::wstring& path) {
  std::wstring folder = path;
  const DWORD attributes = GetFileAttributesW(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
    const std::size_t separator = folder.find_last_of(L"\\/");
    if (separator == std::wstring::npos || separator == 0) return false;
    folder.resize(separator);
    if (folder.back() == L':') folder += L'\\';  // a drive's root
  }
  const auto result = reinterpret_cast<INT_PTR>(
      ShellExecuteW(nullptr, L"open", folder.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
  return result > 32;  // smaller values are the shell's error codes
}

}  // namespace kxua::win32
