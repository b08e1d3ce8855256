// The testbed's demo brand on the real system, installed as the product's setup
// installs it and taken away when the demo ends: Wine prefixes and machines are
// shared, and nothing else there may see the brand.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kxua::demo {

class Win32Brand {
 public:
  // The brand's files: the branding files, the two libraries of the installation
  // folder and, in images/, the pictures of the images folder; the build puts them
  // beside the demo.
  static constexpr wchar_t kSourceFolder[] = L"brand";

  // Writes the setup's registry values (with `language` as the install language)
  // and copies the files from `source` into the folders the library reads them from.
  // What a demo that was killed left installed is taken away first. Throws
  // std::runtime_error naming what could not be installed, after undoing what was.
  Win32Brand(const std::wstring& source, const std::wstring& language);
  // Removes what was written, and puts back what it replaced; what cannot be is
  // named on the standard error.
  ~Win32Brand();
  Win32Brand(const Win32Brand&) = delete;
  Win32Brand& operator=(const Win32Brand&) = delete;

  // With its trailing separator, as the setup writes it.
  const std::wstring& InstallFolder() const { return installFolder_; }

  // One change to undo. Each is written to a journal in the temporary folder before
  // the next is made, so that a later demo can undo what a killed one left.
  struct Change {
    enum Kind : char {
      Key = 'K',     // a key of HKEY_LOCAL_MACHINE that was made
      Value = 'V',   // a setup value that was written: `old` is what it was
      NoValue = 'N', // a setup value that was written where there was none
      Folder = 'D',  // a folder that was made
      File = 'F',    // a file that was put
      Saved = 'S',   // a file that was there, set aside under the saved name meanwhile
    };
    Kind kind;
    std::wstring path;  // key, value name, folder or file
    std::uint32_t type = 0;
    std::vector<std::uint8_t> old = {};
  };

 private:
  void Install(const std::wstring& source, const std::wstring& language);
  void SetSetupValue(const wchar_t* name, std::uint32_t type, const void* data, std::uint32_t size);
  void CreateKey(const std::wstring& path);
  void CreateFolders(const std::wstring& folder);
  void PutFile(const std::wstring& from, const std::wstring& to);
  void Record(Change change);
  void Undo();

  std::wstring installFolder_;
  std::wstring journal_;
  std::vector<Change> done_;  // undone last first
};

// Whether a file or folder is there, and whether a key of HKEY_LOCAL_MACHINE is.
bool PathExists(const std::wstring& path);
bool MachineKeyExists(const std::wstring& path);

}  // namespace kxua::demo
