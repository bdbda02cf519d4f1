// An in-place MSD radix sort (American flag sort) over an index of word pointers. Each range of
// words that share their first `depth` bytes is distributed by its byte at `depth`, then each of
// its buckets is sorted one byte deeper; small ranges, and ranges that share an unusually long
// prefix, are finished by comparison. An explicit stack of at most MAX_DEPTH frames replaces the
// recursion, so the extra memory is fixed whatever the words.
#include "dictionary/wordsort.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr int RADIX = 256;       // one bucket per byte value; bucket 0 holds words that end
constexpr int SMALL_RANGE = 48;  // ranges up to this size are sorted by comparison
constexpr int MAX_DEPTH = 16;    // ranges sharing this many bytes are sorted by comparison

using Word = const char*;

// A range distributed by its byte at `depth`: bucket b spans first[starts[b]] to
// first[starts[b + 1]]; `next` is the bucket to sort next.
struct Frame {
  Word* first;
  int depth;
  int next;
  int starts[RADIX + 1];
};

unsigned char byteAt(Word word, int depth) { return static_cast<unsigned char>(word[depth]); }

// Sorts [first, last) by comparison; the words share their first `depth` bytes, so comparing
// starts after them.
void sortByComparison(Word* first, Word* last, int depth) {
  std::sort(first, last, [depth](Word a, Word b) { return std::strcmp(a + depth, b + depth) < 0; });
}

// Moves the words of [first, first + count) into buckets by their byte at `depth` and records
// where each bucket starts in `starts` (RADIX + 1 entries, the last one `count`).
void distribute(Word* first, int count, int depth, int* starts) {
  int sizes[RADIX] = {};
  for (int i = 0; i < count; ++i) ++sizes[byteAt(first[i], depth)];
  int next[RADIX];
  starts[0] = 0;
  for (int b = 0; b < RADIX; ++b) {
    next[b] = starts[b];
    starts[b + 1] = starts[b] + sizes[b];
  }
  // Each word taken from a bucket's unfilled part is swapped on to where its own byte belongs
  // until one that belongs here turns up; every word moves at most once.
  for (int b = 0; b < RADIX; ++b) {
    while (next[b] < starts[b + 1]) {
      Word word = first[next[b]];
      for (int c = byteAt(word, depth); c != b; c = byteAt(word, depth)) {
        std::swap(word, first[next[c]++]);
      }
      first[next[b]++] = word;
    }
  }
}

}  // namespace

void sortWords(const char** words, int count) {
  Frame stack[MAX_DEPTH];
  int frames = 0;
  // Sorts [first, first + size), whose words share `depth` bytes, or pushes it for its buckets.
  auto sortRange = [&](Word* first, int size, int depth) {
    if (size < 2) return;
    if (size <= SMALL_RANGE || depth == MAX_DEPTH) {
      sortByComparison(first, first + size, depth);
      return;
    }
    Frame& frame = stack[frames++];
    frame.first = first;
    frame.depth = depth;
    frame.next = 1;  // bucket 0: words that end here, all equal
    distribute(first, size, depth, frame.starts);
  };
  sortRange(words, count, 0);
  while (frames > 0) {
    Frame& frame = stack[frames - 1];
    if (frame.next == RADIX) {
      --frames;
      continue;
    }
    int b = frame.next++;
    sortRange(frame.first + frame.starts[b], frame.starts[b + 1] - frame.starts[b],
              frame.depth + 1);
  }
}
