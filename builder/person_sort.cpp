#include "builder/person_sort.h"

#include "builder/person_rows.h"
#include "builder/varint.h"
#include "language/message_id.h"

namespace vx {

std::string SortedRecord::Encode(size_t line, std::string_view row, const RecordFields& record) {
  std::string out;
  PutVarint(out, line);
  PutVarint(out, row.size());
  out += row;
  for (size_t f = 0; f < record.size(); ++f) {
    PutVarint(out, record.At(f).size());
    out += record.At(f);
  }
  return out;
}

bool SortedRecord::Decode(std::string_view payload, size_t fields) {
  uint64_t source_line = 0;
  if (!GetVarint(payload, source_line) || !GetSized(payload, row)) return false;
  line = static_cast<size_t>(source_line);
  values.resize(fields);
  for (std::string_view& value : values) {
    if (!GetSized(payload, value)) return false;
  }
  return payload.empty();
}

bool SortByPerson(const std::filesystem::path& file, SourceRecordReader& reader,
                  NormRows& norm_rows, SpillSorter& records, const ReadProgress& progress,
                  SourceError& error) {
  if (!reader.Open(file, error)) return false;
  const int register_number = reader.register_number();
  RecordFields record(reader.names(), {});
  CsvRow row;
  size_t count = 0;
  while ((row = reader.Next(record, error)) == CsvRow::kRecord) {
    if (!norm_rows.Add(register_number, record, reader.FileName(), reader.Line(), error))
      return false;
    const std::string text = PersonRowText(register_number, record);
    if (!records.Add(PersonOrderKey(text), SortedRecord::Encode(reader.Line(), text, record))) {
      error = SaidError(records.TempDirectory().string(), 0,
                        {MessageId::BuilderSortFileUnwritable, {}});
      return false;
    }
    if (progress && ++count % 100000 == 0) progress(count);
  }
  if (row == CsvRow::kError) return false;
  if (progress) progress(count);
  return true;
}

}  // namespace vx
