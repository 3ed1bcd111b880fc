// The three register search forms as data: their fields in the order a
// search evaluates them, with what the desktop forms show and what the
// search does with each. The forms, kuvo-sok and the search itself read
// these tables; texts are Windows-1252 and Swedish, as the session and
// kuvo-sok name the fields: a window or a help text shows them through
// ShownFormText in its language.
//
// A list-backed field (first names or a word list) is a group of four
// controls named after its prefix: label, edit, type button and list
// button ("fnlabel", "fnedit", "fnabcknapp", "fnlistknapp"). Date and free
// fields have an edit only.
#ifndef VX_SEARCH_SEARCH_FORMS_H_
#define VX_SEARCH_SEARCH_FORMS_H_

#include <span>
#include <string>
#include <string_view>

#include "language/language.h"

namespace vx {

enum class FieldRoutine {
  kFirstNames,  // SearchFirstNames
  kListField,   // SearchListField
  kDateRange,   // SearchDateRange
  kFreeField,   // SearchFreeField
};

enum class FieldComparison {
  kNone,  // date and free fields
  kKeep,  // AccentOrderTable: case ignored, accents kept
  kFold,  // FoldTable: case and accents ignored
};

struct FormField {
  std::string_view caption;  // the label's caption
  std::string_view prefix;   // the controls' prefix, and kuvo-sok's --PREFIX
  FieldRoutine routine;
  // The slot of the field's list in its register: a soklistor slot (list
  // and date fields) or a free-search list's (free fields, 17 for
  // "vaxors117").
  int slot;
  // Free fields: the name of their free-search list ("vaxors117"), as the
  // catalogue declaration gives it for the slot; empty for other fields.
  std::string_view free_list;
  FieldComparison comparison;
  // The label's caption when the slot's list has no rows, which also
  // disables the group; empty for fields that are not tested.
  std::string_view empty_caption;
  std::string_view picker_title;  // list-backed fields
  std::string_view help_code;     // handed to the picker
  int tab_order;
  std::string_view date_lower_default;  // date fields: the lower end of "-1789"
  bool visible;                         // the births surname group exists but is not shown

  bool ListBacked() const {
    return routine == FieldRoutine::kFirstNames || routine == FieldRoutine::kListField;
  }
  bool AccentKeeping() const { return comparison == FieldComparison::kKeep; }
};

struct SearchFormTable {
  int register_number;
  std::string_view caption_suffix;  // after the register set's heading
  std::string_view help_code;       // the form's help button
  int lokalid_slot;
  int lokalid_tab_order;
  std::string_view focus_on_show;      // prefix of the field focused when asked
  std::string_view focus_after_clear;  // prefix of the field focused after clearing
  std::span<const FormField> fields;   // in the order of the search

  // The field of that prefix, or null.
  const FormField* Field(std::string_view prefix) const;
  // Its index in fields, or -1.
  int FieldIndex(std::string_view prefix) const;
};

// The form of register 1..3; another number is the caller's fault (checked
// by an assertion in debug builds).
const SearchFormTable& SearchForm(int register_number);

// A text of these tables (a caption, an empty list's caption, a picker
// title, a caption suffix) in `language`, Windows-1252: the catalogue's
// English of it, the table's own text in Swedish.
std::string ShownFormText(std::string_view table_text, Language language);

}  // namespace vx

#endif  // VX_SEARCH_SEARCH_FORMS_H_
