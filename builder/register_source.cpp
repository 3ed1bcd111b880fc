#include "builder/register_source.h"

namespace vx {

std::string_view RegisterSource::Field(size_t i, int index) const {
  if (index < 0) return {};
  const size_t fields = Labels().size();
  const uint64_t start = record_start_[i];
  const uint16_t* offsets = field_offsets_.data() + i * fields;
  const size_t field = static_cast<size_t>(index);
  // Each field ends with a zero byte just before the next one starts.
  const uint64_t end = field + 1 < fields             ? start + offsets[field + 1]
                       : i + 1 < record_start_.size() ? record_start_[i + 1]
                                                      : data_.size();
  const uint64_t begin = start + offsets[field];
  return std::string_view(data_.data() + begin, end - begin - 1);
}

std::string_view RegisterSource::Field(size_t i, std::string_view name) const {
  return Field(i, IndexOf(name));
}

RecordFields RegisterSource::Record(size_t i, std::vector<std::string_view>& values) const {
  values.resize(Labels().size());
  for (size_t f = 0; f < values.size(); ++f)
    values[f] = Field(i, static_cast<int>(f));
  return RecordFields(*names_, values);
}

void RegisterSource::Append(const RecordFields& record, size_t line) {
  record_start_.push_back(data_.size());
  const size_t start = data_.size();
  for (size_t f = 0; f < record.size(); ++f) {
    field_offsets_.push_back(static_cast<uint16_t>(data_.size() - start));
    data_ += record.At(f);
    data_ += '\0';
  }
  lines_.push_back(static_cast<uint32_t>(line));
}

bool RegisterSource::Load(const std::filesystem::path& file, int register_number,
                          SourceError& error, const ReadProgress& progress) {
  register_number_ = register_number;
  file_name_ = file.filename().string();
  data_.clear();
  record_start_.clear();
  field_offsets_.clear();
  lines_.clear();

  SourceRecordReader reader(register_number);
  if (!reader.Open(file, error)) return false;
  names_ = &FieldNamesOf(register_number);
  RecordFields record(*names_, {});
  CsvRow row;
  while ((row = reader.Next(record, error)) == CsvRow::kRecord) {
    Append(record, reader.Line());
    if (progress && Count() % 100000 == 0) progress(Count());
  }
  if (row == CsvRow::kError) return false;
  if (progress) progress(Count());
  return true;
}

}  // namespace vx
