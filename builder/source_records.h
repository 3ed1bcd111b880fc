// Reads the records of one register from its source table (fodda.csv,
// vigda.csv, doda.csv) one at a time, checked against the register's
// fields and against where every value goes. Nothing but the record being
// read is held, so a table of any size is read in little memory.
#ifndef VX_BUILDER_SOURCE_RECORDS_H_
#define VX_BUILDER_SOURCE_RECORDS_H_

#include <cstddef>
#include <filesystem>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "builder/csv_reader.h"
#include "builder/source_error.h"

namespace vx {

// Reports how many records have been read so far.
using ReadProgress = std::function<void(size_t records)>;

// A register's field names and their places in its records.
class FieldNames {
 public:
  explicit FieldNames(int register_number);

  const std::vector<std::string>& Labels() const { return *labels_; }
  // The index of a field; -1 when the register has no such field.
  int IndexOf(std::string_view name) const;
  // Long texts (kind 5) may hold line breaks and are searched line by line.
  bool IsLongText(size_t index) const { return (*labels_)[index][0] == '5'; }

 private:
  const std::vector<std::string>* labels_;
  std::unordered_map<std::string_view, int> index_;
};

// The names of register 1..3, made once.
const FieldNames& FieldNamesOf(int register_number);

// The values of one record, in label order, read by field name.
class RecordFields {
 public:
  RecordFields(const FieldNames& names, std::span<const std::string_view> values)
      : names_(&names), values_(values) {}

  // The field's value; empty when the register has no such field.
  std::string_view operator()(std::string_view name) const {
    const int index = names_->IndexOf(name);
    return index < 0 ? std::string_view() : values_[static_cast<size_t>(index)];
  }
  std::string_view At(size_t index) const { return values_[index]; }
  size_t size() const { return values_.size(); }
  const FieldNames& names() const { return *names_; }

 private:
  const FieldNames* names_;
  std::span<const std::string_view> values_;
};

class SourceRecordReader {
 public:
  // The longest value of a short field.
  static constexpr size_t kMaxShortField = 6000;
  // The longest encoded record the stores read back (tag, text, zero byte
  // per field).
  static constexpr size_t kMaxRecordBytes = 20000;

  explicit SourceRecordReader(int register_number)
      : register_number_(register_number), names_(FieldNamesOf(register_number)) {}

  // Opens `file` and checks its header row. False with `error` set
  // ("file:line: message").
  bool Open(const std::filesystem::path& file, SourceError& error);

  // The next record: kRecord with `record` set (valid until the next call),
  // kEnd after the last, kError with `error` set. Short values lose blanks
  // at both ends.
  CsvRow Next(RecordFields& record, SourceError& error);

  // The source line on which the record last read starts.
  size_t Line() const { return reader_.RecordLine(); }
  int register_number() const { return register_number_; }
  const FieldNames& names() const { return names_; }
  const std::string& FileName() const { return file_name_; }

 private:
  bool CheckHeader(SourceError& error);
  bool CheckRecord(const RecordFields& record, SourceError& error) const;

  int register_number_;
  const FieldNames& names_;
  std::string file_name_;
  CsvReader reader_;
  std::vector<int> column_of_field_;
  std::vector<std::string> columns_;
  std::vector<std::string_view> values_;
};

}  // namespace vx

#endif  // VX_BUILDER_SOURCE_RECORDS_H_
