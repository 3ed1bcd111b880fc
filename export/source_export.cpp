#include "export/source_export.h"

#include "engine/util/cp1252.h"
#include "export/csv_writer.h"
#include "language/message_id.h"
#include "records/register_labels.h"

namespace vx {
namespace {

constexpr char kDelimiter = ';';

std::string ExportText(const std::string& cp1252) {
  std::string text = Cp1252ToUtf8(cp1252);
  for (char& c : text) {
    if (c == '\r') c = '\n';
  }
  return text;
}

}  // namespace

std::string SourceCsvHeader(int register_number) {
  std::vector<std::string> names;
  for (const std::string& label : RegisterLabels(register_number))
    names.push_back(label.substr(1));
  std::string out;
  AppendCsvRow(names, kDelimiter, out);
  return out;
}

std::vector<std::string> SourceValues(const TVXregtext& store) {
  std::vector<std::string> values;
  const std::span<const std::string> shorts = store.ShortFields();
  const std::vector<std::string>& longs = store.LongTexts();
  size_t next_short = 0;
  size_t next_long = 0;
  for (const std::string& label : store.properties().labels) {
    const bool long_text = !label.empty() && label[0] == '5';
    const std::string* value = nullptr;
    if (long_text && next_long < longs.size()) value = &longs[next_long++];
    if (!long_text && next_short < shorts.size()) value = &shorts[next_short++];
    values.push_back(value != nullptr ? ExportText(*value) : std::string());
  }
  return values;
}

Status AppendSourceCsv(TVXregtext& store, int register_number, std::span<const uint32_t> records,
                       std::string& out) {
  out += SourceCsvHeader(register_number);
  for (const uint32_t record : records) {
    if (Status status = store.ReadRecord(record); !status.ok()) return status;
    if (!store.DecodeFields()) {
      return Status::Said(Status::Code::kCorruption,
                          {MessageId::ExportRecordUnreadable,
                           {std::to_string(record), store.properties().bfilnamn}});
    }
    AppendCsvRow(SourceValues(store), kDelimiter, out);
  }
  return Status::OK();
}

}  // namespace vx
