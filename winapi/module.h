// Inside the stand-in: this executable's module, whose resources are the embedded .res image
// (embeddedres.h), and the icons that LoadIconA decodes from them.
#pragma once

#include <vector>

#include "resfile/resfile.h"
#include "winapi/winapi.h"

namespace winapi {

// The entries of WINAPI_RESOURCES, read on first use; empty if the image is malformed.
const std::vector<resfile::ResourceEntry>& moduleResources();

// The decoded image of an icon that LoadIconA returned, or null (also for a NULL icon).
const resfile::IconImage* iconImage(HICON icon);

}  // namespace winapi
