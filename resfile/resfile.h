// Reading a compiled resource file (.res, as windres writes it): its entries, the dialog template
// and the icon. Portable: the window stand-in (winapi/) builds its dialog and icon from these, so
// both builds share one definition of the window, and the tests check the .res with them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace resfile {

// A resource type or name: an ordinal (isOrdinal) or a string (held in 8 bits, as stored).
struct ResourceId {
  bool isOrdinal = true;
  std::uint16_t ordinal = 0;
  std::string name;
};

// One entry of a .res file.
struct ResourceEntry {
  ResourceId type;
  ResourceId name;
  std::uint16_t language = 0;
  std::vector<std::uint8_t> data;
};

// Reads every entry of the .res image `bytes` (`size` bytes) into *entries, skipping the empty
// leading entry that marks the format. Returns false with *error (when not null) set on a
// malformed image.
bool readResourceFile(const std::uint8_t* bytes, std::size_t size,
                      std::vector<ResourceEntry>* entries, std::string* error);

// The entry of ordinal type `type` and ordinal name `name`, or null.
const ResourceEntry* findResource(const std::vector<ResourceEntry>& entries, std::uint16_t type,
                                  std::uint16_t name);

// The entry of ordinal type `type` and string name `name` (compared ignoring case), or null.
const ResourceEntry* findResource(const std::vector<ResourceEntry>& entries, std::uint16_t type,
                                  const char* name);

// One control of a dialog template.
struct DialogItem {
  std::uint32_t style = 0;
  std::uint32_t exStyle = 0;
  std::int16_t x = 0, y = 0, cx = 0, cy = 0;  // dialog units
  std::uint16_t id = 0;
  std::uint16_t classAtom = 0;  // 0x80 button, 0x81 edit, 0x82 static, 0x83 list box; 0 if named
  std::string text;             // empty when the title is an ordinal (a resource reference)
};

// A dialog template in the plain (not extended) form.
struct DialogTemplate {
  std::uint32_t style = 0;
  std::uint32_t exStyle = 0;
  std::int16_t x = 0, y = 0, cx = 0, cy = 0;  // dialog units
  std::string caption;
  std::uint16_t pointSize = 0;  // with DS_SETFONT only
  std::string typeface;         // with DS_SETFONT only
  std::vector<DialogItem> items;
};

// Parses a plain dialog template (resource type 5), stepping over the menu, the window class,
// class names and creation data, which the stand-in has no use for. Returns false with *error
// (when not null) set when the data is malformed or is the extended form.
bool parseDialogTemplate(const std::vector<std::uint8_t>& data, DialogTemplate* dialog,
                         std::string* error);

// An icon image decoded to 8-bit RGBA, top row first; alpha comes from the icon's AND mask.
struct IconImage {
  int width = 0;
  int height = 0;
  int bitCount = 0;  // bits per pixel of the stored image
  std::vector<std::uint8_t> rgba;
};

// Decodes the first image of the icon group named `groupName` (types 14 and 3). Handles 1, 4 and
// 8-bit palette images only. Returns false with *error (when not null) set when the group or its
// image is missing, malformed or of another bit count.
bool loadIcon(const std::vector<ResourceEntry>& entries, const char* groupName, IconImage* icon,
              std::string* error);

}  // namespace resfile
