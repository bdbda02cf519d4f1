// Reads the compiled window resources (glyphwise.res, made by windres from app/glyphwise.rc) and
// checks the dialog and the icon against the window's design, then feeds the reader malformed data.
#include "resfile/resfile.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <map>
#include <tuple>

namespace {

using namespace resfile;
using Bytes = std::vector<std::uint8_t>;
constexpr std::uint16_t RT_ICON = 3, RT_DIALOG = 5, RT_GROUP_ICON = 14;

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
  }

  const Bytes& data(std::uint16_t type, std::uint16_t name) {
    return findResource(entries, type, name)->data;
  }

  Bytes file;
  std::vector<ResourceEntry> entries;
  std::string error;
};

// Dialog 101's frame and font, then its controls in tab order: id, class, text, rectangle in
// dialog units, style, extended style.
TEST_F(Resource, MainDialogAndItsControlsInTabOrder) {
  using Window =
      std::tuple<int, int, std::string, int, int, int, int, std::uint32_t, std::uint32_t>;
  DialogTemplate dialog;
  ASSERT_TRUE(parseDialogTemplate(data(RT_DIALOG, 101), &dialog, &error)) << error;
  std::string font = std::to_string(dialog.pointSize) + " " + dialog.typeface;
  std::vector<Window> found = {{0, 0, dialog.caption + "|" + font, dialog.x, dialog.y, dialog.cx,
                                dialog.cy, dialog.style, dialog.exStyle}};
  for (const DialogItem& item : dialog.items) {
    found.emplace_back(item.id, item.classAtom, item.text, item.x, item.y, item.cx, item.cy,
                       item.style, item.exStyle);
  }
  EXPECT_EQ(found, (std::vector<Window>{
                       {0, 0, "Glyphwise|8 MS Sans Serif", 0, 0, 242, 167, 0x80CA00C4, 0},
                       {1000, 0x83, "", 7, 7, 171, 123, 0x50A00101, 0},
                       {1001, 0x81, "", 7, 131, 171, 14, 0x50810088, 0},
                       {1002, 0x80, "&Guess", 186, 7, 50, 14, 0x50010001, 0},
                       {1003, 0x80, "&New Game", 186, 26, 50, 14, 0x50010000, 0},
                       {1004, 0x80, "&Concede", 186, 45, 50, 14, 0x50010000, 0},
                       {1006, 0x80, "&About", 186, 64, 50, 14, 0x50010000, 0},
                       {1005, 0x80, "E&xit", 186, 102, 50, 14, 0x50010000, 0},
                       {1007, 0x80, "&Help", 186, 83, 50, 14, 0x50010000, 0},
                       {0xFFFF, 0x82, "Right Letters-Right Spot / Right Letters-Wrong Spot", 7, 149,
                        222, 10, 0x50020000, 0}}));
}

// The icon group, found by its name in any case, decoded pixel by pixel against tools/icon.txt,
// the map that tools/make-icon turns into the .ico: one 32 x 32 image of 16 colours, where a
// transparent pixel is colour 0 (black) under a set mask.
TEST_F(Resource, AppIconShowsThePixelMap) {
  // The colours that the map uses, as RGBA.
  const std::map<std::string, std::uint32_t> rgba = {{"transparent", 0},    {"black", 0x000000FF},
                                                     {"green", 0x008000FF}, {"yellow", 0xFFFF00FF},
                                                     {"grey", 0x808080FF},  {"white", 0xFFFFFFFF}};
  std::map<char, std::uint32_t> legend;
  std::string pixels;
  std::ifstream map(GLYPHWISE_ICON_MAP);
  for (std::string line; std::getline(map, line);) {
    if (line.rfind("legend ", 0) == 0) {
      legend[line[7]] = rgba.at(line.substr(9));
    } else if (!line.empty() && line[0] != '#') {
      pixels += line;
    }
  }
  IconImage icon;
  ASSERT_TRUE(loadIcon(entries, "id_app", &icon, &error)) << error;
  ASSERT_EQ((std::vector<std::size_t>{std::size_t(icon.width), std::size_t(icon.height),
                                      std::size_t(icon.bitCount), icon.rgba.size(), pixels.size()}),
            (std::vector<std::size_t>{32, 32, 4, 32 * 32 * 4, 32 * 32}));
  for (std::size_t i = 0; i < pixels.size(); ++i) {
    const std::uint8_t* p = &icon.rgba[i * 4];
    std::uint32_t pixel = std::uint32_t{p[0]} << 24 | std::uint32_t{p[1]} << 16 | p[2] << 8 | p[3];
    EXPECT_EQ(pixel, legend.at(pixels[i])) << "pixel " << i % 32 << "," << i / 32;
  }
}

// Every row must be refused with a message, and (the asan preset checks) without a bad read: the
// file, dialog 101 and the icon altered, and the dialog and the icon image cut at every length.
TEST_F(Resource, RefusesMalformedInputs) {
  const Bytes dialog = data(RT_DIALOG, 101), image = data(RT_ICON, 1);
  const Bytes group = findResource(entries, RT_GROUP_ICON, "ID_APP")->data;
  // True when `bytes` is refused with a message: read as a whole file (type 0), as a dialog
  // template (RT_DIALOG), or as the data of the icon's entry of `type`.
  auto refuses = [&](std::uint16_t type, const Bytes& bytes) {
    std::vector<ResourceEntry> changed = entries;
    for (ResourceEntry& entry : changed) {
      if (entry.type.ordinal == type) entry.data = bytes;
    }
    DialogTemplate parsed;
    IconImage icon;
    error.clear();
    bool read = type == 0           ? readResourceFile(bytes.data(), bytes.size(), &changed, &error)
                : type == RT_DIALOG ? parseDialogTemplate(bytes, &parsed, &error)
                                    : loadIcon(changed, "ID_APP", &icon, &error);
    return !read && !error.empty();
  };
  const std::tuple<const char*, std::uint16_t, Bytes> rows[] = {
      {"empty file", 0, {}},
      {"file cut in an entry header", 0, Bytes(file.begin(), file.begin() + 44)},
      {"no leading empty entry", 0, Bytes(file.begin() + 32, file.end())},
      {"entry header size too large", 0, with(file, 36, 0xFFFFFFF0)},
      {"entry data size too large", 0, with(file, 32, 0x7FFFFFFF)},
      {"entry type name runs off the end of its 16-byte header", 0,
       with(with(file, 36, 16), 40, 'A' | 'B' << 16)},
      {"extended dialog", RT_DIALOG, with(dialog, 0, 0xFFFF0001)},  // its version and signature
      {"icon group of no images", RT_GROUP_ICON, with(group, 4, 0, 2)},
      {"icon group naming a missing image", RT_GROUP_ICON, with(group, 18, 9, 2)},
      {"compressed icon", RT_ICON, with(image, 16, 1)},
      {"icon palette of two colours", RT_ICON, with(image, 32, 2)},
      {"24-bit icon", RT_ICON, with(image, 14, 24, 2)},
  };
  for (const auto& [what, type, bytes] : rows) EXPECT_TRUE(refuses(type, bytes)) << what;
  for (const auto& [type, whole] : {std::pair{RT_DIALOG, &dialog}, std::pair{RT_ICON, &image}}) {
    for (auto end = whole->begin(); end != whole->end(); ++end) {
      EXPECT_TRUE(refuses(type, Bytes(whole->begin(), end)))
          << type << ": " << end - whole->begin();
    }
  }
}

}  // namespace
