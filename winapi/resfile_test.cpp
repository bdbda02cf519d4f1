// Checks the compiled window resources (glyphwise.res, made by windres from app/glyphwise.rc)
// field by field against the window's design, then feeds the reader malformed and unusual data.
#include "winapi/resfile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <iterator>
#include <map>
#include <utility>

#include "winapi/module.h"

namespace {

constexpr std::uint16_t RT_ICON = 3, RT_DIALOG = 5, RT_GROUP_ICON = 14, RT_VERSION = 16;
using Bytes = std::vector<std::uint8_t>;

Bytes readBytes(const char* path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::uint32_t dwordAt(const Bytes& bytes, std::size_t at) {
  return std::uint32_t{bytes[at]} | std::uint32_t{bytes[at + 1]} << 8 |
         std::uint32_t{bytes[at + 2]} << 16 | std::uint32_t{bytes[at + 3]} << 24;
}

void putDword(Bytes* bytes, std::size_t at, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) (*bytes)[at + i] = static_cast<std::uint8_t>(value >> 8 * i);
}

// Little-endian bytes of a list of 16-bit words.
Bytes wordBytes(std::initializer_list<std::uint16_t> words) {
  Bytes bytes;
  for (std::uint16_t word : words) {
    bytes.insert(bytes.end(), {std::uint8_t(word), std::uint8_t(word >> 8)});
  }
  return bytes;
}

// One node of a version record (VS_VERSIONINFO and the blocks in it).
struct VersionNode {
  std::string key;
  Bytes value;  // as stored: text values are UTF-16
  std::vector<VersionNode> children;
};

// Parses the node at `start`, which must end by `end`, and sets *next past it. Alignment counts
// from the start of the record.
bool parseVersionNode(const Bytes& data, std::size_t start, std::size_t end, VersionNode* node,
                      std::size_t* next) {
  auto word = [&](std::size_t at) {
    return std::size_t{data[at]} | std::size_t{data[at + 1]} << 8;
  };
  auto align = [](std::size_t at) { return (at + 3) / 4 * 4; };
  if (start + 6 > end || word(start) < 6 || start + word(start) > end) return false;
  std::size_t nodeEnd = start + word(start);
  std::size_t valueSize = word(start + 4) == 1 ? word(start + 2) * 2 : word(start + 2);
  std::size_t at = start + 6;
  for (; at + 2 <= nodeEnd && word(at) != 0; at += 2) node->key += static_cast<char>(data[at]);
  at = align(at + 2);
  if (at + valueSize > nodeEnd) return false;
  node->value.assign(data.begin() + static_cast<std::ptrdiff_t>(at),
                     data.begin() + static_cast<std::ptrdiff_t>(at + valueSize));
  for (at = align(at + valueSize); at < nodeEnd; at = align(at)) {
    node->children.emplace_back();
    if (!parseVersionNode(data, at, nodeEnd, &node->children.back(), &at)) return false;
  }
  *next = nodeEnd;
  return true;
}

// A UTF-16 value as 8-bit text, up to its NUL.
std::string text(const Bytes& utf16) {
  std::string result;
  for (std::size_t i = 0; i + 1 < utf16.size() && utf16[i] != 0; i += 2) result += char(utf16[i]);
  return result;
}

class Resource : public testing::Test {
 protected:
  void SetUp() override {
    file = readBytes(GLYPHWISE_RES);
    ASSERT_TRUE(readResourceFile(file.data(), file.size(), &entries, &error)) << error;
  }

  bool mainDialog(DialogTemplate* dialog) {
    const ResourceEntry* entry = findResource(entries, RT_DIALOG, 101);
    return entry != nullptr && parseDialogTemplate(entry->data, dialog, &error);
  }

  Bytes file;
  std::vector<ResourceEntry> entries;
  std::string error;
};

TEST_F(Resource, HoldsFourResourcesAllInAustralianEnglish) {
  std::vector<std::string> found;
  for (const ResourceEntry& entry : entries) {
    found.push_back(std::to_string(entry.type.ordinal) + "/" +
                    (entry.name.isOrdinal ? std::to_string(entry.name.ordinal) : entry.name.name));
    EXPECT_EQ(entry.language, 0x0C09) << found.back();
  }
  std::sort(found.begin(), found.end());
  EXPECT_EQ(found, (std::vector<std::string>{"14/ID_APP", "16/1", "3/1", "5/101"}));
}

TEST_F(Resource, EmbeddedCopyIsTheCompiledFile) {
  ASSERT_EQ(WINAPI_RESOURCES_SIZE, file.size());
  EXPECT_EQ(std::memcmp(WINAPI_RESOURCES, file.data(), file.size()), 0);
}

TEST_F(Resource, MainDialogFrame) {
  DialogTemplate dialog;
  ASSERT_TRUE(mainDialog(&dialog)) << error;
  EXPECT_EQ(dialog.style, 0x80CA00C4u);
  EXPECT_EQ(dialog.exStyle, 0u);
  EXPECT_EQ(std::vector<int>({dialog.x, dialog.y, dialog.cx, dialog.cy}),
            std::vector<int>({0, 0, 242, 167}));
  EXPECT_TRUE(dialog.menu.isOrdinal && dialog.menu.ordinal == 0);
  EXPECT_TRUE(dialog.windowClass.isOrdinal && dialog.windowClass.ordinal == 0);
  EXPECT_EQ(dialog.caption, "Glyphwise");
  EXPECT_EQ(dialog.pointSize, 8);
  EXPECT_EQ(dialog.typeface, "MS Sans Serif");
}

TEST_F(Resource, MainDialogControlsInTabOrder) {
  struct Control {
    std::uint16_t id, classAtom;
    const char* text;
    int x, y, cx, cy;
    std::uint32_t style;
  };
  const Control expected[] = {
      {1000, 0x83, "", 7, 7, 171, 123, 0x50A00101},
      {1001, 0x81, "", 7, 131, 171, 14, 0x50810088},
      {1002, 0x80, "&Guess", 186, 7, 50, 14, 0x50010001},
      {1003, 0x80, "&New Game", 186, 26, 50, 14, 0x50010000},
      {1004, 0x80, "&Concede", 186, 45, 50, 14, 0x50010000},
      {1006, 0x80, "&About", 186, 64, 50, 14, 0x50010000},
      {1005, 0x80, "E&xit", 186, 102, 50, 14, 0x50010000},
      {1007, 0x80, "&Help", 186, 83, 50, 14, 0x50010000},
      {0xFFFF, 0x82, "Right Letters-Right Spot / Right Letters-Wrong Spot", 7, 149, 222, 10,
       0x50020000},
  };
  DialogTemplate dialog;
  ASSERT_TRUE(mainDialog(&dialog)) << error;
  ASSERT_EQ(dialog.items.size(), std::size(expected));
  for (std::size_t i = 0; i < dialog.items.size(); ++i) {
    const DialogItem& item = dialog.items[i];
    const Control& want = expected[i];
    SCOPED_TRACE(want.text);
    EXPECT_EQ(item.id, want.id);
    EXPECT_EQ(item.classAtom, want.classAtom);
    EXPECT_EQ(item.className, "");
    EXPECT_EQ(item.text, want.text);
    EXPECT_EQ(std::vector<int>({item.x, item.y, item.cx, item.cy}),
              std::vector<int>({want.x, want.y, want.cx, want.cy}));
    EXPECT_EQ(item.style, want.style);
    EXPECT_EQ(item.exStyle, 0u);
    EXPECT_TRUE(item.creationData.empty());
  }
}

TEST_F(Resource, AppIconGroupHoldsOne32x32SixteenColourImage) {
  const ResourceEntry* group = findResource(entries, RT_GROUP_ICON, "id_app");
  const ResourceEntry* image = findResource(entries, RT_ICON, 1);
  ASSERT_TRUE(group != nullptr && image != nullptr);
  Bytes expected = {0, 0, 1, 0, 1, 0, 32, 32, 16, 0, 1, 0, 4, 0, 0, 0, 0, 0, 1, 0};
  putDword(&expected, 14, static_cast<std::uint32_t>(image->data.size()));
  EXPECT_EQ(group->data, expected);
}

// The decoded icon against tools/icon.txt, the map that tools/make-icon turns into the .ico.
TEST_F(Resource, AppIconShowsThePixelMap) {
  const std::map<std::string, std::uint32_t> colours = {
      {"black", 0x000000}, {"maroon", 0x800000},  {"green", 0x008000}, {"olive", 0x808000},
      {"navy", 0x000080},  {"purple", 0x800080},  {"teal", 0x008080},  {"silver", 0xC0C0C0},
      {"grey", 0x808080},  {"red", 0xFF0000},     {"lime", 0x00FF00},  {"yellow", 0xFFFF00},
      {"blue", 0x0000FF},  {"fuchsia", 0xFF00FF}, {"aqua", 0x00FFFF},  {"white", 0xFFFFFF}};
  std::map<char, std::string> legend;
  std::vector<std::string> rows;
  std::ifstream map(GLYPHWISE_ICON_MAP);
  for (std::string line; std::getline(map, line);) {
    if (line.rfind("legend ", 0) == 0) {
      legend[line[7]] = line.substr(9);
    } else if (!line.empty() && line[0] != '#') {
      rows.push_back(line);
    }
  }
  ASSERT_EQ(rows.size(), 32u);

  IconImage icon;
  ASSERT_TRUE(loadIcon(entries, "ID_APP", &icon, &error)) << error;
  ASSERT_EQ(std::vector<int>({icon.width, icon.height, icon.bitCount}),
            std::vector<int>({32, 32, 4}));
  ASSERT_EQ(icon.rgba.size(), 32u * 32 * 4);
  int transparent = 0;
  for (std::size_t i = 0; i < 32 * 32; ++i) {
    const std::string& colour = legend[rows[i / 32].at(i % 32)];
    const std::uint8_t* pixel = &icon.rgba[i * 4];
    SCOPED_TRACE("pixel " + std::to_string(i % 32) + "," + std::to_string(i / 32) + " " + colour);
    std::uint32_t rgb = std::uint32_t{pixel[0]} << 16 | std::uint32_t{pixel[1]} << 8 | pixel[2];
    EXPECT_EQ(pixel[3], colour == "transparent" ? 0 : 255);
    if (colour != "transparent") {
      EXPECT_EQ(rgb, colours.at(colour));
    }
    transparent += colour == "transparent";
  }
  EXPECT_GT(transparent, 0);
  EXPECT_LT(transparent, 32 * 32);
}

TEST_F(Resource, VersionRecord) {
  const ResourceEntry* entry = findResource(entries, RT_VERSION, 1);
  ASSERT_NE(entry, nullptr);
  VersionNode root;
  std::size_t end = 0;
  ASSERT_TRUE(parseVersionNode(entry->data, 0, entry->data.size(), &root, &end));
  EXPECT_EQ(root.key, "VS_VERSION_INFO");
  const std::uint32_t fixed[] = {0xFEEF04BD, 0x00010000, 0x00010000, 1, 0x00010000, 1, 0x3F,
                                 0,          0x00040004, 1,          0, 0,          0};
  ASSERT_EQ(root.value.size(), sizeof fixed);
  for (std::size_t i = 0; i < std::size(fixed); ++i) {
    EXPECT_EQ(dwordAt(root.value, i * 4), fixed[i]) << "VS_FIXEDFILEINFO field " << i;
  }

  ASSERT_EQ(root.children.size(), 2u);
  EXPECT_EQ(root.children[0].key, "StringFileInfo");
  ASSERT_EQ(root.children[0].children.size(), 1u);
  const VersionNode& table = root.children[0].children[0];
  EXPECT_EQ(table.key, "0c0904b0");
  std::vector<std::pair<std::string, std::string>> strings;
  for (const VersionNode& value : table.children) {
    strings.emplace_back(value.key, text(value.value));
  }
  const std::vector<std::pair<std::string, std::string>> expected = {
      {"CompanyName", "The Glyphwise Authors"},
      {"FileDescription", "Glyphwise "},
      {"FileVersion", "1, 0, 0, 1"},
      {"InternalName", "Glyphwise"},
      {"LegalCopyright", "Copyright (C) 2026 The Glyphwise Authors"},
      {"OriginalFilename", "Glyphwise.exe"},
      {"ProductName", "Glyphwise"},
      {"ProductVersion", "1, 0, 0, 1"}};
  EXPECT_EQ(strings, expected);

  const VersionNode& variables = root.children[1];
  EXPECT_EQ(variables.key, "VarFileInfo");
  ASSERT_EQ(variables.children.size(), 1u);
  EXPECT_EQ(variables.children[0].key, "Translation");
  EXPECT_EQ(variables.children[0].value, Bytes({0x09, 0x0C, 0xB0, 0x04}));
}

TEST_F(Resource, RefusesMalformedFiles) {
  auto withDword = [&](std::size_t at, std::uint32_t value) {
    Bytes copy = file;
    putDword(&copy, at, value);
    return copy;
  };
  // The empty entry, then one whose header (16 bytes) ends before its type name does.
  Bytes nameWithoutEnd(file.begin(), file.begin() + 32);
  Bytes entry = wordBytes({0, 0, 16, 0, 'A', 'B', 'C', 'D'});
  nameWithoutEnd.insert(nameWithoutEnd.end(), entry.begin(), entry.end());
  struct Row {
    const char* what;
    Bytes bytes;
  };
  std::vector<Row> rows = {{"empty", {}},
                           {"cut in an entry header", Bytes(file.begin(), file.begin() + 44)},
                           {"cut in the last entry's data", Bytes(file.begin(), file.end() - 8)},
                           {"no leading empty entry", Bytes(file.begin() + 32, file.end())},
                           {"header size too large", withDword(36, 0xFFFFFFF0)},
                           {"header size too small", withDword(36, 8)},
                           {"data size too large", withDword(32, 0x7FFFFFFF)},
                           {"name runs off the end", nameWithoutEnd}};
  for (const Row& row : rows) {
    error.clear();
    EXPECT_FALSE(readResourceFile(row.bytes.data(), row.bytes.size(), &entries, &error))
        << row.what;
    EXPECT_NE(error, "") << row.what;
  }
}

TEST_F(Resource, RefusesMalformedDialogs) {
  const ResourceEntry* entry = findResource(entries, RT_DIALOG, 101);
  ASSERT_NE(entry, nullptr);
  const Bytes& data = entry->data;
  DialogTemplate dialog;
  Bytes extended = wordBytes({1, 0xFFFF});  // the extended form's version and signature
  extended.insert(extended.end(), data.begin() + 4, data.end());
  EXPECT_FALSE(parseDialogTemplate(extended, &dialog, &error));
  Bytes extraItem = data;
  extraItem[8] = 10;
  EXPECT_FALSE(parseDialogTemplate(extraItem, &dialog, &error));
  for (std::size_t size = 0; size < data.size(); ++size) {
    EXPECT_FALSE(parseDialogTemplate(Bytes(data.begin(), data.begin() + size), &dialog, &error))
        << "cut to " << size << " bytes";
  }
}

TEST_F(Resource, RefusesMalformedIcons) {
  IconImage icon;
  EXPECT_FALSE(loadIcon(entries, "NO_SUCH_ICON", &icon, &error));
  ResourceEntry& image = entries[0];
  ASSERT_EQ(image.type.ordinal, RT_ICON);
  const Bytes data = image.data;
  putDword(&image.data, 16, 1);  // run-length compressed
  EXPECT_FALSE(loadIcon(entries, "ID_APP", &icon, &error));
  image.data = data;
  putDword(&image.data, 32, 2);  // a two-colour palette, which most pixels lie outside
  EXPECT_FALSE(loadIcon(entries, "ID_APP", &icon, &error));
  for (std::size_t size = 0; size < data.size(); ++size) {
    image.data.assign(data.begin(), data.begin() + static_cast<std::ptrdiff_t>(size));
    EXPECT_FALSE(loadIcon(entries, "ID_APP", &icon, &error)) << "cut to " << size << " bytes";
  }
}

// A dialog with what the main one lacks: a menu, a class named by string, no font, and an item
// with a named class, an ordinal title and creation data.
TEST(ResourceDialog, ReadsNamedClassesOrdinalTitlesAndCreationData) {
  const Bytes data = wordBytes(
      {0,      0x8000, 0,   0,      1,                     // style, extended style, one item
       1,      2,      3,   4,                             // x, y, cx, cy
       0xFFFF, 5,      'A', 'b',    0,  'T', 0,            // menu 5, class "Ab", caption "T"
       0,      0x5000, 0,   0,      5,  6,   7,     8, 9,  // the item: styles, rectangle, id
       'C',    'u',    0,   0xFFFF, 42, 2,   0xBEEF});     // class, title, 2 bytes
  DialogTemplate dialog;
  std::string error;
  ASSERT_TRUE(parseDialogTemplate(data, &dialog, &error)) << error;
  EXPECT_TRUE(dialog.menu.isOrdinal && dialog.menu.ordinal == 5);
  EXPECT_TRUE(!dialog.windowClass.isOrdinal && dialog.windowClass.name == "Ab");
  EXPECT_EQ(dialog.caption, "T");
  EXPECT_EQ(dialog.typeface, "");
  ASSERT_EQ(dialog.items.size(), 1u);
  const DialogItem& item = dialog.items[0];
  EXPECT_EQ(std::vector<int>({item.x, item.y, item.cx, item.cy, item.id}),
            std::vector<int>({5, 6, 7, 8, 9}));
  EXPECT_EQ(item.style, 0x50000000u);
  EXPECT_EQ(item.classAtom, 0);
  EXPECT_EQ(item.className, "Cu");
  EXPECT_EQ(item.text, "#42");
  EXPECT_EQ(item.creationData, Bytes({0xEF, 0xBE}));
}

// A 2 x 2 icon in each stored form: red and white on the top row, white and red below, the top
// right pixel transparent. Rows are listed bottom row first, each padded to 4 bytes.
TEST(ResourceIcon, DecodesEveryBitDepth) {
  struct Row {
    std::uint16_t bitCount;
    Bytes pixels;
  };
  const Bytes palette = {0, 0, 255, 0, 255, 255, 255, 0};
  const Row rows[] = {
      {1, {0x80, 0, 0, 0, 0x40, 0, 0, 0}},
      {4, {0x10, 0, 0, 0, 0x01, 0, 0, 0}},
      {8, {1, 0, 0, 0, 0, 1, 0, 0}},
      {24, {255, 255, 255, 0, 0, 255, 0, 0, 0, 0, 255, 255, 255, 255, 0, 0}},
      {32, {255, 255, 255, 0, 0, 0, 255, 0, 0, 0, 255, 0, 255, 255, 255, 0}},
  };
  const Bytes expected = {255, 0, 0, 255, 255, 255, 255, 0, 255, 255, 255, 255, 255, 0, 0, 255};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.bitCount);
    Bytes image(40, 0);
    putDword(&image, 0, 40);
    putDword(&image, 4, 2);
    putDword(&image, 8, 4);
    putDword(&image, 12, 1u | std::uint32_t{row.bitCount} << 16);
    if (row.bitCount <= 8) {
      putDword(&image, 32, 2);
      image.insert(image.end(), palette.begin(), palette.end());
    }
    image.insert(image.end(), row.pixels.begin(), row.pixels.end());
    image.insert(image.end(), {0, 0, 0, 0, 0x40, 0, 0, 0});
    std::vector<ResourceEntry> entries(2);
    entries[0].type.ordinal = RT_GROUP_ICON;
    entries[0].name = {false, 0, "SMALL"};
    entries[0].data = wordBytes({0, 1, 1, 0x0202, 0, 1, row.bitCount, 0, 0, 7});
    entries[1].type.ordinal = RT_ICON;
    entries[1].name.ordinal = 7;
    entries[1].data = image;
    IconImage icon;
    std::string error;
    ASSERT_TRUE(loadIcon(entries, "SMALL", &icon, &error)) << error;
    EXPECT_EQ(icon.bitCount, row.bitCount);
    EXPECT_EQ(icon.rgba, expected);
  }
}

}  // namespace
