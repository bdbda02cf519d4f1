// Checks the compiled window resources (glyphwise.res, made by windres from app/glyphwise.rc)
// field by field against the window's design, then feeds the reader malformed and unusual data.
#include "resfile/resfile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <map>
#include <tuple>

namespace {

using namespace resfile;

constexpr std::uint16_t RT_ICON = 3, RT_DIALOG = 5, RT_GROUP_ICON = 14, RT_VERSION = 16;
using Bytes = std::vector<std::uint8_t>;

// A copy of `bytes` with the `size`-byte little-endian value at `at` replaced.
Bytes with(Bytes bytes, std::size_t at, std::uint32_t value, int size = 4) {
  for (int i = 0; i < size; ++i) bytes[at + i] = static_cast<std::uint8_t>(value >> 8 * i);
  return bytes;
}

// Little-endian bytes of a list of 16-bit words.
Bytes wordBytes(std::initializer_list<std::uint16_t> words) {
  Bytes bytes;
  for (unsigned word : words)
    bytes.insert(bytes.end(), {std::uint8_t(word), std::uint8_t(word >> 8)});
  return bytes;
}

// The version record's nodes in document order as "key=value": text values as text, others as
// 32-bit words in hex. The nesting is windres's work; the keys and values are ours.
std::vector<std::string> versionNodes(const Bytes& data) {
  auto word = [&](std::size_t at) { return unsigned{data[at]} | unsigned{data[at + 1]} << 8; };
  auto align = [](std::size_t at) { return (at + 3) / 4 * 4; };
  std::vector<std::string> nodes;
  for (std::size_t at = 0; at + 6 <= data.size();) {
    bool isText = word(at + 4) == 1;
    std::size_t valueSize = word(at + 2) * (isText ? 2 : 1);
    std::string node;
    for (at += 6; at + 2 <= data.size() && word(at) != 0; at += 2) node += char(data[at]);
    node += '=';
    at = align(at + 2);
    if (at + valueSize > data.size()) return {"value past the end: " + node};
    for (std::size_t i = 0; isText && i < valueSize && data[at + i] != 0; i += 2) {
      node += char(data[at + i]);
    }
    for (std::size_t i = 0; !isText && i + 4 <= valueSize; i += 4) {
      char hex[10];
      std::snprintf(hex, sizeof hex, "%s%08x", i == 0 ? "" : " ",
                    word(at + i) | word(at + i + 2) << 16);
      node += hex;
    }
    nodes.push_back(node);
    at = align(at + valueSize);
  }
  return nodes;
}

class Resource : public testing::Test {
 protected:
  void SetUp() override {
    std::ifstream in(GLYPHWISE_RES, std::ios::binary);
    file.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    ASSERT_TRUE(readResourceFile(file.data(), file.size(), &entries, &error)) << error;
    ASSERT_TRUE(findResource(entries, RT_DIALOG, 101) && findResource(entries, RT_ICON, 1));
  }

  const Bytes& data(std::uint16_t type, std::uint16_t name) {
    return findResource(entries, type, name)->data;
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

// Dialog 101's frame and then its controls in tab order: id, class, text, rectangle in dialog
// units, style, extended style.
TEST_F(Resource, MainDialogAndItsControlsInTabOrder) {
  using Window =
      std::tuple<int, int, std::string, int, int, int, int, std::uint32_t, std::uint32_t>;
  const std::vector<Window> expected = {
      {0, 0, "Glyphwise", 0, 0, 242, 167, 0x80CA00C4, 0},
      {1000, 0x83, "", 7, 7, 171, 123, 0x50A00101, 0},
      {1001, 0x81, "", 7, 131, 171, 14, 0x50810088, 0},
      {1002, 0x80, "&Guess", 186, 7, 50, 14, 0x50010001, 0},
      {1003, 0x80, "&New Game", 186, 26, 50, 14, 0x50010000, 0},
      {1004, 0x80, "&Concede", 186, 45, 50, 14, 0x50010000, 0},
      {1006, 0x80, "&About", 186, 64, 50, 14, 0x50010000, 0},
      {1005, 0x80, "E&xit", 186, 102, 50, 14, 0x50010000, 0},
      {1007, 0x80, "&Help", 186, 83, 50, 14, 0x50010000, 0},
      {0xFFFF, 0x82, "Right Letters-Right Spot / Right Letters-Wrong Spot", 7, 149, 222, 10,
       0x50020000, 0}};
  DialogTemplate dialog;
  ASSERT_TRUE(parseDialogTemplate(data(RT_DIALOG, 101), &dialog, &error)) << error;
  std::vector<Window> found = {{0, 0, dialog.caption, dialog.x, dialog.y, dialog.cx, dialog.cy,
                                dialog.style, dialog.exStyle}};
  for (const DialogItem& item : dialog.items) {
    found.emplace_back(item.id, item.classAtom, item.text, item.x, item.y, item.cx, item.cy,
                       item.style, item.exStyle);
  }
  EXPECT_EQ(found, expected);
  EXPECT_EQ(std::to_string(dialog.pointSize) + " " + dialog.typeface, "8 MS Sans Serif");
}

// The group (one 32 x 32, 16-colour image, resource 1) and its image against tools/icon.txt, the
// map that tools/make-icon turns into the .ico.
TEST_F(Resource, AppIconShowsThePixelMap) {
  const ResourceEntry* group = findResource(entries, RT_GROUP_ICON, "id_app");
  ASSERT_NE(group, nullptr);
  Bytes expected = {0, 0, 1, 0, 1, 0, 32, 32, 16, 0, 1, 0, 4, 0, 0, 0, 0, 0, 1, 0};
  EXPECT_EQ(group->data, with(expected, 14, std::uint32_t(data(RT_ICON, 1).size())));

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
  for (std::size_t i = 0; i < 32 * 32; ++i) {
    const std::string& colour = legend[rows[i / 32].at(i % 32)];
    const std::uint8_t* pixel = &icon.rgba[i * 4];
    std::uint32_t rgb = std::uint32_t{pixel[0]} << 16 | std::uint32_t{pixel[1]} << 8 | pixel[2];
    bool clear = colour == "transparent";
    EXPECT_EQ(pixel[3], clear ? 0 : 255) << "pixel " << i % 32 << "," << i / 32 << " " << colour;
    EXPECT_EQ(rgb, clear ? rgb : colours.at(colour)) << "pixel " << i % 32 << "," << i / 32;
  }
}

TEST_F(Resource, VersionRecord) {
  const ResourceEntry* entry = findResource(entries, RT_VERSION, 1);
  ASSERT_NE(entry, nullptr);
  const std::vector<std::string> expected = {
      // VS_FIXEDFILEINFO: signature, structure version, file and product versions (1.0.0.1),
      // flags mask and flags, VOS_NT_WINDOWS32, VFT_APP, no subtype, no date.
      "VS_VERSION_INFO=feef04bd 00010000 00010000 00000001 00010000 00000001 0000003f 00000000 "
      "00040004 00000001 00000000 00000000 00000000",
      "StringFileInfo=",
      "0c0904b0=",
      "CompanyName=The Glyphwise Authors",
      "FileDescription=Glyphwise ",
      "FileVersion=1, 0, 0, 1",
      "InternalName=Glyphwise",
      "LegalCopyright=Copyright (C) 2026 The Glyphwise Authors",
      "OriginalFilename=Glyphwise.exe",
      "ProductName=Glyphwise",
      "ProductVersion=1, 0, 0, 1",
      "VarFileInfo=",
      "Translation=04b00c09"};
  EXPECT_EQ(versionNodes(entry->data), expected);
}

// A dialog with what the main one lacks: a menu, a class named by string, no font, and a first
// item with a named class, an ordinal title and two bytes of creation data, which the reader
// must step over (and then align) to find the second item.
const Bytes UNUSUAL_DIALOG = wordBytes(
    {0,      0x8000, 0,      0,   2, 1,      2, 3, 4,      // styles, two items, rectangle
     0xFFFF, 5,      'A',    'b', 0, 'T',    0,            // menu 5, class "Ab", caption "T"
     0,      0x5000, 0,      0,   5, 6,      7, 8, 9,      // first item: styles, rectangle, id 9
     'C',    0,      0xFFFF, 42,  2, 0xBEEF,               // class "C", title 42, creation data
     0,      0,      0x5000, 0,   0, 1,      1, 1, 1, 10,  // padding to 4 bytes; second item, id 10
     0xFFFF, 0x80,   'O',    'k', 0, 0});                  // a button "Ok", no creation data

TEST_F(Resource, StepsOverWhatTheStandInDoesNotUse) {
  DialogTemplate dialog;
  ASSERT_TRUE(parseDialogTemplate(UNUSUAL_DIALOG, &dialog, &error)) << error;
  ASSERT_EQ(dialog.items.size(), 2u);
  const DialogItem &first = dialog.items[0], &second = dialog.items[1];
  EXPECT_EQ(std::vector<int>({first.id, first.classAtom, second.id, second.classAtom}),
            std::vector<int>({9, 0, 10, 0x80}));
  EXPECT_EQ(dialog.caption + "|" + first.text + "|" + second.text, "T||Ok");
}

// Every row must be refused with a message, and (the asan preset checks) without a bad read.
TEST_F(Resource, RefusesMalformedInputs) {
  enum Kind { FILE, DIALOG, ICON_GROUP, ICON };
  struct Row {
    std::string what;
    Kind kind;
    Bytes bytes;
  };
  const Bytes dialog = data(RT_DIALOG, 101), image = data(RT_ICON, 1);
  const Bytes group = findResource(entries, RT_GROUP_ICON, "ID_APP")->data;
  std::vector<Row> rows = {
      {"empty file", FILE, {}},
      {"file cut in an entry header", FILE, Bytes(file.begin(), file.begin() + 44)},
      {"file cut in the last entry's data", FILE, Bytes(file.begin(), file.end() - 8)},
      {"no leading empty entry", FILE, Bytes(file.begin() + 32, file.end())},
      {"entry header size too large", FILE, with(file, 36, 0xFFFFFFF0)},
      {"entry header size too small", FILE, with(file, 36, 8)},
      {"entry data size too large", FILE, with(file, 32, 0x7FFFFFFF)},
      {"entry type name runs off the end of its 16-byte header", FILE,
       with(with(file, 36, 16), 40, 'A' | 'B' << 16)},
      {"extended dialog", DIALOG, with(dialog, 0, 0xFFFF0001)},  // its version and signature
      {"more items than the data holds", DIALOG, with(dialog, 8, 10, 2)},
      {"icon group of no images", ICON_GROUP, with(group, 4, 0, 2)},
      {"icon group naming a missing image", ICON_GROUP, with(group, 18, 9, 2)},
      {"compressed icon", ICON, with(image, 16, 1)},
      {"icon palette of two colours", ICON, with(image, 32, 2)},
      {"24-bit icon", ICON, with(image, 14, 24, 2)},
  };
  const std::pair<const char*, const Bytes*> cuts[] = {
      {"dialog 101", &dialog}, {"unusual dialog", &UNUSUAL_DIALOG}, {"icon image", &image}};
  for (const auto& cut : cuts) {
    for (std::size_t size = 0; size < cut.second->size(); ++size) {
      rows.push_back({std::string(cut.first) + " cut to " + std::to_string(size) + " bytes",
                      cut.second == &image ? ICON : DIALOG,
                      Bytes(cut.second->begin(), cut.second->begin() + std::ptrdiff_t(size))});
    }
  }
  for (const Row& row : rows) {
    std::vector<ResourceEntry> changed = entries;
    for (ResourceEntry& entry : changed) {
      if (entry.type.ordinal == (row.kind == ICON ? RT_ICON : RT_GROUP_ICON))
        entry.data = row.bytes;
    }
    DialogTemplate parsed;
    IconImage icon;
    error.clear();
    EXPECT_FALSE(row.kind == FILE
                     ? readResourceFile(row.bytes.data(), row.bytes.size(), &changed, &error)
                 : row.kind == DIALOG ? parseDialogTemplate(row.bytes, &parsed, &error)
                                      : loadIcon(changed, "ID_APP", &icon, &error))
        << row.what;
    EXPECT_NE(error, "") << row.what;
  }
}

}  // namespace
