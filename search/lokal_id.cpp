#include "search/lokal_id.h"

#include <string>

#include "engine/files/row_file.h"
#include "language/message_id.h"
#include "search/catalogue_parts.h"

namespace vx {

Status FindLokalId(TEVF& evf, int register_number, int slot, std::string_view text) {
  TVXstruktlista& ids = SlotList(evf, register_number, slot);
  const int32_t row = ids.FindExact(text);
  if (row < 0 || !ids.ReadRow(row).ok()) {
    return Status::Said(Status::Code::kNotFound,
                        {MessageId::SearchLokalIdMissing, {std::string(text)}});
  }
  Tvxsmalurval& result = ResultOf(evf, register_number);
  result.Clear();
  ids.MarkRecords(result);
  return Status::OK();
}

}  // namespace vx
