// Method "LZH": the LZHUF encoder.
//
// Matches are found with binary search trees over the 4096-byte ring, one
// tree per first byte; each ring position holds at most one node. The
// search order, the tie-breaking (nearest position among equally long
// matches) and the initial ring (blanks before the first write position,
// zeros after it) follow the long-established coder, so that our output is
// the same byte for byte as that of other implementations.
#include <memory>

#include "engine/codec/codec_io.h"
#include "engine/codec/lzhuf_tree.h"

namespace vx {
namespace {

using lzhuf::kMaxMatch;
using lzhuf::kRingSize;
using lzhuf::kThreshold;

constexpr int kNil = kRingSize;  // no node

class MatchFinder {
 public:
  MatchFinder() {
    for (int i = kRingSize + 1; i <= kRingSize + 256; ++i)
      right_[i] = kNil;
    for (int i = 0; i < kRingSize; ++i)
      parent_[i] = kNil;
  }

  // The ring, followed by a copy of its first kMaxMatch - 1 bytes so that
  // comparisons never wrap.
  uint8_t* Text() { return text_; }

  int match_length = 0;
  int match_position = 0;  // distance minus one

  // Inserts the string at `r` and finds the longest match for it among the
  // strings already in the tree. A string equal over kMaxMatch bytes
  // replaces the older node.
  void Insert(int r) {
    const uint8_t* key = &text_[r];
    int p = kRingSize + 1 + key[0];
    int cmp = 1;
    right_[r] = left_[r] = kNil;
    match_length = 0;
    for (;;) {
      if (cmp >= 0) {
        if (right_[p] == kNil) {
          right_[p] = r;
          parent_[r] = p;
          return;
        }
        p = right_[p];
      } else {
        if (left_[p] == kNil) {
          left_[p] = r;
          parent_[r] = p;
          return;
        }
        p = left_[p];
      }
      int i = 1;
      for (; i < kMaxMatch; ++i) {
        cmp = key[i] - text_[p + i];
        if (cmp != 0) break;
      }
      if (i > kThreshold) {
        const int position = ((r - p) & (kRingSize - 1)) - 1;
        if (i > match_length) {
          match_position = position;
          match_length = i;
          if (match_length >= kMaxMatch) break;
        } else if (i == match_length && position < match_position) {
          match_position = position;
        }
      }
    }
    // Replace p by r.
    parent_[r] = parent_[p];
    left_[r] = left_[p];
    right_[r] = right_[p];
    parent_[left_[p]] = r;
    parent_[right_[p]] = r;
    if (right_[parent_[p]] == p) {
      right_[parent_[p]] = r;
    } else {
      left_[parent_[p]] = r;
    }
    parent_[p] = kNil;
  }

  void Delete(int p) {
    if (parent_[p] == kNil) return;  // not in a tree
    int q;
    if (right_[p] == kNil) {
      q = left_[p];
    } else if (left_[p] == kNil) {
      q = right_[p];
    } else {
      // Replace p by its in-order predecessor.
      q = left_[p];
      if (right_[q] != kNil) {
        do {
          q = right_[q];
        } while (right_[q] != kNil);
        right_[parent_[q]] = left_[q];
        parent_[left_[q]] = parent_[q];
        left_[q] = left_[p];
        parent_[left_[p]] = q;
      }
      right_[q] = right_[p];
      parent_[right_[p]] = q;
    }
    parent_[q] = parent_[p];
    if (right_[parent_[p]] == p) {
      right_[parent_[p]] = q;
    } else {
      left_[parent_[p]] = q;
    }
    parent_[p] = kNil;
  }

 private:
  uint8_t text_[kRingSize + kMaxMatch - 1] = {};
  // Nodes 0..kRingSize-1 are ring positions; kRingSize is "none" (its
  // parent entry absorbs writes for absent children); kRingSize + 1 + b is
  // the root of the tree for first byte b, its right child the tree.
  int left_[kRingSize + 1] = {};
  int right_[kRingSize + 257] = {};
  int parent_[kRingSize + 1] = {};
};

}  // namespace

void EncodeLzhuf(std::span<const uint8_t> source, CodedOutput& out) {
  if (source.empty()) return;
  auto finder = std::make_unique<MatchFinder>();
  lzhuf::SymbolEncoder writer(out);
  uint8_t* text = finder->Text();
  size_t next = 0;  // next source byte to read

  int s = 0;  // oldest position, overwritten next
  int r = lzhuf::kRingStart;
  for (int i = s; i < r; ++i)
    text[i] = ' ';
  int len = 0;  // bytes in the look-ahead
  for (; len < kMaxMatch && next < source.size(); ++len)
    text[r + len] = source[next++];
  // The blanks just before the start are candidates for the first match.
  for (int i = 1; i <= kMaxMatch; ++i)
    finder->Insert(r - i);
  finder->Insert(r);
  do {
    if (finder->match_length > len) finder->match_length = len;
    if (finder->match_length <= kThreshold) {
      finder->match_length = 1;
      writer.PutSymbol(text[r]);
    } else {
      writer.PutSymbol(lzhuf::MatchSymbol(finder->match_length));
      writer.PutPosition(finder->match_position);
    }
    const int last_match_length = finder->match_length;
    int i = 0;
    for (; i < last_match_length && next < source.size(); ++i) {
      finder->Delete(s);
      const uint8_t c = source[next++];
      text[s] = c;
      if (s < kMaxMatch - 1) text[s + kRingSize] = c;
      s = (s + 1) & (kRingSize - 1);
      r = (r + 1) & (kRingSize - 1);
      finder->Insert(r);
    }
    // At the end of the source the look-ahead shrinks; its stale bytes past
    // `len` may take part in comparisons but a match never exceeds `len`.
    for (; i < last_match_length; ++i) {
      finder->Delete(s);
      s = (s + 1) & (kRingSize - 1);
      r = (r + 1) & (kRingSize - 1);
      if (--len > 0) finder->Insert(r);
    }
  } while (len > 0);
  writer.Finish();
}

}  // namespace vx
