// Reading compiled resource files: the entry list, plain dialog templates and icon images.
// Every read is bounds-checked, so malformed data gives false and a message, never a crash.
#include "resfile/resfile.h"

#include <utility>

#include "support/ascii.h"

namespace resfile {

namespace {

constexpr std::uint16_t RT_ICON = 3;
constexpr std::uint16_t RT_GROUP_ICON = 14;
constexpr std::uint32_t DS_SETFONT = 0x40;
constexpr std::size_t BITMAPINFOHEADER_SIZE = 40;
constexpr int MAX_ICON_SIZE = 256;

bool fail(std::string* error, std::string message) {
  if (error != nullptr) *error = std::move(message);
  return false;
}

// Little-endian reads from a buffer. A read past the end yields zero and fails the cursor for
// good, so a run of reads needs one check of ok() at its end.
class Cursor {
 public:
  Cursor(const std::uint8_t* bytes, std::size_t size) : _bytes(bytes), _size(size) {}

  bool ok() const { return _ok; }

  std::uint16_t word() {
    if (!take(2)) return 0;
    return static_cast<std::uint16_t>(_bytes[_position - 2] | _bytes[_position - 1] << 8);
  }
  std::uint32_t dword() {
    std::uint32_t low = word();
    return low | static_cast<std::uint32_t>(word()) << 16;
  }
  std::int16_t shortInt() { return static_cast<std::int16_t>(word()); }
  std::int32_t longInt() { return static_cast<std::int32_t>(dword()); }

  // Moves to the next multiple of 4 from the start of the buffer.
  void alignTo4() { take((4 - _position % 4) % 4); }

  void skip(std::size_t count) { take(count); }

  // A NUL-terminated UTF-16 string; code units above 255 become '?'.
  std::string string() {
    std::string text;
    for (std::uint16_t unit = word(); unit != 0; unit = word()) {
      text += static_cast<char>(unit < 256 ? unit : '?');
    }
    return text;
  }

  // 0xFFFF and an ordinal, or a string.
  ResourceId nameOrOrdinal() {
    ResourceId id;
    if (_position + 2 <= _size && _bytes[_position] == 0xFF && _bytes[_position + 1] == 0xFF) {
      word();
      id.ordinal = word();
    } else {
      id.isOrdinal = false;
      id.name = string();
    }
    return id;
  }

 private:
  bool take(std::size_t count) {
    _ok = _ok && count <= _size - _position;
    if (_ok) _position += count;
    return _ok;
  }

  const std::uint8_t* _bytes;
  std::size_t _size;
  std::size_t _position = 0;
  bool _ok = true;
};

// Reads the entry at `start` and sets *next to where the following one begins.
bool readEntry(const std::uint8_t* bytes, std::size_t size, std::size_t start, ResourceEntry* entry,
               std::size_t* next, std::string* error) {
  Cursor sizes(bytes + start, size - start);
  std::uint32_t dataSize = sizes.dword();
  std::uint32_t headerSize = sizes.dword();
  if (!sizes.ok()) return fail(error, "resource entry header is truncated");
  if (headerSize > size - start) return fail(error, "resource entry header size is too large");

  Cursor header(bytes + start, headerSize);
  header.dword();
  header.dword();
  entry->type = header.nameOrOrdinal();
  entry->name = header.nameOrOrdinal();
  header.alignTo4();
  header.dword();  // data version
  header.word();   // memory flags
  entry->language = header.word();
  header.dword();  // version
  header.dword();  // characteristics
  if (!header.ok()) return fail(error, "resource entry header size is too small");

  std::size_t dataStart = start + headerSize;
  if (dataSize > size - dataStart) return fail(error, "resource data runs past the end");
  entry->data.assign(bytes + dataStart, bytes + dataStart + dataSize);
  std::size_t padded = (dataStart + dataSize + 3) / 4 * 4;
  *next = padded < size ? padded : size;  // the last entry's padding may be left out
  return true;
}

bool isMarker(const ResourceEntry& entry) {
  return entry.type.isOrdinal && entry.type.ordinal == 0 && entry.name.isOrdinal &&
         entry.name.ordinal == 0 && entry.data.empty();
}

void readItem(Cursor* in, DialogItem* item) {
  in->alignTo4();
  item->style = in->dword();
  item->exStyle = in->dword();
  item->x = in->shortInt();
  item->y = in->shortInt();
  item->cx = in->shortInt();
  item->cy = in->shortInt();
  item->id = in->word();
  item->classAtom = in->nameOrOrdinal().ordinal;
  item->text = in->nameOrOrdinal().name;
  in->skip(in->word());  // creation data
}

// Where the parts of an icon image lie, in bytes from the start of its data.
struct IconLayout {
  int width = 0, height = 0, bitCount = 0;
  std::size_t paletteStart = 0, colours = 0;
  std::size_t xorStart = 0, xorStride = 0, andStart = 0, andStride = 0;
};

// Reads and checks the BITMAPINFOHEADER: the image's size, bit count and palette.
bool readIconHeader(const std::vector<std::uint8_t>& data, IconLayout* layout, std::string* error) {
  Cursor in(data.data(), data.size());
  std::uint32_t headerSize = in.dword();
  std::int32_t width = in.longInt();
  std::int32_t doubledHeight = in.longInt();  // the colour bitmap and the mask
  in.word();                                  // planes
  int bitCount = in.word();
  std::uint32_t compression = in.dword();
  in.skip(12);  // image size and resolution
  std::uint32_t coloursUsed = in.dword();
  if (!in.ok() || headerSize < BITMAPINFOHEADER_SIZE || headerSize > data.size()) {
    return fail(error, "icon image header is malformed");
  }
  if (compression != 0) return fail(error, "compressed icon images are not supported");
  if (width < 1 || width > MAX_ICON_SIZE || doubledHeight < 2 ||
      doubledHeight > 2 * MAX_ICON_SIZE || doubledHeight % 2 != 0) {
    return fail(error, "icon image size is out of range");
  }
  if (bitCount != 1 && bitCount != 4 && bitCount != 8) {
    return fail(error, "icon image bit count is unsupported");
  }
  std::size_t paletteSize = std::size_t{1} << bitCount;
  if (coloursUsed > paletteSize) return fail(error, "icon palette is too large");
  layout->width = width;
  layout->height = doubledHeight / 2;
  layout->bitCount = bitCount;
  layout->paletteStart = headerSize;
  layout->colours = coloursUsed != 0 ? coloursUsed : paletteSize;
  return true;
}

// Places the colour bitmap and the mask after the palette; false when the data is too short.
bool locateIconBitmaps(std::size_t dataSize, IconLayout* layout, std::string* error) {
  auto width = static_cast<std::size_t>(layout->width);
  auto height = static_cast<std::size_t>(layout->height);
  layout->xorStride = (width * static_cast<std::size_t>(layout->bitCount) + 31) / 32 * 4;
  layout->andStride = (width + 31) / 32 * 4;
  layout->xorStart = layout->paletteStart + layout->colours * 4;
  layout->andStart = layout->xorStart + layout->xorStride * height;
  if (layout->andStart + layout->andStride * height > dataSize) {
    return fail(error, "icon image is truncated");
  }
  return true;
}

// The RGB of pixel x in the stored row at `row` (an offset into data): its palette entry. False
// when the index lies outside the palette.
bool readPixel(const std::vector<std::uint8_t>& data, const IconLayout& layout, std::size_t row,
               std::size_t x, std::uint8_t* rgb) {
  std::size_t bits = x * static_cast<std::size_t>(layout.bitCount);
  auto shift = static_cast<unsigned>(8 - layout.bitCount) - bits % 8;
  std::size_t index = (data[row + bits / 8] >> shift) & ((1u << layout.bitCount) - 1);
  if (index >= layout.colours) return false;
  const std::uint8_t* colour = data.data() + layout.paletteStart + index * 4;
  rgb[0] = colour[2];
  rgb[1] = colour[1];
  rgb[2] = colour[0];
  return true;
}

bool decodeIconImage(const std::vector<std::uint8_t>& data, IconImage* icon, std::string* error) {
  IconLayout layout;
  if (!readIconHeader(data, &layout, error) || !locateIconBitmaps(data.size(), &layout, error)) {
    return false;
  }
  auto w = static_cast<std::size_t>(layout.width), h = static_cast<std::size_t>(layout.height);
  icon->width = layout.width;
  icon->height = layout.height;
  icon->bitCount = layout.bitCount;
  icon->rgba.assign(w * h * 4, 0);
  for (std::size_t y = 0; y < h; ++y) {
    std::size_t stored = h - 1 - y;  // rows are stored bottom-up
    for (std::size_t x = 0; x < w; ++x) {
      std::uint8_t* pixel = &icon->rgba[(y * w + x) * 4];
      if (!readPixel(data, layout, layout.xorStart + stored * layout.xorStride, x, pixel)) {
        return fail(error, "icon pixel lies outside the palette");
      }
      std::uint8_t mask = data[layout.andStart + stored * layout.andStride + x / 8];
      pixel[3] = (mask >> (7 - x % 8) & 1) != 0 ? 0 : 255;
    }
  }
  return true;
}

}  // namespace

bool readResourceFile(const std::uint8_t* bytes, std::size_t size,
                      std::vector<ResourceEntry>* entries, std::string* error) {
  entries->clear();
  ResourceEntry marker;
  std::size_t next = 0;
  if (!readEntry(bytes, size, 0, &marker, &next, error) || !isMarker(marker)) {
    return fail(error, "not a resource file: it does not open with the empty entry");
  }
  while (next < size) {
    ResourceEntry entry;
    if (!readEntry(bytes, size, next, &entry, &next, error)) return false;
    entries->push_back(std::move(entry));
  }
  return true;
}

const ResourceEntry* findResource(const std::vector<ResourceEntry>& entries, std::uint16_t type,
                                  std::uint16_t name) {
  for (const ResourceEntry& entry : entries) {
    if (entry.type.isOrdinal && entry.type.ordinal == type && entry.name.isOrdinal &&
        entry.name.ordinal == name) {
      return &entry;
    }
  }
  return nullptr;
}

const ResourceEntry* findResource(const std::vector<ResourceEntry>& entries, std::uint16_t type,
                                  const char* name) {
  for (const ResourceEntry& entry : entries) {
    if (entry.type.isOrdinal && entry.type.ordinal == type && !entry.name.isOrdinal &&
        equalIgnoringCase(entry.name.name.c_str(), name)) {
      return &entry;
    }
  }
  return nullptr;
}

bool parseDialogTemplate(const std::vector<std::uint8_t>& data, DialogTemplate* dialog,
                         std::string* error) {
  if (data.size() >= 4 && data[0] == 1 && data[1] == 0 && data[2] == 0xFF && data[3] == 0xFF) {
    return fail(error, "extended dialog templates are not supported");
  }
  Cursor in(data.data(), data.size());
  *dialog = DialogTemplate();
  dialog->style = in.dword();
  dialog->exStyle = in.dword();
  std::uint16_t count = in.word();
  dialog->x = in.shortInt();
  dialog->y = in.shortInt();
  dialog->cx = in.shortInt();
  dialog->cy = in.shortInt();
  in.nameOrOrdinal();  // menu
  in.nameOrOrdinal();  // window class
  dialog->caption = in.string();
  if ((dialog->style & DS_SETFONT) != 0) {
    dialog->pointSize = in.word();
    dialog->typeface = in.string();
  }
  for (std::uint16_t i = 0; i < count && in.ok(); ++i) {
    dialog->items.emplace_back();
    readItem(&in, &dialog->items.back());
  }
  if (!in.ok()) return fail(error, "dialog template runs past the end of its data");
  return true;
}

bool loadIcon(const std::vector<ResourceEntry>& entries, const char* groupName, IconImage* icon,
              std::string* error) {
  const ResourceEntry* group = findResource(entries, RT_GROUP_ICON, groupName);
  if (group == nullptr) return fail(error, std::string("no icon group named ") + groupName);
  Cursor in(group->data.data(), group->data.size());
  std::uint16_t reserved = in.word();
  std::uint16_t type = in.word();
  std::uint16_t count = in.word();
  in.skip(12);  // the image's size, colours, planes, bit count and byte count
  std::uint16_t id = in.word();
  if (!in.ok() || reserved != 0 || type != 1 || count == 0) {
    return fail(error, "icon group is malformed");
  }
  const ResourceEntry* image = findResource(entries, RT_ICON, id);
  if (image == nullptr) return fail(error, "icon image " + std::to_string(id) + " is missing");
  return decodeIconImage(image->data, icon, error);
}

}  // namespace resfile
