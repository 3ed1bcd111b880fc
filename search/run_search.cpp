#include "search/run_search.h"

#include "search/catalogue_parts.h"
#include "search/date_range_search.h"
#include "search/free_field_search.h"
#include "search/list_field_search.h"

namespace vx {
namespace {

// The text a field is searched with: empty in list mode.
std::string_view SearchText(const FormField& form_field, const FieldInput& field) {
  return field.list_mode && form_field.ListBacked() ? std::string_view() : field.text;
}

Status CheckField(const FormField& form_field, std::string_view text) {
  switch (form_field.routine) {
    case FieldRoutine::kFirstNames:
      return CheckFirstNamesText(text);
    case FieldRoutine::kListField:
      return CheckListFieldText(text);
    default:
      return Status::OK();
  }
}

// The records of one field, found by its routine; the text has been
// checked.
Tvxsmalurval& FieldRecords(TEVF& evf, int register_number, const FormField& form_field,
                           std::string_view text) {
  switch (form_field.routine) {
    case FieldRoutine::kFirstNames:
      return SearchFirstNames(evf, register_number, form_field.slot, text);
    case FieldRoutine::kListField:
      return SearchListField(evf, register_number, form_field.slot, text,
                             form_field.AccentKeeping());
    case FieldRoutine::kDateRange: {
      const DateRange range = SplitDateField(text, form_field.date_lower_default);
      return SearchDateRange(evf, register_number, form_field.slot, range.from, range.to);
    }
    case FieldRoutine::kFreeField:
      break;
  }
  return SearchFreeField(evf, evf.FreeSearch(form_field.free_list), text);
}

}  // namespace

SearchFormInput::SearchFormInput(int register_number)
    : form_(&SearchForm(register_number)), fields_(form_->fields.size()) {}

bool SearchFormInput::Set(std::string_view prefix, std::string_view text, bool list_mode) {
  const int index = form_->FieldIndex(prefix);
  if (index < 0) return false;
  FieldInput& field = fields_[static_cast<size_t>(index)];
  field.text = text;
  field.list_mode = list_mode && form_->fields[static_cast<size_t>(index)].ListBacked();
  return true;
}

bool SearchFormInput::Empty() const {
  for (const FieldInput& field : fields_) {
    if (!field.text.empty()) return false;
  }
  return true;
}

Status RunSearch(TEVF& evf, const SearchFormInput& input) {
  const SearchFormTable& form = input.form();
  Tvxsmalurval& result = ResultOf(evf, form.register_number);
  if (input.Empty()) {
    result.Clear();
    return Status::OK();
  }
  for (size_t i = 0; i < form.fields.size(); ++i) {
    const FieldInput& field = input.field(i);
    if (field.text.empty()) continue;
    Status status = CheckField(form.fields[i], SearchText(form.fields[i], field));
    if (!status.ok()) return status;
  }
  // All records, intersected with each field's: the first field's records
  // are taken as they are, which spares setting and then clearing every bit
  // of a large register when a search finds few.
  bool first = true;
  for (size_t i = 0; i < form.fields.size(); ++i) {
    const FieldInput& field = input.field(i);
    if (field.text.empty()) continue;
    const Tvxsmalurval& records =
        FieldRecords(evf, form.register_number, form.fields[i], SearchText(form.fields[i], field));
    if (first) {
      result.Assign(records);
    } else {
      result.And(records);
    }
    first = false;
  }
  result.Recount();
  return Status::OK();
}

}  // namespace vx
