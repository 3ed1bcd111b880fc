// The records of one register as read from its source table, checked and
// held compactly: every field of every record in one buffer, Windows-1252.
#ifndef VX_BUILDER_REGISTER_SOURCE_H_
#define VX_BUILDER_REGISTER_SOURCE_H_

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "builder/source_error.h"

namespace vx {

// Reports how many records have been read so far.
using ReadProgress = std::function<void(size_t records)>;

class RegisterSource {
 public:
  // The longest value of a short field.
  static constexpr size_t kMaxShortField = 6000;
  // The longest encoded record the stores read back (tag, text, zero byte
  // per field).
  static constexpr size_t kMaxRecordBytes = 20000;

  // Reads register 1..3 from `file`, checking the header row against the
  // register's fields and every value against where it goes. Short values
  // lose blanks at both ends. False with `error` set ("file:line: message").
  bool Load(const std::filesystem::path& file, int register_number, SourceError& error,
            const ReadProgress& progress = {});

  int register_number() const { return register_number_; }
  size_t Count() const { return record_start_.size(); }
  // The register's labels: field i of a record belongs to label i.
  const std::vector<std::string>& Labels() const { return *labels_; }
  // The index of a field by name; -1 when the register has no such field.
  int IndexOf(std::string_view name) const;

  // Field `index` of record `i` (0-based, in source order).
  std::string_view Field(size_t i, int index) const;
  std::string_view Field(size_t i, std::string_view name) const;
  // The source line on which record i starts.
  size_t Line(size_t i) const { return lines_[i]; }
  const std::string& FileName() const { return file_name_; }

 private:
  bool CheckHeader(const std::vector<std::string>& header, std::vector<int>& column_of_field,
                   SourceError& error) const;
  bool CheckRecord(const std::vector<std::string>& values, size_t line, SourceError& error) const;
  void Append(const std::vector<std::string>& values, size_t line);

  int register_number_ = 0;
  std::string file_name_;
  const std::vector<std::string>* labels_ = nullptr;
  std::string data_;
  std::vector<uint64_t> record_start_;
  // Offsets of each record's fields from its start, Labels().size() each.
  std::vector<uint16_t> field_offsets_;
  std::vector<uint32_t> lines_;
};

}  // namespace vx

#endif  // VX_BUILDER_REGISTER_SOURCE_H_
