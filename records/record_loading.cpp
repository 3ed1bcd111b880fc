#include "records/record_loading.h"

#include <string>

namespace vx {
namespace {

// A long-text buffer holds its text up to the terminating zero byte.
std::string UpToZero(const std::string& text) {
  return text.substr(0, text.find('\0'));
}

template <typename Record>
Status Load(TVXregtext& store, int64_t n, Record& record) {
  Status status = store.ReadRecord(n);
  if (!status.ok()) return status;
  // A record cut short keeps the fields before the cut; the rest is empty.
  store.DecodeFields();
  const auto short_fields = store.ShortFields();
  const auto& long_texts = store.LongTexts();
  size_t next_short = 0;
  size_t next_long = 0;
  for (const FieldBinding<Record>& field : Record::Fields()) {
    std::string& value = record.*field.member;
    if (field.label.front() == '5') {
      value = next_long < long_texts.size() ? UpToZero(long_texts[next_long]) : std::string();
      ++next_long;
    } else {
      value = next_short < short_fields.size() ? short_fields[next_short] : std::string();
      ++next_short;
    }
  }
  return Status::OK();
}

}  // namespace

Status laddafodd(TVXregtext& store, int64_t n, Tenfodd& record) {
  return Load(store, n, record);
}

Status laddavigd(TVXregtext& store, int64_t n, Tenvigd& record) {
  return Load(store, n, record);
}

Status laddadod(TVXregtext& store, int64_t n, Tendod& record) {
  return Load(store, n, record);
}

}  // namespace vx
