// The records of one register as read from its source table, checked and
// held compactly in memory: every field of every record in one buffer,
// Windows-1252. For tools that need the records in their source order;
// the builder itself reads them one at a time (source_records.h).
#ifndef VX_BUILDER_REGISTER_SOURCE_H_
#define VX_BUILDER_REGISTER_SOURCE_H_

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "builder/source_error.h"
#include "builder/source_records.h"

namespace vx {

class RegisterSource {
 public:
  static constexpr size_t kMaxShortField = SourceRecordReader::kMaxShortField;
  static constexpr size_t kMaxRecordBytes = SourceRecordReader::kMaxRecordBytes;

  // Reads register 1..3 from `file` (see SourceRecordReader). False with
  // `error` set ("file:line: message").
  bool Load(const std::filesystem::path& file, int register_number, SourceError& error,
            const ReadProgress& progress = {});

  int register_number() const { return register_number_; }
  size_t Count() const { return record_start_.size(); }
  // The register's labels: field i of a record belongs to label i.
  const std::vector<std::string>& Labels() const { return names_->Labels(); }
  // The index of a field by name; -1 when the register has no such field.
  int IndexOf(std::string_view name) const { return names_->IndexOf(name); }

  // Field `index` of record `i` (0-based, in source order).
  std::string_view Field(size_t i, int index) const;
  std::string_view Field(size_t i, std::string_view name) const;
  // Record i's fields; `values` receives views of them and must outlive
  // the result.
  RecordFields Record(size_t i, std::vector<std::string_view>& values) const;
  // The source line on which record i starts.
  size_t Line(size_t i) const { return lines_[i]; }
  const std::string& FileName() const { return file_name_; }

 private:
  void Append(const RecordFields& record, size_t line);

  int register_number_ = 0;
  std::string file_name_;
  const FieldNames* names_ = nullptr;
  std::string data_;
  std::vector<uint64_t> record_start_;
  // Offsets of each record's fields from its start, Labels().size() each.
  std::vector<uint16_t> field_offsets_;
  std::vector<uint32_t> lines_;
};

}  // namespace vx

#endif  // VX_BUILDER_REGISTER_SOURCE_H_
