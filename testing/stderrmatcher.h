// Test helper: a death-test matcher for what the dying process wrote on standard error, given as
// one regular expression (std::regex) over the bytes written, so that a death test reads the same
// on every system. Used by test programs only.
#pragma once

#include <gtest/gtest.h>

#include <cstddef>
#include <ostream>
#include <regex>
#include <string>
#include <utility>

// Matches captured standard error that contains a match of `pattern`, an ECMAScript expression in
// which ^ and $ stand for the start and the end of the whole text. GoogleTest's own expressions
// differ by system (no [0-9] on Windows); and on Windows it reads the captured text back in text
// mode, where each CR LF arrives as LF, so there each CR LF of `pattern` is looked for as LF.
class StandardErrorMatcher : public testing::MatcherInterface<const std::string&> {
 public:
  explicit StandardErrorMatcher(std::string pattern) : _pattern(std::move(pattern)) {
#ifdef _WIN32
    for (std::size_t at; (at = _pattern.find("\r\n")) != std::string::npos;) _pattern.erase(at, 1);
#endif
    _regex = std::regex(_pattern);
  }

  bool MatchAndExplain(const std::string& text, testing::MatchResultListener*) const override {
    return std::regex_search(text, _regex);
  }
  void DescribeTo(std::ostream* out) const override {
    *out << "contains a match of " << testing::PrintToString(_pattern);
  }

 private:
  std::string _pattern;
  std::regex _regex;
};

inline testing::Matcher<const std::string&> standardErrorMatches(std::string pattern) {
  return testing::MakeMatcher(new StandardErrorMatcher(std::move(pattern)));
}
