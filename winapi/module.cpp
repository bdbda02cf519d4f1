// The module calls: this executable's handle and file name, its embedded resources, and the icons
// that LoadIconA decodes from them, which live until the program ends (Win32's shares them too).
#include "winapi/module.h"

#include <cstring>
#include <map>
#include <memory>
#include <string>

#include "winapi/embeddedres.h"
#include "winapi/toolkit.h"

namespace winapi {

namespace {

// The handle of this executable's module: Win32's usual load address, never dereferenced.
HMODULE const THIS_MODULE = reinterpret_cast<HMODULE>(0x400000);

// The icons loaded so far, by group name; the handle of an icon is its image's address.
std::map<std::string, std::unique_ptr<resfile::IconImage>>& loadedIcons() {
  static std::map<std::string, std::unique_ptr<resfile::IconImage>> icons;
  return icons;
}

bool isOrdinal(LPCSTR name) { return reinterpret_cast<ULONG_PTR>(name) <= 0xFFFF; }

}  // namespace

const std::vector<resfile::ResourceEntry>& moduleResources() {
  static const std::vector<resfile::ResourceEntry> entries = [] {
    std::vector<resfile::ResourceEntry> read;
    if (!resfile::readResourceFile(WINAPI_RESOURCES, WINAPI_RESOURCES_SIZE, &read, nullptr))
      read.clear();
    return read;
  }();
  return entries;
}

const resfile::IconImage* iconImage(HICON icon) {
  for (const auto& loaded : loadedIcons()) {
    if (reinterpret_cast<HICON>(loaded.second.get()) == icon) return loaded.second.get();
  }
  return nullptr;
}

}  // namespace winapi

HMODULE WINAPI GetModuleHandleA(LPCSTR lpModuleName) {
  return lpModuleName == nullptr ? winapi::THIS_MODULE : nullptr;
}

DWORD WINAPI GetModuleFileNameA(HMODULE hModule, LPSTR lpFilename, DWORD nSize) {
  if ((hModule != nullptr && hModule != winapi::THIS_MODULE) || nSize == 0) return 0;
  std::string path = winapi::programPath();
  if (path.empty()) return 0;
  DWORD length = static_cast<DWORD>(path.size());
  DWORD copied = length < nSize ? length : nSize - 1;
  std::memcpy(lpFilename, path.data(), copied);
  lpFilename[copied] = '\0';
  return length < nSize ? copied : nSize;
}

HICON WINAPI LoadIconA(HINSTANCE hInstance, LPCSTR lpIconName) {
  if (hInstance != winapi::THIS_MODULE || winapi::isOrdinal(lpIconName)) return nullptr;
  auto& icons = winapi::loadedIcons();
  auto found = icons.find(lpIconName);
  if (found == icons.end()) {
    auto icon = std::make_unique<resfile::IconImage>();
    if (!resfile::loadIcon(winapi::moduleResources(), lpIconName, icon.get(), nullptr)) {
      return nullptr;
    }
    found = icons.emplace(lpIconName, std::move(icon)).first;
  }
  return reinterpret_cast<HICON>(found->second.get());
}
