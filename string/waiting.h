// The characters a stream buffer already holds in its get area: looked at and taken in runs,
// without one call per character and without asking the underlying source for more.
#pragma once

#include <algorithm>
#include <climits>
#include <cstddef>
#include <streambuf>
#include <string_view>

// The get area's pointers are protected members of std::streambuf, which a derived class may name;
// a pointer to such a member then applies to any std::streambuf.
struct GetAreaAccess : std::streambuf {
  static constexpr char* (std::streambuf::*next)() const = &GetAreaAccess::gptr;
  static constexpr char* (std::streambuf::*end)() const = &GetAreaAccess::egptr;
  static constexpr void (std::streambuf::*advance)(int) = &GetAreaAccess::gbump;
};

// The characters `buffer` holds ready to be read, from the next one on, at most INT_MAX of them;
// empty when it holds none (it has no get area, or the area is used up). Valid until `buffer` is
// next read or changed.
inline std::string_view waitingCharacters(std::streambuf& buffer) {
  const char* next = (buffer.*GetAreaAccess::next)();
  std::ptrdiff_t count = (buffer.*GetAreaAccess::end)() - next;
  return {next, static_cast<std::size_t>(std::min<std::ptrdiff_t>(count, INT_MAX))};
}

// Takes the first `count` characters of waitingCharacters(buffer), as `count` calls of sbumpc
// would. Precondition: count <= waitingCharacters(buffer).size().
inline void takeWaiting(std::streambuf& buffer, std::size_t count) {
  (buffer.*GetAreaAccess::advance)(static_cast<int>(count));
}
