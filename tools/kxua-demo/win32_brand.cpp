#include "tools/kxua-demo/win32_brand.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <stdexcept>

#include "kxua/companion.h"
#include "model/product_folders.h"
#include "model/product_info.h"
#include "model/utf8.h"
#include "model/white_label_catalogue.h"
#include "testbed/demo_brand.h"

namespace kxua::demo {

namespace {

// A file of the same name that was there before is kept under this suffix meanwhile.
constexpr wchar_t kSavedSuffix[] = L".kxua-demo-saved";
constexpr wchar_t kJournalName[] = L"kxua-demo-brand.journal";

[[noreturn]] void Fail(const std::wstring& what) { throw std::runtime_error(Utf8FromWide(what)); }

// What is already as undoing would leave it counts as undone: a change is recorded
// before it is made, and may not have been.
bool Undone(LONG error) {
  return error == ERROR_SUCCESS || error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}
bool Undone(BOOL ok) { return ok || Undone(static_cast<LONG>(GetLastError())); }

// Sets or, without `data`, deletes a value of the setup key.
LONG WriteSetupValue(const std::wstring& name, DWORD type, const std::vector<std::uint8_t>* data) {
  HKEY key = nullptr;
  const LONG opened = RegOpenKeyExW(HKEY_LOCAL_MACHINE, kSetupKey, 0, KEY_SET_VALUE, &key);
  if (opened != ERROR_SUCCESS) return opened;
  const LONG result = data != nullptr ? RegSetValueExW(key, name.c_str(), 0, type, data->data(),
                                                       static_cast<DWORD>(data->size()))
                                      : RegDeleteValueW(key, name.c_str());
  RegCloseKey(key);
  return result;
}

bool UndoChange(const Win32Brand::Change& change) {
  switch (change.kind) {
    case Win32Brand::Change::Key:
      return Undone(RegDeleteKeyW(HKEY_LOCAL_MACHINE, change.path.c_str()));
    case Win32Brand::Change::Value:
      return WriteSetupValue(change.path, change.type, &change.old) == ERROR_SUCCESS;
    case Win32Brand::Change::NoValue: return Undone(WriteSetupValue(change.path, 0, nullptr));
    case Win32Brand::Change::Folder: return Undone(RemoveDirectoryW(change.path.c_str()));
    case Win32Brand::Change::File: return Undone(DeleteFileW(change.path.c_str()));
    case Win32Brand::Change::Saved:
      return Undone(MoveFileExW((change.path + kSavedSuffix).c_str(), change.path.c_str(),
                                MOVEFILE_REPLACE_EXISTING));
  }
  return false;
}

// A journal line: kind, path, type and the old bytes in hexadecimal, separated by
// tabs (no path or value name of the brand holds one).
std::string JournalLine(const Win32Brand::Change& change) {
  std::string line(1, static_cast<char>(change.kind));
  line += "\t" + Utf8FromWide(change.path) + "\t" + std::to_string(change.type) + "\t";
  static const char digits[] = "0123456789abcdef";
  for (std::uint8_t byte : change.old) {
    line += digits[byte >> 4];
    line += digits[byte & 15];
  }
  return line + "\n";
}

std::vector<Win32Brand::Change> ReadJournal(const std::wstring& path) {
  std::vector<Win32Brand::Change> changes;
  std::FILE* file = _wfopen(path.c_str(), L"rb");
  if (file == nullptr) return changes;
  std::string text;
  char buffer[4096];
  for (std::size_t read; (read = std::fread(buffer, 1, sizeof buffer, file)) > 0;) text.append(buffer, read);
  std::fclose(file);
  for (std::size_t start = 0, end; (end = text.find('\n', start)) != std::string::npos; start = end + 1) {
    const std::string line = text.substr(start, end - start);
    const std::size_t path = line.find('\t'), type = line.find('\t', path + 1),
                      old = line.find('\t', type + 1);
    if (line.empty() || path != 1 || type == std::string::npos || old == std::string::npos) continue;
    Win32Brand::Change change{static_cast<Win32Brand::Change::Kind>(line[0]),
                              WideFromUtf8(line.substr(path + 1, type - path - 1)),
                              static_cast<std::uint32_t>(std::strtoul(line.c_str() + type + 1, nullptr, 10)),
                              {}};
    for (std::size_t i = old + 1; i + 1 < line.size(); i += 2)
      change.old.push_back(static_cast<std::uint8_t>(std::strtoul(line.substr(i, 2).c_str(), nullptr, 16)));
    changes.push_back(std::move(change));
  }
  return changes;
}

void AppendToJournal(const std::wstring& path, const std::string& lines) {
  HANDLE file = CreateFileW(path.c_str(), FILE_APPEND_DATA, 0, nullptr, OPEN_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL | FILE_FLAG_WRITE_THROUGH, nullptr);
  DWORD written = 0;
  const bool ok = file != INVALID_HANDLE_VALUE &&
                  WriteFile(file, lines.data(), static_cast<DWORD>(lines.size()), &written, nullptr) &&
                  written == lines.size();
  if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
  if (!ok) Fail(L"cannot write the journal " + path);
}

}  // namespace

Win32Brand::Win32Brand(const std::wstring& source, const std::wstring& language) {
  wchar_t temp[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, temp);
  journal_ = std::wstring(temp) + kJournalName;
  done_ = ReadJournal(journal_);
  if (!done_.empty()) {
    std::fprintf(stderr, "kxua-demo: taking away the demo brand that an earlier demo left\n");
    Undo();
    if (!done_.empty()) Fail(L"the demo brand that an earlier demo left cannot be taken away");
  }
  try {
    Install(source, language);
  } catch (...) {
    Undo();
    throw;
  }
}

Win32Brand::~Win32Brand() { Undo(); }

void Win32Brand::Install(const std::wstring& source, const std::wstring& language) {
  using testbed::DemoBrand;
  const struct {
    const wchar_t* name;
    std::wstring (*folder)();
  } files[] = {
      {ProductInfoManager::kFileName, [] { return GetRawFolder(); }},
      {WhiteLabelCatalogue::kFileName, [] { return GetRawFolder(); }},
      {kResourceLibraryName, GetInstallFolder},
      {kCompanionLibraryName, GetInstallFolder},
  };
  for (const auto& file : files)
    if (!PathExists(source + file.name))
      Fail(L"the demo brand's " + std::wstring(file.name) + L" is not in " + source);
  const std::wstring pictures = source + L"images\\";
  std::vector<std::wstring> pictureNames;
  WIN32_FIND_DATAW found{};
  HANDLE search = FindFirstFileW((pictures + L"*.png").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do pictureNames.push_back(found.cFileName);
    while (FindNextFileW(search, &found));
    FindClose(search);
  }
  if (!PathExists(pictures + L"MetroAlert.png")) Fail(L"the demo brand's pictures are not in " + pictures);

  CreateKey(std::wstring(L"SOFTWARE\\") + DemoBrand::kCompany);
  CreateKey(kSetupKey);
  const auto text = [this](const wchar_t* name, const std::wstring& value) {
    SetSetupValue(name, REG_SZ, value.c_str(),
                  static_cast<std::uint32_t>((value.size() + 1) * sizeof(wchar_t)));
  };
  text(L"Path", DemoBrand::kInstallFolder);
  text(L"Language", language);
  text(L"InitialCompanyName", DemoBrand::kCompany);
  text(L"InitialProductName", DemoBrand::kProduct);
  const DWORD mainProduct = DemoBrand::kMainProductId;
  SetSetupValue(L"MainProductID", REG_DWORD, &mainProduct, sizeof mainProduct);

  // The folders as the library finds them from the values just written.
  installFolder_ = GetInstallFolder();
  for (const auto& file : files) {
    const std::wstring folder = file.folder();
    CreateFolders(folder);
    PutFile(source + file.name, folder + file.name);
  }
  const std::wstring images = GetImagesFolder();
  CreateFolders(images);
  for (const std::wstring& name : pictureNames) PutFile(pictures + name, images + name);
}

void Win32Brand::Record(Change change) {
  AppendToJournal(journal_, JournalLine(change));
  done_.push_back(std::move(change));
}

void Win32Brand::CreateKey(const std::wstring& path) {
  if (MachineKeyExists(path)) return;
  Record({Change::Key, path});
  HKEY key = nullptr;
  if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key,
                      nullptr) != ERROR_SUCCESS)
    Fail(L"cannot create HKEY_LOCAL_MACHINE\\" + path +
         L" (the demo brand needs an elevated prompt; or give the scenario \"brand\": \"none\")");
  RegCloseKey(key);
}

void Win32Brand::SetSetupValue(const wchar_t* name, std::uint32_t type, const void* data,
                               std::uint32_t size) {
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kSetupKey, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
    Fail(std::wstring(L"cannot open HKEY_LOCAL_MACHINE\\") + kSetupKey);
  DWORD oldType = 0, oldSize = 0;
  const bool existed = RegQueryValueExW(key, name, nullptr, &oldType, nullptr, &oldSize) == ERROR_SUCCESS;
  std::vector<std::uint8_t> old(oldSize);
  const bool read = !existed || oldSize == 0 ||
                    RegQueryValueExW(key, name, nullptr, &oldType, old.data(), &oldSize) == ERROR_SUCCESS;
  RegCloseKey(key);
  if (!read) Fail(std::wstring(L"cannot read the setup value ") + name);
  old.resize(oldSize);
  Record(existed ? Change{Change::Value, name, oldType, old} : Change{Change::NoValue, name});

  const auto* bytes = static_cast<const std::uint8_t*>(data);
  const std::vector<std::uint8_t> value(bytes, bytes + size);
  if (WriteSetupValue(name, type, &value) != ERROR_SUCCESS)
    Fail(std::wstring(L"cannot write the setup value ") + name);
}

void Win32Brand::CreateFolders(const std::wstring& folder) {
  for (std::size_t at = folder.find(L'\\', 3); at != std::wstring::npos; at = folder.find(L'\\', at + 1)) {
    const std::wstring path = folder.substr(0, at);
    if (PathExists(path)) continue;
    Record({Change::Folder, path});
    if (!CreateDirectoryW(path.c_str(), nullptr)) Fail(L"cannot create the folder " + path);
  }
}

void Win32Brand::PutFile(const std::wstring& from, const std::wstring& to) {
  if (PathExists(to)) {
    Record({Change::Saved, to});
    if (!MoveFileExW(to.c_str(), (to + kSavedSuffix).c_str(), MOVEFILE_REPLACE_EXISTING))
      Fail(L"cannot set aside " + to + L", which is in use");
  }
  Record({Change::File, to});
  if (!CopyFileW(from.c_str(), to.c_str(), TRUE)) Fail(L"cannot copy " + from + L" to " + to);
}

void Win32Brand::Undo() {
  std::vector<Change> left;
  for (; !done_.empty(); done_.pop_back()) {
    if (UndoChange(done_.back())) continue;
    std::fprintf(stderr, "kxua-demo: could not undo the demo brand's change to %s\n",
                 Utf8FromWide(done_.back().path).c_str());
    left.insert(left.begin(), done_.back());
  }
  // What could not be undone stays in the journal, for the next demo to try.
  DeleteFileW(journal_.c_str());
  std::string lines;
  for (const Change& change : left) lines += JournalLine(change);
  if (!lines.empty()) {
    try {
      AppendToJournal(journal_, lines);
    } catch (const std::runtime_error&) {
      std::fprintf(stderr, "kxua-demo: could not keep the journal %s\n", Utf8FromWide(journal_).c_str());
    }
  }
  done_ = std::move(left);
}

bool PathExists(const std::wstring& path) {
  return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool MachineKeyExists(const std::wstring& path) {
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
    return false;
  RegCloseKey(key);
  return true;
}

}  // namespace kxua::demo
