#include "resulttable/result_table.h"

#include <algorithm>
#include <string>
#include <utility>

#include "resulttable/hit_list.h"

namespace vx {

ResultTable::ResultTable(const std::array<ResultRegister, 3>& registers, RecordSource& records,
                         Language language)
    : registers_(registers), records_(records), language_(language) {
  hit_counter_.text =
      vx::uppdateraantal({}, 0, 0, language_).text;  // "0 valda" until a register is chosen
  for (size_t i = 0; i < registers_.size(); ++i) {
    ResultRegister& reg = registers_[i];
    if (reg.persons != nullptr && reg.rows == nullptr) {
      list_rows_[i] = std::make_unique<VisibleRowSource>(*reg.persons);
      reg.rows = list_rows_[i].get();
    }
    if (reg.date_order != nullptr) {
      orders_[i] = std::make_unique<SortOrderViewOf<TVXsortordning>>(*reg.date_order);
    }
  }
}

TVXstruktlista* ResultTable::aktlista() const {
  return Valid(aktregister_) ? registers_[Index(aktregister_)].persons : nullptr;
}

const SortOrderView* ResultTable::Order(int r) const {
  const SortOrderView* order = orders_[Index(r)].get();
  return order != nullptr && order->Count() > 0 ? order : nullptr;
}

void ResultTable::SetVisibleRows(int32_t synliga) {
  view_.SetVisibleRows(synliga);
}

Status ResultTable::valjregister(int r) {
  if (!Valid(r)) return Status::InvalidArgument("Register " + std::to_string(r) + " finns inte.");
  radcache_.Invalidate();
  if (r != aktregister_) {
    if (aktregister_ != 0) {
      minnestopp_[Index(aktregister_)] = view_.top_row();
      minnesrad_[Index(aktregister_)] = view_.current_row();
    }
    aktregister_ = r;
  }
  RefreshVisible(r);
  uppdateraantal();
  const TVXstruktlista* list = aktlista();
  view_.SetRowCount(list != nullptr ? list->VisibleCount() : 0);
  // behallpost serves this refill only, even when reading fails.
  const int32_t kept = std::exchange(behallpost_, -1);
  return view_.enabled() ? ShowKept(kept, minnesrad_[Index(r)], minnestopp_[Index(r)])
                         : visapost(0);
}

// vald recounted and shown in the register's order.
void ResultTable::RefreshVisible(int r) {
  TVXstruktlista* list = registers_[Index(r)].persons;
  if (list == nullptr) return;
  list->vald().Recount();
  list->RebuildVisible();
  list->SetSortedVisible(datumsort_[Index(r)] && Order(r) != nullptr, Order(r));
}

void ResultTable::uppdateraantal() {
  std::array<int32_t, 3> row_counts = {};
  for (int r = 1; r <= 3; ++r) {
    const TVXstruktlista* list = registers_[Index(r)].persons;
    if (list != nullptr) row_counts[Index(r)] = list->RowCount();
  }
  TVXstruktlista* list = aktlista();
  hit_counter_ = vx::uppdateraantal(row_counts, aktregister_,
                                    list != nullptr ? list->vald().Count() : 0, language_);
}

// The saved position, or the row kept by a sort change or a removal.
Status ResultTable::ShowKept(int32_t kept, int32_t rad, int32_t topp) {
  if (kept == -1) {
    view_.SetTopRow(topp);
    view_.SetCurrentRow(rad);
  } else {
    const int32_t p = aktlista()->VisiblePosition(kept);
    view_.BringIntoView(p == -1 ? 0 : p - 1);
  }
  return ShowCurrent();
}

Status ResultTable::ShowCurrent() {
  TVXstruktlista* list = aktlista();
  if (list == nullptr || !list->GoToVisible(view_.current_row() + 1)) return visapost(0);
  // A row without a record holds FFFFFFFFh, which reads as -1: nothing.
  return visapost(static_cast<int32_t>(list->RowValue1()));
}

Status ResultTable::visapost(int64_t n) {
  if (n < 1 || !Valid(aktregister_)) {
    record_view_ = RecordView();
    return Status::OK();
  }
  const uint32_t count = records_.RecordCount(aktregister_);
  const uint32_t record = static_cast<uint32_t>(std::min<int64_t>(n, count));
  ShownRecord shown;
  const Status status = record < 1 ? Status::OK() : records_.Load(aktregister_, record, shown);
  record_view_ =
      record < 1 || !status.ok() ? RecordView() : ChooseRecordView(aktregister_, record, shown);
  return status;
}

Status ResultTable::SelectRow(int32_t row) {
  if (!view_.enabled()) return Status::OK();
  view_.SetCurrentRow(row);
  return ShowCurrent();
}

Status ResultTable::MoveCurrent(TableKey key) {
  if (!view_.enabled()) return Status::OK();
  const int32_t row = view_.current_row();
  switch (key) {
    case TableKey::kUp:
      return SelectRow(row - 1);
    case TableKey::kDown:
      return SelectRow(row + 1);
    case TableKey::kPageUp:
      return SelectRow(row - view_.synliga());
    case TableKey::kPageDown:
      return SelectRow(row + view_.synliga());
    case TableKey::kHome:
      return SelectRow(0);
    case TableKey::kEnd:
      return SelectRow(view_.row_count() - 1);
  }
  return Status::OK();
}

// The key of the row read last: its sort position in date order, else the
// row itself.
int32_t ResultTable::Key() const {
  const TVXstruktlista* list = aktlista();
  return list->SortedVisibleOn() ? list->CurrentSortPosition() : list->CurrentRow();
}

int32_t ResultTable::SortPositionOf(int r, int32_t row) const {
  const SortOrderView* order = Order(r);
  if (order == nullptr) return -1;
  for (int32_t p = 1; p <= order->Count(); ++p) {
    if (order->Get(p) == row) return p;
  }
  return -1;
}

Status ResultTable::ToggleOrder() {
  TVXstruktlista* list = aktlista();
  if (list == nullptr) return Status::OK();
  radcache_.Invalidate();
  int32_t person = -1;
  if (view_.enabled() && list->GoToVisible(view_.current_row() + 1)) person = list->CurrentRow();
  bool& by_date = datumsort_[Index(aktregister_)];
  by_date = !by_date;
  list->SetSortedVisible(by_date && Order(aktregister_) != nullptr, Order(aktregister_));
  if (person != -1 && list->SortedVisibleOn()) person = SortPositionOf(aktregister_, person);
  behallpost_ = person;
  return valjregister(aktregister_);
}

Status ResultTable::RemoveCurrent() {
  TVXstruktlista* list = aktlista();
  if (list == nullptr || !view_.enabled()) return Status::OK();
  const int32_t r = view_.current_row();
  const int32_t n = view_.row_count();
  behallpost_ = -1;
  if (r < n - 1) {
    if (list->GoToVisible(r + 2)) behallpost_ = Key();
  } else if (n >= 3 && list->GoToVisible(r)) {
    behallpost_ = Key();
  }
  if (list->GoToVisible(r + 1)) list->vald().SetBit(list->CurrentRow(), false);
  list->SetSortedVisibleStale(true);
  return valjregister(aktregister_);
}

// The record's row is its number: the person list numbers the records.
Status ResultTable::ChooseRecord(int r, uint32_t record) {
  TVXstruktlista* list = Valid(r) ? registers_[Index(r)].persons : nullptr;
  if (list == nullptr || record < 1 || record > static_cast<uint32_t>(list->RowCount())) {
    return Status::InvalidArgument("Post " + std::to_string(record) + " finns inte i registret.");
  }
  const auto row = static_cast<int32_t>(record);
  list->vald().SetBit(row, true);
  list->SetSortedVisibleStale(true);
  const bool by_date = datumsort_[Index(r)] && Order(r) != nullptr;
  behallpost_ = by_date ? SortPositionOf(r, row) : row;
  return valjregister(r);
}

Status ResultTable::Clear() {
  for (int r = 1; r <= 3; ++r) {
    TVXstruktlista* list = registers_[Index(r)].persons;
    if (list == nullptr) continue;
    if (list->RowCount() > 0) {
      list->vald().Clear();
      list->SetSortedVisible(false, nullptr);
      datumsort_[Index(r)] = false;
    }
    list->SetSortedVisibleStale(true);
  }
  radcache_.Invalidate();
  if (aktregister_ == 0) return Status::OK();
  return valjregister(aktregister_);
}

void ResultTable::ForgetPosition(int r) {
  if (!Valid(r)) return;
  minnesrad_[Index(r)] = 0;
  minnestopp_[Index(r)] = 0;
  if (TVXstruktlista* list = registers_[Index(r)].persons) list->SetSortedVisibleStale(true);
}

std::string ResultTable::CellText(int32_t row, int32_t column) {
  const TVXstruktlista* list = aktlista();
  if (list == nullptr || !view_.enabled() || row < 0 || row >= view_.row_count()) return {};
  if (column != 0 && column != 1) return {};
  std::string text;
  if (!radcache_.Text(row + 1, *registers_[Index(aktregister_)].rows, text)) return {};
  HitCells cells = CellsOf(text, language_);
  return column == 0 ? std::move(cells.name) : std::move(cells.date);
}

bool ResultTable::FullRowText(int32_t row, std::string& text) {
  if (aktlista() == nullptr || !view_.enabled() || row < 0 || row >= view_.row_count())
    return false;
  return registers_[Index(aktregister_)].rows->Read(row + 1, text);
}

std::string ResultTable::ReadableCellText(int32_t row, int32_t column) {
  std::string text;
  if ((column != 0 && column != 1) || !FullRowText(row, text)) return {};
  HitCells cells = ReadableCellsOf(text, language_);
  return column == 0 ? std::move(cells.name) : std::move(cells.date);
}

std::string ResultTable::VisibleListText() {
  const int32_t end = std::min(view_.top_row() + view_.synliga(), view_.row_count());
  std::string out;
  std::string text;
  for (int32_t row = view_.top_row(); row < end; ++row) {
    if (!FullRowText(row, text)) break;
    const size_t cr = text.find('\r');
    out += text.substr(0, cr);
    out += '\t';
    if (cr != std::string::npos) out += text.substr(cr + 1);
    out += "\r\n";
  }
  return out;
}

}  // namespace vx
