#include "linking/link_marks.h"

#include <cctype>

#include "linking/person_facts.h"
#include "search/date_range_search.h"

namespace vx {
namespace {

constexpr uint32_t kNoRecords = 0xFFFFFFFF;

std::string YearText(int year) {
  std::string text = std::to_string(year);
  return std::string(text.size() < 4 ? 4 - text.size() : 0, '0') + text;
}

}  // namespace

LinkMarks::LinkMarks(TEVF& evf, int register_number)
    : evf_(evf), register_number_(register_number) {}

int32_t LinkMarks::RecordCount() const {
  return evf_.PersonList(register_number_).RowCount();
}

void LinkMarks::Prepare(Tvxsmalurval& selection) const {
  if (selection.Size() != RecordCount()) {
    selection.Resize(RecordCount());
  } else {
    selection.Clear();
  }
}

TVXstruktlista* LinkMarks::Slot(int slot) const {
  TVXstruktlista* list = evf_.soklistor(register_number_, slot);
  return list != nullptr && list->Opened() ? list : nullptr;
}

void LinkMarks::Word(int slot, std::string_view word, Tvxsmalurval& into) {
  TVXstruktlista* list = Slot(slot);
  if (list == nullptr || word.empty()) return;
  if (list->FindExact(word) < 1 || list->RowValue1() == kNoRecords) return;
  list->MarkRecords(into);
}

void LinkMarks::Words(int slot, const std::vector<std::string>& words, Tvxsmalurval& into) {
  for (const std::string& word : words)
    Word(slot, word, into);
}

void LinkMarks::Years(int slot, int from, int to, Tvxsmalurval& into) {
  TVXstruktlista* list = Slot(slot);
  if (list == nullptr || from <= 0 || to < from) return;
  MarkDateRange(*list, YearText(from), YearText(to), into);
}

void LinkMarks::RowParts(uint32_t record, std::string& name, std::string& date) {
  name.clear();
  date.clear();
  TVXstruktlista& persons = evf_.PersonList(register_number_);
  if (!persons.ReadRow(record).ok()) return;
  const std::string& text = persons.RowText();
  const size_t cr = text.find('\r');
  name = text.substr(0, cr);
  if (cr != std::string::npos) date = text.substr(cr + 1);
}

int LinkMarks::EventYear(uint32_t record) {
  std::string name, date;
  RowParts(record, name, date);
  // A baptism, banns or burial date stands after its marker ("dp ").
  if (!date.empty() && std::isalpha(static_cast<unsigned char>(date.front()))) {
    const size_t blank = date.find(' ');
    date = blank == std::string::npos ? std::string() : date.substr(blank + 1);
  }
  return YearOf(date);
}

}  // namespace vx
