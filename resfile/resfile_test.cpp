// Reads the compiled window resources (glyphwise.res, made by windres from app/glyphwise.rc) and
// checks the list of resources, the dialog and the icon against the window's design, then feeds the
// reader malformed data.
#include "resfile/resfile.h"

#include <gtest/gtest.h>

#include <array>
#include <fstream>
#include <iterator>
#include <map>
#include <ostream>
#include <string>
#include <tuple>
#include <vector>

namespace {

using namespace resfile;
using Bytes = std::vector<std::uint8_t>;
constexpr std::uint16_t RT_ICON = 3, RT_DIALOG = 5, RT_GROUP_ICON = 14, RT_VERSION = 16,
                        RT_MANIFEST = 24;

// A copy of `bytes` with the `size`-byte little-endian value at `at` replaced.
Bytes with(Bytes bytes, std::size_t at, std::uint32_t value, int size = 4) {
  for (int i = 0; i < size; ++i) bytes[at + i] = static_cast<std::uint8_t>(value >> 8 * i);
  return bytes;
}

class Resource : public testing::Test {
 protected:
  void SetUp() override {
    std::ifstream in(GLYPHWISE_RES, std::ios::binary);
    file.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    ASSERT_TRUE(readResourceFile(file.data(), file.size(), &entries, &error)) << error;
    ASSERT_TRUE(findResource(entries, RT_DIALOG, 101) && findResource(entries, RT_ICON, 1));
    dialog = findResource(entries, RT_DIALOG, 101)->data;
    image = findResource(entries, RT_ICON, 1)->data;
  }

  Bytes file, dialog, image;  // the whole .res, dialog 101's template and icon image 1
  std::vector<ResourceEntry> entries;
  std::string error;
  DialogTemplate parsed;
  IconImage icon;
};

// A window of dialog 101: the frame (its font's size where a control has its class; its caption
// and typeface) or a control (id, class, text), with its rectangle in dialog units and style.
struct Window {
  int id, classAtom;
  std::string text;
  int x, y, cx, cy;
  std::uint32_t style;

  bool operator==(const Window& o) const {
    return std::tie(id, classAtom, text, x, y, cx, cy, style) ==
           std::tie(o.id, o.classAtom, o.text, o.x, o.y, o.cx, o.cy, o.style);
  }
};

void PrintTo(const Window& w, std::ostream* out) {
  *out << "{" << w.id << ", 0x" << std::hex << w.classAtom << std::dec << ", \"" << w.text << "\", "
       << w.x << ", " << w.y << ", " << w.cx << ", " << w.cy << ", 0x" << std::hex << w.style
       << std::dec << "}";
}

// Every resource of the window, each in the language 0x0C09 (English, Australia), and no other
// resource: the manifest takes effect only as type 24, id 1.
TEST_F(Resource, EachResourceInEnglishAustralia) {
  struct Row {
    std::uint16_t type;
    std::uint16_t ordinal;  // the resource's number, when it has no name
    const char* name;       // or its name
  };
  const std::vector<Row> rows = {{RT_DIALOG, 101, nullptr},
                                 {RT_ICON, 1, nullptr},
                                 {RT_GROUP_ICON, 0, "ID_APP"},
                                 {RT_VERSION, 1, nullptr},
                                 {RT_MANIFEST, 1, nullptr}};
  EXPECT_EQ(entries.size(), rows.size());
  for (const Row& row : rows) {
    const ResourceEntry* found = row.name ? findResource(entries, row.type, row.name)
                                          : findResource(entries, row.type, row.ordinal);
    ASSERT_TRUE(found) << row.type << " " << row.ordinal;
    EXPECT_EQ(found->language, 0x0C09) << row.type << " " << row.ordinal;
  }
}

// Dialog 101's frame, then its controls in tab order.
TEST_F(Resource, MainDialogAndItsControlsInTabOrder) {
  ASSERT_TRUE(parseDialogTemplate(dialog, &parsed, &error)) << error;
  std::vector<Window> found = {{0, parsed.pointSize, parsed.caption + "|" + parsed.typeface,
                                parsed.x, parsed.y, parsed.cx, parsed.cy, parsed.style}};
  for (const DialogItem& c : parsed.items)
    found.push_back({c.id, c.classAtom, c.text, c.x, c.y, c.cx, c.cy, c.style});
  EXPECT_EQ(found, (std::vector<Window>{
                       {0, 8, "Glyphwise|MS Sans Serif", 0, 0, 242, 167, 0x80CA00C4},
                       {1000, 0x83, "", 7, 7, 171, 123, 0x50A00101},
                       {1001, 0x81, "", 7, 131, 171, 14, 0x50810088},
                       {1002, 0x80, "&Guess", 186, 7, 50, 14, 0x50010001},
                       {1003, 0x80, "&New Game", 186, 26, 50, 14, 0x50010000},
                       {1004, 0x80, "&Concede", 186, 45, 50, 14, 0x50010000},
                       {1006, 0x80, "&About", 186, 64, 50, 14, 0x50010000},
                       {1005, 0x80, "E&xit", 186, 102, 50, 14, 0x50010000},
                       {1007, 0x80, "&Help", 186, 83, 50, 14, 0x50010000},
                       {0xFFFF, 0x82, "Right Letters-Right Spot / Right Letters-Wrong Spot", 7, 149,
                        222, 10, 0x50020000}}));
}

// The icon group, found by its name in any case, decoded and compared pixel for pixel with
// tools/icon.txt, the map that tools/make-icon turns into the .ico: one 32 x 32 image of 16
// colours, where a transparent pixel is colour 0 (black) under a set mask.
TEST_F(Resource, AppIconShowsThePixelMap) {
  // The colours that the map uses, as RGBA.
  const std::map<std::string, Bytes> rgba = {
      {"transparent", {0, 0, 0, 0}},  {"black", {0, 0, 0, 255}},
      {"green", {0, 128, 0, 255}},    {"yellow", {255, 255, 0, 255}},
      {"grey", {128, 128, 128, 255}}, {"white", {255, 255, 255, 255}}};
  std::map<char, Bytes> legend;
  Bytes pixels;  // the map's pixels in RGBA, row by row
  std::ifstream map(GLYPHWISE_ICON_MAP);
  for (std::string line; std::getline(map, line);)
    if (line.rfind("legend ", 0) == 0)
      legend[line[7]] = rgba.at(line.substr(9));
    else if (!line.empty() && line[0] != '#')
      for (char c : line) pixels.insert(pixels.end(), legend.at(c).begin(), legend.at(c).end());
  ASSERT_TRUE(loadIcon(entries, "id_app", &icon, &error)) << error;
  EXPECT_EQ((std::array{icon.width, icon.height, icon.bitCount}), (std::array{32, 32, 4}));
  EXPECT_EQ(icon.rgba, pixels);
}

// Every row must be refused with a message, and (the asan preset checks) without a bad read: the
// file, dialog 101 and the icon altered, and the dialog and the icon image cut at every length.
TEST_F(Resource, RefusesMalformedInputs) {
  const Bytes group = findResource(entries, RT_GROUP_ICON, "ID_APP")->data;
  // Each row: what is wrong, and the bytes read as a whole file (type 0), as a dialog template
  // (RT_DIALOG), or as the data of the icon's entry of that type. A header too small for its
  // fields closes the file, so that nothing after it can be what refuses it.
  struct Row {
    std::string what;
    std::uint16_t type;
    Bytes bytes;
  };
  std::vector<Row> rows = {
      {"file cut in an entry header", 0, Bytes(file.begin(), file.begin() + 44)},
      {"no leading empty entry", 0, Bytes(file.begin() + 32, file.end())},
      {"entry data size too large", 0, with(file, 32, 0x7FFFFFFF)},
      {"header too small", 0, with(with(Bytes(file.begin(), file.begin() + 48), 32, 0), 36, 16)},
      {"extended dialog", RT_DIALOG, with(dialog, 0, 0xFFFF0001)},  // its version and signature
      {"icon group of no images", RT_GROUP_ICON, with(group, 4, 0, 2)},
      {"icon group naming a missing image", RT_GROUP_ICON, with(group, 18, 9, 2)},
      {"compressed icon", RT_ICON, with(image, 16, 1)},
      {"icon palette of two colours", RT_ICON, with(image, 32, 2)},
      {"24-bit icon", RT_ICON, with(image, 14, 24, 2)},
  };
  for (auto [type, whole] : {std::pair{RT_DIALOG, &dialog}, std::pair{RT_ICON, &image}})
    for (auto end = whole->begin(); end != whole->end(); ++end)
      rows.push_back({"cut", type, Bytes(whole->begin(), end)});
  for (const auto& [what, type, bytes] : rows) {
    std::vector<ResourceEntry> changed = entries;
    for (ResourceEntry& entry : changed)
      if (entry.type.ordinal == type) entry.data = bytes;
    error.clear();
    bool read = type == 0           ? readResourceFile(bytes.data(), bytes.size(), &changed, &error)
                : type == RT_DIALOG ? parseDialogTemplate(bytes, &parsed, &error)
                                    : loadIcon(changed, "ID_APP", &icon, &error);
    EXPECT_TRUE(!read && !error.empty()) << what << " " << bytes.size();
  }
}

}  // namespace
