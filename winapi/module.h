// Inside the stand-in: this executable's module, whose resources are the embedded .res image
// (embeddedres.h), and the icons that LoadIconA makes from them.
#pragma once

#include <vector>

#include "resfile/resfile.h"
#include "winapi/winapi.h"

class Fl_RGB_Image;

namespace winapi {

// The entries of WINAPI_RESOURCES, read on first use; empty if the image is malformed.
const std::vector<resfile::ResourceEntry>& moduleResources();

// The image of an icon that LoadIconA returned, or null (also for a NULL icon).
const Fl_RGB_Image* iconImage(HICON icon);

}  // namespace winapi
