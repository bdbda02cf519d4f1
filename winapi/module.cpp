// The module calls: this executable's handle and file name, its embedded resources, and the icons
// that LoadIconA makes from them, which live until the program ends (Win32's shares them too).
#include "winapi/module.h"

#include <FL/Fl_RGB_Image.H>
#include <unistd.h>

#include <cstring>
#include <map>
#include <memory>
#include <string>

#include "winapi/embeddedres.h"

namespace winapi {

namespace {

// The handle of this executable's module: Win32's usual load address, never dereferenced.
HMODULE const THIS_MODULE = reinterpret_cast<HMODULE>(0x400000);

struct Icon {
  std::vector<std::uint8_t> rgba;
  std::unique_ptr<Fl_RGB_Image> image;
};

// The icons loaded so far, by group name; the handle of an icon is its address.
std::map<std::string, std::unique_ptr<Icon>>& loadedIcons() {
  static std::map<std::string, std::unique_ptr<Icon>> icons;
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

const Fl_RGB_Image* iconImage(HICON icon) {
  for (const auto& loaded : loadedIcons()) {
    if (reinterpret_cast<HICON>(loaded.second.get()) == icon) return loaded.second->image.get();
  }
  return nullptr;
}

}  // namespace winapi

HMODULE WINAPI GetModuleHandleA(LPCSTR lpModuleName) {
  return lpModuleName == nullptr ? winapi::THIS_MODULE : nullptr;
}

DWORD WINAPI GetModuleFileNameA(HMODULE hModule, LPSTR lpFilename, DWORD nSize) {
  if ((hModule != nullptr && hModule != winapi::THIS_MODULE) || nSize == 0) return 0;
  char path[4096];
  ssize_t length = readlink("/proc/self/exe", path, sizeof path);
  if (length <= 0) return 0;
  DWORD copied = static_cast<DWORD>(length) < nSize ? static_cast<DWORD>(length) : nSize - 1;
  std::memcpy(lpFilename, path, copied);
  lpFilename[copied] = '\0';
  return static_cast<DWORD>(length) < nSize ? copied : nSize;
}

HICON WINAPI LoadIconA(HINSTANCE hInstance, LPCSTR lpIconName) {
  if (hInstance != winapi::THIS_MODULE || winapi::isOrdinal(lpIconName)) return nullptr;
  auto& icons = winapi::loadedIcons();
  auto found = icons.find(lpIconName);
  if (found == icons.end()) {
    resfile::IconImage image;
    if (!resfile::loadIcon(winapi::moduleResources(), lpIconName, &image, nullptr)) return nullptr;
    auto icon = std::make_unique<winapi::Icon>();
    icon->rgba = std::move(image.rgba);
    icon->image = std::make_unique<Fl_RGB_Image>(icon->rgba.data(), image.width, image.height, 4);
    found = icons.emplace(lpIconName, std::move(icon)).first;
  }
  return reinterpret_cast<HICON>(found->second.get());
}
