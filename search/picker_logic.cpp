#include "search/picker_logic.h"

#include <algorithm>

#include "imaging/cell_attribute.h"
#include "language/message_id.h"
#include "search/picked_rows.h"

namespace vx {
namespace {

constexpr int kSlots = 20;

}  // namespace

bool PickerPositions::Valid(int register_number, int slot) {
  return register_number >= 1 && register_number <= 3 && slot >= 1 && slot <= kSlots;
}

GridPlace PickerPositions::Get(int register_number, int slot) const {
  return Valid(register_number, slot) ? places_[register_number][slot] : GridPlace{};
}

void PickerPositions::Set(int register_number, int slot, const GridPlace& place) {
  if (Valid(register_number, slot)) places_[register_number][slot] = place;
}

void PickerPositions::Forget(int register_number) {
  for (int slot = 1; slot <= kSlots; ++slot)
    Set(register_number, slot, {});
}

void WordPicker::Show(TEVF& catalogue, int register_number, int slot) {
  register_ = register_number;
  slot_ = slot;
  list_ = nullptr;
  if (slot < 1 || slot > kSlots || register_number < 1 || register_number > 3) return;
  list_ = catalogue.soklistor(register_number, slot);
  if (list_ == nullptr) return;
  if (!list_->Opened()) list_->Open();
  list_->vald().Recount();
}

int WordPicker::rows() const {
  return list_ != nullptr ? list_->RowCount() : 0;
}

GridPlace WordPicker::remembered_place() const {
  return positions_.Get(register_, slot_);
}

std::string WordPicker::CountText(Language language) const {
  if (list_ == nullptr) return {};
  return Render(
      {MessageId::PickerCount, {std::to_string(list_->vald().Count()), std::to_string(rows())}},
      language);
}

Status WordPicker::CellText(int row, int column, std::string& text) {
  text.clear();
  if (list_ == nullptr) return Status::OK();
  const Status status = list_->ReadRow(row);
  if (!status.ok()) return status;
  if (column == 1) {
    text = list_->RowText();
  } else {
    text = '\t' + std::to_string(std::max<uint32_t>(list_->PostingCount(), 1));
  }
  return Status::OK();
}

Status WordPicker::CellAttribute(int row, uint32_t& attribute) {
  attribute = kDefaultCellAttribute;
  if (list_ == nullptr) return Status::OK();
  const Status status = list_->ReadRow(row);
  if (!status.ok()) return status;
  vx::CellAttribute cell = DecodeCellAttribute(list_->RowValue2());
  cell.indent_level = 1;
  cell.chosen = list_->vald().IsSet(row);
  attribute = EncodeCellAttribute(cell);
  return Status::OK();
}

void WordPicker::ToggleTick(int row) {
  if (list_ != nullptr) list_->vald().SetBit(row + 1, !Ticked(row));
}

void WordPicker::CopyTick(int anchor, int row) {
  if (list_ != nullptr) list_->vald().SetBit(row + 1, Ticked(anchor));
}

bool WordPicker::Ticked(int row) const {
  return list_ != nullptr && list_->vald().IsSet(row + 1);
}

void WordPicker::ClearTicks() {
  if (list_ != nullptr) list_->vald().Clear();
}

int WordPicker::QuickSearch(std::string_view prefix) {
  if (list_ == nullptr) return -1;
  const int32_t row = list_->FindPrefix(prefix);
  return row > 0 ? row - 1 : -1;
}

std::string WordPicker::Summary() {
  return list_ != nullptr ? BuildPickSummary(*list_) : std::string();
}

void WordPicker::Remember(const GridPlace& place) {
  if (list_ != nullptr) positions_.Set(register_, slot_, place);
}

}  // namespace vx
