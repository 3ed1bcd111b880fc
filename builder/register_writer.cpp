#include "builder/register_writer.h"

#include <algorithm>

#include "builder/person_rows.h"
#include "builder/register_schema.h"
#include "builder/set_files.h"
#include "builder/value_rules.h"
#include "engine/lists/free_search_list_writer.h"
#include "engine/lists/sort_order.h"
#include "engine/lists/struct_list.h"
#include "engine/lists/word_list_writer.h"
#include "engine/store/record_store_writer.h"
#include "engine/util/cp1252.h"

namespace vx {
namespace {

const ComponentDecl& Decl(const std::string& name) {
  return *FindComponent(name);
}

bool WriteRecords(const RegisterSource& source, const std::vector<uint32_t>& order,
                  const std::string& dir, const std::string& regnr, SourceError& error) {
  const RegtextProperties properties =
      StorePropertiesFor(Decl(RecordStoreName(source.register_number())), dir, regnr);
  RecordStoreWriter writer(properties);
  if (writer.Create() != RecordStoreWriter::Status::kOk) {
    error = WriteError(properties.RecordFileName(), "kan inte skapas");
    return false;
  }
  std::vector<FieldValue> values(source.Labels().size());
  for (uint32_t index : order) {
    for (size_t f = 0; f < values.size(); ++f)
      values[f].text = source.Field(index, static_cast<int>(f));
    if (writer.Append(values) != RecordStoreWriter::Status::kOk) {
      error = {source.FileName(), source.Line(index), "posten kan inte skrivas till registret"};
      return false;
    }
  }
  if (writer.Finish() != RecordStoreWriter::Status::kOk) {
    error = WriteError(properties.RecordFileName(), "kan inte skrivas");
    return false;
  }
  return true;
}

bool WritePersonList(int register_number, const std::vector<std::string>& rows,
                     const std::string& dir, const std::string& regnr, SourceError& error) {
  TVXstruktlista list;
  list.properties() =
      ListPropertiesFor(Decl(PersonListName(register_number)), dir, regnr, rows.size());
  const std::string file = list.properties().RowFileName();
  if (!list.CreateNew()) {
    error = WriteError(file, "kan inte skapas");
    return false;
  }
  for (size_t k = 0; k < rows.size(); ++k) {
    if (!list.AppendRow(rows[k], static_cast<uint32_t>(k + 1))) {
      error = WriteError(file, "raden för post " + std::to_string(k + 1) + " kan inte skrivas");
      return false;
    }
  }
  list.Close();
  return true;
}

bool WriteDateOrder(int register_number, const std::vector<std::string>& rows,
                    const std::string& dir, const std::string& regnr, SourceError& error) {
  TVXsortordning order;
  order.properties() =
      SortOrderPropertiesFor(Decl(DateOrderName(register_number)), dir, regnr, rows.size());
  const std::string file = order.properties().FileName();
  if (!order.CreateNew()) {
    error = WriteError(file, "kan inte skapas");
    return false;
  }
  for (uint32_t row : DateOrder(rows)) {
    if (order.Append(static_cast<int32_t>(row)) < 0) {
      error = WriteError(file, "kan inte skrivas");
      return false;
    }
  }
  order.Close();
  return true;
}

// The rows of a slot's word list, in list order.
std::vector<WordRow> SlotRows(const RegisterSource& source, const std::vector<uint32_t>& order,
                              const SlotSource& slot) {
  if (slot.values == SlotValues::kLokalId) {
    // One row per record, in list order; equal texts by record number.
    std::vector<WordRow> rows;
    for (uint32_t r = 1; r <= order.size(); ++r) {
      const std::string_view id = source.Field(order[r - 1], slot.fields[0].name);
      if (!id.empty()) rows.push_back({std::string(id), {r}});
    }
    std::stable_sort(rows.begin(), rows.end(), [](const WordRow& a, const WordRow& b) {
      return CompareTexts(a.text.c_str(), b.text.c_str(), AccentOrderTable()) < 0;
    });
    return rows;
  }
  WordIndex index(&AccentOrderTable(), AccentOrderTable());
  for (uint32_t r = 1; r <= order.size(); ++r) {
    const uint32_t i = order[r - 1];
    auto field = [&](std::string_view name) { return source.Field(i, name); };
    for (std::string_view value : SlotValuesOf(slot, field))
      index.Add(value, r);
  }
  return index.TakeSortedRows();
}

bool WriteSlotList(const RegisterSource& source, const std::vector<uint32_t>& order,
                   const SlotSource& slot, const std::string& dir, const std::string& regnr,
                   SourceError& error) {
  const std::vector<WordRow> rows = SlotRows(source, order, slot);
  const ComponentDecl& decl = *SearchListDecl(source.register_number(), slot.slot);
  WordListWriter writer(ListPropertiesFor(decl, dir, regnr, rows.size()));
  const std::string file = RenameForSet(decl.file_template, regnr) + ".i";
  if (writer.Create() != WordListWriter::Status::kOk) {
    error = WriteError(file, "kan inte skapas");
    return false;
  }
  for (const WordRow& row : rows) {
    if (writer.Append(row.text, row.records) != WordListWriter::Status::kOk) {
      error = WriteError(file, "raden för ordet " + Cp1252ToUtf8(row.text) + " kan inte skrivas");
      return false;
    }
  }
  if (writer.Finish() != WordListWriter::Status::kOk) {
    error = WriteError(file, "kan inte skrivas");
    return false;
  }
  return true;
}

// The lines that free-search source `list` takes from record i.
std::vector<std::string> FreeSearchLines(const RegisterSource& source, size_t i,
                                         const FreeSearchSource& list) {
  std::vector<std::string> lines;
  for (const std::vector<std::string>& fields : list.lines) {
    if (list.by_lines) {
      for (std::string_view line : SplitLines(source.Field(i, fields[0])))
        lines.emplace_back(line);
      continue;
    }
    std::string joined;
    for (const std::string& field : fields) {
      const std::string_view value = source.Field(i, field);
      if (value.empty()) continue;
      if (!joined.empty()) joined += ' ';
      joined += value;
    }
    if (!joined.empty()) lines.push_back(std::move(joined));
  }
  return lines;
}

bool WriteRegisterFreeSearch(const RegisterSource& source, const std::vector<uint32_t>& order,
                             const FreeSearchSource& list, const std::string& dir,
                             const std::string& regnr, SourceError& error) {
  WordIndex index(nullptr, FoldTable());
  for (uint32_t r = 1; r <= order.size(); ++r) {
    for (const std::string& line : FreeSearchLines(source, order[r - 1], list))
      index.Add(line, r);
  }
  return WriteFreeSearchList(SearchComponentName(source.register_number(), list.slot),
                             index.TakeSortedRows(), dir, regnr, error);
}

}  // namespace

SourceError WriteError(const std::string& file, const std::string& detail) {
  return {file, 0, detail};
}

bool WriteFreeSearchList(const std::string& name, std::vector<WordRow> rows, const std::string& dir,
                         const std::string& regnr, SourceError& error) {
  const FreeSearchListProperties properties = FreeSearchPropertiesFor(Decl(name), dir, regnr);
  const std::string file = properties.EntryFileName();
  FreeSearchListWriter writer(properties);
  if (writer.Create() != FreeSearchListWriter::Status::kOk) {
    error = WriteError(file, "kan inte skapas");
    return false;
  }
  for (const WordRow& row : rows) {
    if (writer.Add(row.text, row.records) != FreeSearchListWriter::Status::kOk) {
      error = WriteError(file, "raden " + Cp1252ToUtf8(row.text) + " kan inte skrivas");
      return false;
    }
  }
  if (writer.Finish() != FreeSearchListWriter::Status::kOk) {
    error = WriteError(file, "kan inte skrivas");
    return false;
  }
  return true;
}

PersonList MakePersonList(const RegisterSource& source) {
  PersonList persons;
  std::vector<std::string> rows(source.Count());
  for (size_t i = 0; i < rows.size(); ++i)
    rows[i] = PersonRowText(source, i);
  persons.order = PersonOrder(rows);
  persons.rows.resize(rows.size());
  for (size_t k = 0; k < rows.size(); ++k)
    persons.rows[k] = std::move(rows[persons.order[k]]);
  return persons;
}

bool WriteRegister(const RegisterSource& source, const PersonList& persons, const std::string& dir,
                   const std::string& regnr, const Progress& progress, SourceError& error) {
  const int r = source.register_number();
  const std::vector<uint32_t>& order = persons.order;
  if (progress) progress("  poster och personlista");
  if (!WriteRecords(source, order, dir, regnr, error)) return false;
  if (!WritePersonList(r, persons.rows, dir, regnr, error)) return false;
  if (!WriteDateOrder(r, persons.rows, dir, regnr, error)) return false;
  if (progress) progress("  sökordslistor");
  for (const SlotSource& slot : SchemaOf(r).slots) {
    if (!WriteSlotList(source, order, slot, dir, regnr, error)) return false;
  }
  if (progress) progress("  fritextlistor");
  for (const FreeSearchSource& list : SchemaOf(r).free_search) {
    if (!WriteRegisterFreeSearch(source, order, list, dir, regnr, error)) return false;
  }
  return true;
}

void AddToAllFields(const RegisterSource& source, const std::vector<uint32_t>& order,
                    uint32_t first_number, WordIndex& all_fields) {
  const auto& labels = source.Labels();
  for (uint32_t r = 1; r <= order.size(); ++r) {
    const uint32_t number = first_number + r - 1;
    for (size_t f = 0; f < labels.size(); ++f) {
      const std::string_view value = source.Field(order[r - 1], static_cast<int>(f));
      if (value.empty()) continue;
      if (labels[f][0] == '5') {
        for (std::string_view line : SplitLines(value))
          all_fields.Add(line, number);
      } else {
        all_fields.Add(value, number);
      }
    }
  }
}

}  // namespace vx
