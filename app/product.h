// The product's facts, each written once: its name, the window's title, the copyright line and the
// version. Only #define lines, so that windres (glyphwise.rc) and CMake can read it as the code
// does.
#pragma once

// The window's title has kept the capital W of the first release ("GlyphWise V1.0"), which players
// know from its boxes; the product, its files and its packages are named "Glyphwise".
#define PRODUCT_NAME "Glyphwise"
#define PRODUCT_TITLE "GlyphWise V1.0"
#define PRODUCT_AUTHORS "The Glyphwise Authors"
#define PRODUCT_COPYRIGHT "Copyright (C) 2026 " PRODUCT_AUTHORS

// The version 1.0.0.1, as numbers and as the version record's text "1, 0, 0, 1".
#define PRODUCT_VERSION_MAJOR 1
#define PRODUCT_VERSION_MINOR 0
#define PRODUCT_VERSION_PATCH 0
#define PRODUCT_VERSION_BUILD 1
#define PRODUCT_TEXT_OF(x) #x
#define PRODUCT_VERSION_TEXT_OF(a, b, c, d) \
  PRODUCT_TEXT_OF(a) ", " PRODUCT_TEXT_OF(b) ", " PRODUCT_TEXT_OF(c) ", " PRODUCT_TEXT_OF(d)
#define PRODUCT_VERSION_TEXT                                                                   \
  PRODUCT_VERSION_TEXT_OF(PRODUCT_VERSION_MAJOR, PRODUCT_VERSION_MINOR, PRODUCT_VERSION_PATCH, \
                          PRODUCT_VERSION_BUILD)
