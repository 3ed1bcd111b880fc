#include "builder/register_source.h"

#include <algorithm>

#include "builder/csv_reader.h"
#include "builder/register_schema.h"
#include "builder/value_rules.h"
#include "engine/util/cp1252.h"
#include "engine/util/visible_text.h"
#include "records/register_labels.h"

namespace vx {
namespace {

bool IsLongText(const std::string& label) {
  return !label.empty() && label[0] == '5';
}

// A source value in a one-line message: in quotes, control characters
// written visibly.
std::string Quoted(std::string_view value) {
  return QuotedText(Cp1252ToUtf8(value));
}

}  // namespace

int RegisterSource::IndexOf(std::string_view name) const {
  return FieldIndex(Labels(), name);
}

std::string_view RegisterSource::Field(size_t i, int index) const {
  if (index < 0) return {};
  const size_t fields = labels_->size();
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

bool RegisterSource::CheckHeader(const std::vector<std::string>& header,
                                 std::vector<int>& column_of_field, SourceError& error) const {
  column_of_field.assign(Labels().size(), -1);
  for (size_t column = 0; column < header.size(); ++column) {
    const std::string& name = header[column];
    if (name.empty()) {
      error = {file_name_, 1, "kolumn " + std::to_string(column + 1) + " saknar fältnamn"};
      return false;
    }
    const int field = IndexOf(name);
    if (field < 0) {
      error = {file_name_, 1, "okänt fält " + Quoted(name)};
      return false;
    }
    if (column_of_field[field] >= 0) {
      error = {file_name_, 1, "fältet " + Quoted(name) + " står två gånger"};
      return false;
    }
    column_of_field[field] = static_cast<int>(column);
  }
  for (size_t field = 0; field < Labels().size(); ++field) {
    if (column_of_field[field] < 0) {
      error = {file_name_, 1,
               "fältet " + std::string(FieldName(Labels()[field])) + " saknas i rubrikraden"};
      return false;
    }
  }
  return true;
}

// `values` are in label order and already trimmed.
bool RegisterSource::CheckRecord(const std::vector<std::string>& values, size_t line,
                                 SourceError& error) const {
  auto fail = [&](const std::string& message) {
    error = {file_name_, line, message};
    return false;
  };
  size_t record_bytes = 0;
  for (size_t f = 0; f < values.size(); ++f) {
    const std::string& value = values[f];
    const std::string name(FieldName(Labels()[f]));
    if (value.find('\0') != std::string::npos)
      return fail("fältet " + name + " innehåller en nollbyte: " + Quoted(value));
    if (!IsLongText(Labels()[f])) {
      if (value.find('\r') != std::string::npos) {
        return fail("fältet " + name + " får inte innehålla radbrytningar: " + Quoted(value));
      }
      if (value.size() > kMaxShortField) {
        return fail("fältet " + name + " är för långt (" + std::to_string(value.size()) +
                    " tecken, högst " + std::to_string(kMaxShortField) + ")");
      }
    }
    record_bytes += value.size() + 2;
  }
  if (record_bytes > kMaxRecordBytes) {
    return fail("posten är för lång (" + std::to_string(record_bytes) + " byte, högst " +
                std::to_string(kMaxRecordBytes) + ")");
  }
  auto field_of = [&](std::string_view name) -> std::string_view {
    const int index = IndexOf(name);
    return index < 0 ? std::string_view() : std::string_view(values[index]);
  };
  for (const SlotSource& slot : SchemaOf(register_number_).slots) {
    const ComponentDecl* list = SearchListDecl(register_number_, slot.slot);
    const size_t longest = MaxRowText(list->list, slot.values);
    for (std::string_view value : SlotValuesOf(slot, field_of)) {
      if (slot.values == SlotValues::kDates && !IsStoredDate(value)) {
        return fail("datumet " + Quoted(value) + " i fältet " + slot.fields[0].name +
                    " ska skrivas ÅÅÅÅMMDD (okända delar med 00, 99 eller X)");
      }
      if (value.size() > longest) {
        return fail("värdet " + Quoted(value) + " är för långt för sökordslistan (" +
                    std::to_string(value.size()) + " tecken, högst " + std::to_string(longest) +
                    ")");
      }
    }
  }
  return true;
}

void RegisterSource::Append(const std::vector<std::string>& values, size_t line) {
  record_start_.push_back(data_.size());
  const size_t start = data_.size();
  for (const std::string& value : values) {
    field_offsets_.push_back(static_cast<uint16_t>(data_.size() - start));
    data_ += value;
    data_ += '\0';
  }
  lines_.push_back(static_cast<uint32_t>(line));
}

bool RegisterSource::Load(const std::filesystem::path& file, int register_number,
                          SourceError& error, const ReadProgress& progress) {
  register_number_ = register_number;
  labels_ = &RegisterLabels(register_number);
  file_name_ = file.filename().string();
  data_.clear();
  record_start_.clear();
  field_offsets_.clear();
  lines_.clear();

  CsvReader reader;
  if (!reader.Open(file, error)) return false;
  std::vector<int> column_of_field;
  if (!CheckHeader(reader.Header(), column_of_field, error)) return false;

  std::vector<std::string> columns;
  std::vector<std::string> values(Labels().size());
  CsvRow row;
  while ((row = reader.Next(columns, error)) == CsvRow::kRecord) {
    for (size_t f = 0; f < values.size(); ++f) {
      const std::string& raw = columns[column_of_field[f]];
      values[f] = IsLongText(Labels()[f]) ? raw : std::string(TrimBlanks(raw));
    }
    if (!CheckRecord(values, reader.RecordLine(), error)) return false;
    Append(values, reader.RecordLine());
    if (progress && Count() % 100000 == 0) progress(Count());
  }
  if (row == CsvRow::kError) return false;
  if (progress) progress(Count());
  return true;
}

}  // namespace vx
