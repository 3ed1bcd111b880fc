#include "engine/lists/sort_order.h"

#include <algorithm>
#include <limits>

#include "engine/util/message_sink.h"
#include "language/message_id.h"

namespace vx {
namespace {

constexpr int32_t kNoRow = -1;

bool ValidType(int32_t pltyp) {
  return pltyp >= 0 && pltyp <= 2;
}

}  // namespace

bool TVXsortordning::Open() {
  return OpenList(false);
}

bool TVXsortordning::CreateNew() {
  if (properties_.RO) {
    Close();
    return false;
  }
  return OpenList(true);
}

bool TVXsortordning::OpenList(bool create) {
  Close();
  if (!ValidType(properties_.pltyp)) return false;
  const auto type = static_cast<PointerListType>(properties_.pltyp);
  list_ = std::make_unique<Tvxpeklista>(type);
  list_->SetCapacity(static_cast<uint32_t>(std::max(properties_.maxrader, 0)));
  if (type != PointerListType::kInMemory) {
    list_->SetFileNames(properties_.pfilkat, properties_.FileName());
    list_->SetReadOnly(properties_.RO);
    if (!list_->Open(create)) {
      list_.reset();
      return false;
    }
    if (properties_.RO && list_->CutShort()) {
      ReportMessage(Message{MessageId::EngineSortOrderCutShort, {properties_.FileName()}});
      list_.reset();
      return false;
    }
  }
  properties_.maxrader = static_cast<int32_t>(
      std::min<uint32_t>(list_->Capacity(), std::numeric_limits<int32_t>::max()));
  return true;
}

void TVXsortordning::Close() {
  list_.reset();
}

int32_t TVXsortordning::Count() const {
  if (!Opened()) return 0;
  return static_cast<int32_t>(
      std::min<uint32_t>(list_->Count(), std::numeric_limits<int32_t>::max()));
}

int32_t TVXsortordning::Get(int32_t p) const {
  if (!Opened() || p < 1 || p > Count()) return kNoRow;
  const uint32_t row = list_->Get(p);
  if (row == 0 || row > static_cast<uint32_t>(std::numeric_limits<int32_t>::max())) return kNoRow;
  return static_cast<int32_t>(row);
}

int64_t TVXsortordning::Append(int32_t row) {
  if (!Opened() || properties_.RO || row < 1) return -1;
  return list_->Append(static_cast<uint32_t>(row));
}

}  // namespace vx
