// A register search form's fields as the window shows them, without the
// window: each field's edit text, whether it is in typed or list mode, and
// the typed text it keeps while in list mode. The window's type and list
// buttons, its picker and its clear button act on this state; the search
// reads it as a SearchFormInput.
#ifndef VX_SEARCH_FORM_STATE_H_
#define VX_SEARCH_FORM_STATE_H_

#include <cstddef>
#include <string>
#include <vector>

#include "search/run_search.h"
#include "search/search_forms.h"

namespace vx {

struct FieldState {
  std::string text;  // what the edit shows (Windows-1252)
  // List mode: the list button is down, the edit is disabled and grey
  // italic, and the field is searched with the rows picked in its list.
  bool list_mode = false;
  // The text the field had in typed mode, shown again when the user goes
  // back to it.
  std::string typed_text;
};

class SearchFormState {
 public:
  // Every field typed and empty.
  explicit SearchFormState(int register_number);

  const SearchFormTable& form() const { return *form_; }
  size_t size() const { return fields_.size(); }
  // Field i of form().fields.
  const FieldState& field(size_t i) const { return fields_[i]; }

  // The user edited field i (typed mode only; a field in list mode keeps
  // its summary).
  void SetText(size_t i, std::string text);
  // The type button went down: the kept typed text is shown again.
  void GoTyped(size_t i);
  // The list button was pressed, before the picker opens: coming from
  // typed mode the edit's text is kept as the typed text.
  void BeginListMode(size_t i);
  // The picker closed. Confirmed: the edit's current text (the typed text,
  // or the previous summary when the field was already in list mode) is
  // kept as the typed text and the edit shows `summary`. Cancelled: the
  // field stays in list mode with its previous text.
  void EndListMode(size_t i, bool confirmed, const std::string& summary);
  // Every field back to typed mode, every text and kept text emptied.
  void Clear();

  // What the search evaluates.
  SearchFormInput Input() const;

 private:
  const SearchFormTable* form_;
  std::vector<FieldState> fields_;
};

}  // namespace vx

#endif  // VX_SEARCH_FORM_STATE_H_
