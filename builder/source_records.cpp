#include "builder/source_records.h"

#include "builder/register_schema.h"
#include "builder/value_rules.h"
#include "engine/util/cp1252.h"
#include "engine/util/visible_text.h"
#include "language/message_id.h"
#include "records/register_labels.h"

namespace vx {
namespace {

// A source value in a one-line message: in quotes, control characters
// written visibly.
std::string Quoted(std::string_view value) {
  return QuotedText(Cp1252ToUtf8(value));
}

}  // namespace

FieldNames::FieldNames(int register_number) : labels_(&RegisterLabels(register_number)) {
  for (size_t i = 0; i < labels_->size(); ++i)
    index_.emplace(FieldName((*labels_)[i]), static_cast<int>(i));
}

const FieldNames& FieldNamesOf(int register_number) {
  static const FieldNames names[3] = {FieldNames(1), FieldNames(2), FieldNames(3)};
  return names[register_number - 1];
}

int FieldNames::IndexOf(std::string_view name) const {
  const auto it = index_.find(name);
  return it == index_.end() ? -1 : it->second;
}

bool SourceRecordReader::Open(const std::filesystem::path& file, SourceError& error) {
  file_name_ = file.filename().string();
  return reader_.Open(file, error) && CheckHeader(error);
}

bool SourceRecordReader::CheckHeader(SourceError& error) {
  const std::vector<std::string>& header = reader_.Header();
  const std::vector<std::string>& labels = names_.Labels();
  column_of_field_.assign(labels.size(), -1);
  for (size_t column = 0; column < header.size(); ++column) {
    const std::string& name = header[column];
    if (name.empty()) {
      error =
          SaidError(file_name_, 1, {MessageId::BuilderColumnUnnamed, {std::to_string(column + 1)}});
      return false;
    }
    const int field = names_.IndexOf(name);
    if (field < 0) {
      error = SaidError(file_name_, 1, {MessageId::BuilderUnknownField, {Quoted(name)}});
      return false;
    }
    if (column_of_field_[field] >= 0) {
      error = SaidError(file_name_, 1, {MessageId::BuilderFieldTwice, {Quoted(name)}});
      return false;
    }
    column_of_field_[field] = static_cast<int>(column);
  }
  for (size_t field = 0; field < labels.size(); ++field) {
    if (column_of_field_[field] < 0) {
      error = SaidError(file_name_, 1,
                        {MessageId::BuilderFieldMissing, {std::string(FieldName(labels[field]))}});
      return false;
    }
  }
  values_.resize(labels.size());
  return true;
}

CsvRow SourceRecordReader::Next(RecordFields& record, SourceError& error) {
  const CsvRow row = reader_.Next(columns_, error);
  if (row != CsvRow::kRecord) return row;
  for (size_t f = 0; f < values_.size(); ++f) {
    const std::string& raw = columns_[column_of_field_[f]];
    values_[f] = names_.IsLongText(f) ? std::string_view(raw) : TrimBlanks(raw);
  }
  record = RecordFields(names_, values_);
  return CheckRecord(record, error) ? CsvRow::kRecord : CsvRow::kError;
}

bool SourceRecordReader::CheckRecord(const RecordFields& record, SourceError& error) const {
  auto fail = [&](Message message) {
    error = SaidError(file_name_, Line(), std::move(message));
    return false;
  };
  size_t record_bytes = 0;
  for (size_t f = 0; f < record.size(); ++f) {
    const std::string_view value = record.At(f);
    const std::string_view name = FieldName(names_.Labels()[f]);
    if (value.find('\0') != std::string::npos)
      return fail({MessageId::BuilderFieldNullByte, {std::string(name), Quoted(value)}});
    if (!names_.IsLongText(f)) {
      if (value.find('\r') != std::string::npos) {
        return fail({MessageId::BuilderFieldLineBreaks, {std::string(name), Quoted(value)}});
      }
      if (value.size() > kMaxShortField) {
        return fail(
            {MessageId::BuilderFieldTooLong,
             {std::string(name), std::to_string(value.size()), std::to_string(kMaxShortField)}});
      }
    }
    record_bytes += value.size() + 2;
  }
  if (record_bytes > kMaxRecordBytes) {
    return fail({MessageId::BuilderRecordTooLong,
                 {std::to_string(record_bytes), std::to_string(kMaxRecordBytes)}});
  }
  for (const SlotSource& slot : SchemaOf(register_number_).slots) {
    const ComponentDecl* list = SearchListDecl(register_number_, slot.slot);
    const size_t longest = MaxRowText(list->list, slot.values);
    for (std::string_view value : SlotValuesOf(slot, record)) {
      if (slot.values == SlotValues::kDates && !IsStoredDate(value)) {
        return fail({MessageId::BuilderDateForm, {Quoted(value), slot.fields[0].name}});
      }
      if (value.size() > longest) {
        return fail({MessageId::BuilderValueTooLong,
                     {Quoted(value), std::to_string(value.size()), std::to_string(longest)}});
      }
    }
  }
  return true;
}

}  // namespace vx
