// The testbed's demo brand on the real system, installed as the product's setup
// installs it and taken away when the demo ends: Wine prefixes and machines are
// shared, and nothing else there may see the brand.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace kxua::demo {

class Win32Brand {
 public:
  // The brand's files: the branding files, the picture of the images folder and the
  // two libraries of the installation folder, which the build puts beside the demo.
  static constexpr wchar_t kSourceFolder[] = L"brand";

  // Writes the setup's registry values (with `language` as the install language)
  // and copies the files from `source` into the folders the library reads them from.
  // Throws std::runtime_error naming what could not be installed, after undoing
  // what was.
  Win32Brand(const std::wstring& source, const std::wstring& language);
  // Removes what was written, and puts back what it replaced; what cannot be is
  // named on the standard error.
  ~Win32Brand();
  Win32Brand(const Win32Brand&) = delete;
  Win32Brand& operator=(const Win32Brand&) = delete;

  // With its trailing separator, as the setup writes it.
  const std::wstring& InstallFolder() const { return installFolder_; }

 private:
  struct Step {
    std::wstring what;             // named when it cannot be undone
    std::function<bool()> undo;
  };
  void Install(const std::wstring& source, const std::wstring& language);
  void SetSetupValue(const wchar_t* name, unsigned long type, const void* data, unsigned long size);
  void CreateKey(const std::wstring& path);
  void CreateFolders(const std::wstring& folder);
  void PutFile(const std::wstring& from, const std::wstring& to);
  void Undo();

  std::wstring installFolder_;
  std::vector<Step> done_;  // undone last first
};

}  // namespace kxua::demo
