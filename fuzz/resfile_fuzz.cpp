// Fuzz target: arbitrary bytes as a compiled resource file. Reading it, and every dialog template
// and icon group it holds, must end in a result or an error without a sanitizer report; a decoded
// icon has one RGBA pixel for each of its width times height.
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz/oracle.h"
#include "resfile/resfile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  constexpr std::uint16_t RT_DIALOG = 5, RT_GROUP_ICON = 14;
  std::vector<resfile::ResourceEntry> entries;
  std::string error;
  if (!resfile::readResourceFile(data, size, &entries, &error)) return 0;
  for (const resfile::ResourceEntry& entry : entries) {
    if (entry.type.isOrdinal && entry.type.ordinal == RT_DIALOG) {
      resfile::DialogTemplate dialog;
      resfile::parseDialogTemplate(entry.data, &dialog, &error);
    }
    resfile::IconImage icon;
    if (entry.type.isOrdinal && entry.type.ordinal == RT_GROUP_ICON && !entry.name.isOrdinal &&
        resfile::loadIcon(entries, entry.name.name.c_str(), &icon, &error)) {
      const auto pixels =
          static_cast<std::size_t>(icon.width) * static_cast<std::size_t>(icon.height);
      check(icon.rgba.size() == 4 * pixels);
    }
  }
  return 0;
}
