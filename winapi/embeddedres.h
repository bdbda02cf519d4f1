// The embedded .res bytes: the executable's own compiled resources, which the build turns into a
// source file and links into every program and test that uses the window stand-in.
#pragma once

#include <cstddef>

// Defined by the generated source (see cmake/EmbedResources.cmake).
extern const unsigned char WINAPI_RESOURCES[];
extern const std::size_t WINAPI_RESOURCES_SIZE;
