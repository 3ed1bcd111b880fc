#include "search/form_state.h"

namespace vx {

SearchFormState::SearchFormState(int register_number)
    : form_(&SearchForm(register_number)), fields_(form_->fields.size()) {}

void SearchFormState::SetText(size_t i, std::string text) {
  if (!fields_[i].list_mode) fields_[i].text = std::move(text);
}

void SearchFormState::GoTyped(size_t i) {
  FieldState& f = fields_[i];
  if (!f.list_mode) return;
  f.list_mode = false;
  f.text = f.typed_text;
}

void SearchFormState::BeginListMode(size_t i) {
  FieldState& f = fields_[i];
  if (f.list_mode || !form_->fields[i].ListBacked()) return;
  f.typed_text = f.text;
  f.list_mode = true;
}

void SearchFormState::EndListMode(size_t i, bool confirmed, const std::string& summary) {
  FieldState& f = fields_[i];
  if (!f.list_mode || !confirmed) return;
  f.typed_text = f.text;
  f.text = summary;
}

void SearchFormState::Clear() {
  for (FieldState& f : fields_)
    f = FieldState();
}

SearchFormInput SearchFormState::Input() const {
  SearchFormInput input(form_->register_number);
  for (size_t i = 0; i < fields_.size(); ++i)
    input.Set(form_->fields[i].prefix, fields_[i].text, fields_[i].list_mode);
  return input;
}

}  // namespace vx
