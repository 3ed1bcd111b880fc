#include "search/normalisation_entries.h"

#include <charconv>

#include "engine/util/cp1252.h"
#include "language/message_id.h"

namespace vx {
namespace {

std::string_view Trim(std::string_view text) {
  while (!text.empty() && static_cast<unsigned char>(text.front()) <= ' ')
    text.remove_prefix(1);
  while (!text.empty() && static_cast<unsigned char>(text.back()) <= ' ')
    text.remove_suffix(1);
  return text;
}

int Number(std::string_view text) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc() && end == text.data() + text.size() ? value : 0;
}

std::vector<std::string_view> Fields(std::string_view text) {
  std::vector<std::string_view> fields;
  for (size_t start = 0;;) {
    const size_t end = text.find('\r', start);
    fields.push_back(Trim(text.substr(start, end - start)));
    if (end == std::string_view::npos) return fields;
    start = end + 1;
  }
}

}  // namespace

NormFields SplitNormRow(std::string_view text) {
  std::vector<std::string_view> f = Fields(text);
  NormFields fields;
  fields.kind = Number(f[0]);
  const size_t count_field = fields.kind == kNormPlaces ? 4 : 3;
  f.resize(count_field + 1);
  fields.normalised = f[1];
  fields.written = f[2];
  if (fields.kind == kNormPlaces) fields.addition = f[3];
  fields.count = Number(f[count_field]);
  return fields;
}

NormEntry EntryOf(const NormFields& fields) {
  NormEntry entry{fields.normalised, fields.written, fields.count};
  if (!fields.addition.empty()) entry.text += " (" + fields.addition + ")";
  return entry;
}

Status LoadNormKind(TVXstruktlista& list, int kind, std::vector<NormEntry>& entries) {
  for (int32_t row = 1; row <= list.RowCount(); ++row) {
    const Status status = list.ReadRow(row);
    if (!status.ok()) return status;
    const NormFields fields = SplitNormRow(list.RowText());
    if (fields.kind > kind) break;
    if (fields.kind == kind) entries.push_back(EntryOf(fields));
  }
  return Status::OK();
}

int FindNormEntry(const std::vector<NormEntry>& entries, std::string_view prefix) {
  const std::string wanted = UpperCase(std::string(prefix));
  for (size_t i = 0; i < entries.size(); ++i) {
    if (UpperCase(entries[i].normalised).starts_with(wanted)) return static_cast<int>(i);
  }
  return -1;
}

std::string NormCellText(const NormEntry& entry, int column) {
  switch (column) {
    case 1:
      return entry.normalised;
    case 2:
      return entry.text;
    default:
      return '\t' + std::to_string(entry.count) + ' ';
  }
}

std::string NormCountText(size_t entries, Language language) {
  return Render({MessageId::NormCount, {std::to_string(entries)}}, language);
}

Status NormalisationKinds::Load(TVXstruktlista& list) {
  loaded_ = true;
  for (int kind = kNormSurnames; kind <= kNormMensNames; ++kind) {
    kinds_[kind].clear();
    const Status status = LoadNormKind(list, kind, kinds_[kind]);
    if (!status.ok()) return status;
  }
  return Status::OK();
}

int NormalisationKinds::FirstKind() const {
  for (int kind : {kNormSurnames, kNormMensNames, kNormWomensNames}) {
    if (HasEntries(kind)) return kind;
  }
  return kNormPlaces;
}

const std::vector<NormEntry>& NormalisationKinds::Entries(int kind) const {
  static const std::vector<NormEntry> kNone;
  return kind >= kNormSurnames && kind <= kNormMensNames ? kinds_[kind] : kNone;
}

}  // namespace vx
