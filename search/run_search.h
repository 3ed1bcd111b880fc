// RunSearch: a register search form's search, every filled field evaluated
// in the form's order into the register's result (the vald selection of its
// person list). Fields combine by And, a field's alternatives by Or.
//
// The desktop forms fill a SearchFormInput from their edits and list
// buttons; kuvo-sok fills it from --PREFIX and --PREFIX-rader.
#ifndef VX_SEARCH_RUN_SEARCH_H_
#define VX_SEARCH_RUN_SEARCH_H_

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/catalogue.h"
#include "engine/util/status.h"
#include "search/search_forms.h"

namespace vx {

// One field as the form shows it. The field takes part in a search when
// its text is not empty (blanks count). In list mode (the list button
// down) the text is only what the edit shows, the picker's summary: the
// field is searched with the rows picked in its list's vald instead.
struct FieldInput {
  std::string text;  // Windows-1252
  bool list_mode = false;
};

// The fields of one register's form, by the form's field table.
class SearchFormInput {
 public:
  explicit SearchFormInput(int register_number);

  // Sets the field of that prefix; false when the form has none. List mode
  // is kept only by list-backed fields.
  bool Set(std::string_view prefix, std::string_view text, bool list_mode = false);

  const SearchFormTable& form() const { return *form_; }
  // Field i of form().fields.
  const FieldInput& field(size_t i) const { return fields_[i]; }
  // True when no field takes part.
  bool Empty() const;

 private:
  const SearchFormTable* form_;
  std::vector<FieldInput> fields_;
};

// Every field empty: the result is emptied. Otherwise each field's text is
// checked first: a term longer than kMaxTermLength refuses the search with
// a message and the result is left as it was, so that the form can stay
// open for the text to be mended. Then the result is set to all records,
// each filled field intersects its outcome into it, and it is recounted.
//
// The caller shows a refusal's message; after a search it rebuilds the
// result's visible rows (the person list's RebuildVisible). Damaged rows
// and postings are reported to the message sink as they are met; a block
// that fails to expand throws the codec's exception with the list's file
// set (compress_errors.h). Session turns both into one status.
Status RunSearch(TEVF& evf, const SearchFormInput& input);

}  // namespace vx

#endif  // VX_SEARCH_RUN_SEARCH_H_
