// Test helper: a stream buffer that serves its text in pieces of chosen sizes, or one character at
// a time with nothing held ready, and can fail once by throwing, as a source's own read may. Used
// by the string tests and the read fuzz target.
#pragma once

#include <algorithm>
#include <cstddef>
#include <functional>
#include <streambuf>
#include <string>
#include <utility>
#include <vector>

class PiecemealInput : public std::streambuf {
 public:
  // What the input throws where it fails.
  struct Failure {};

  // Serves `text` in pieces whose sizes take turns from `pieces` (not empty); a piece of 0 holds
  // nothing ready: its one character comes through underflow and is taken through uflow. The first
  // time the input is asked for more once `failAt` characters are served, it throws Failure; after
  // that, and after the end of `text`, it gives the end of input. `onMore` is told, whenever the
  // input is asked for more, how many characters it has served so far.
  PiecemealInput(std::string text, std::vector<std::size_t> pieces, std::size_t failAt,
                 std::function<void(std::size_t)> onMore)
      : _text(std::move(text)),
        _pieces(std::move(pieces)),
        _failAt(failAt),
        _onMore(std::move(onMore)) {}

 protected:
  int_type underflow() override {
    _onMore(_served);
    if (_served == _failAt) {
      _failAt = std::string::npos;
      throw Failure();
    }
    if (_served == _text.size()) return traits_type::eof();
    const std::size_t end = std::min(_failAt, _text.size());
    char* next = _text.data() + _served;
    const std::size_t count = std::min(_pieces[_turn++ % _pieces.size()], end - _served);
    setg(next, next, next + count);
    _served += count;
    return traits_type::to_int_type(*next);
  }

  int_type uflow() override {
    const int_type next = underflow();
    if (gptr() < egptr()) {
      gbump(1);
    } else if (next != traits_type::eof()) {
      ++_served;
    }
    return next;
  }

 private:
  std::string _text;
  std::vector<std::size_t> _pieces;
  std::size_t _failAt;  // npos once failed, or when the input never fails
  std::function<void(std::size_t)> _onMore;
  std::size_t _served = 0;  // characters handed out or held ready
  std::size_t _turn = 0;    // pieces served
};
