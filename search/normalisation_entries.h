// The normalisation view without its window: the rows of the register
// set's normalisation list ("vaxornrm"), one per pair of a normalised and a
// written form, by kind: 1 surnames, 2 places, 3 women's and 4 men's first
// names.
//
// A row's text is fields separated by CR: kind, normalised form, written
// form, for places the addition (the parish, may be empty), then the count
// of occurrences. Rows are ordered by kind.
#ifndef VX_SEARCH_NORMALISATION_ENTRIES_H_
#define VX_SEARCH_NORMALISATION_ENTRIES_H_

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/lists/struct_list.h"
#include "engine/util/status.h"
#include "language/language.h"

namespace vx {

inline constexpr int kNormSurnames = 1;
inline constexpr int kNormPlaces = 2;
inline constexpr int kNormWomensNames = 3;
inline constexpr int kNormMensNames = 4;

// Every cell of the view: indent level 1, never marked.
inline constexpr uint32_t kNormCellAttribute = 0x10000;

// A row's fields, each trimmed; a kind or count that is not a number is 0.
struct NormFields {
  int kind = 0;
  std::string normalised;
  std::string written;
  std::string addition;  // places only
  int count = 0;
};

NormFields SplitNormRow(std::string_view text);

// A row as the view lists it.
struct NormEntry {
  std::string normalised;
  std::string text;  // the written form; a place's addition in brackets after it
  int count = 0;
  bool operator==(const NormEntry&) const = default;
};

NormEntry EntryOf(const NormFields& fields);

// Appends the entries of `kind` to `entries`, reading from the first row
// until a row of a greater kind. A row that cannot be read ends it with
// its status.
Status LoadNormKind(TVXstruktlista& list, int kind, std::vector<NormEntry>& entries);

// The first entry whose normalised form begins with `prefix`, case ignored
// as Windows-1252 upper-cases; -1 when none does.
int FindNormEntry(const std::vector<NormEntry>& entries, std::string_view prefix);

// The view's cells: normalised form, text, and the count right-aligned
// (1-based column).
std::string NormCellText(const NormEntry& entry, int column);

// "N normerade ord".
std::string NormCountText(size_t entries, Language language = Language::kSwedish);

// The four kinds as the view shows them, loaded once.
class NormalisationKinds {
 public:
  // Loads kinds 1, 2, 3, 4 in that order, stopping at a row that cannot
  // be read with its status; what was read before it is kept.
  Status Load(TVXstruktlista& list);
  bool loaded() const { return loaded_; }
  bool HasEntries(int kind) const { return !Entries(kind).empty(); }
  // The kind shown first: surnames, else men's, else women's first names,
  // else places.
  int FirstKind() const;
  // Empty for a kind outside 1..4.
  const std::vector<NormEntry>& Entries(int kind) const;

 private:
  std::array<std::vector<NormEntry>, 5> kinds_;
  bool loaded_ = false;
};

}  // namespace vx

#endif  // VX_SEARCH_NORMALISATION_ENTRIES_H_
