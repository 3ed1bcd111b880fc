#include "builder/register_writer.h"

#include <memory>
#include <vector>

#include "builder/list_files.h"
#include "builder/list_keys.h"
#include "builder/person_rows.h"
#include "builder/posting_collector.h"
#include "builder/record_store_thread.h"
#include "builder/register_schema.h"
#include "builder/set_files.h"
#include "builder/value_rules.h"
#include "engine/lists/sort_order.h"
#include "engine/lists/struct_list.h"
#include "language/message_id.h"

namespace vx {
namespace {

const ComponentDecl& Decl(const std::string& name) {
  return *FindComponent(name);
}

SourceError UnreadableSortFile(const SpillSorter& sorter) {
  return SaidError(sorter.TempDirectory().string(), 0, {MessageId::BuilderSortFileUnreadable, {}});
}

// The lines that free-search source `list` takes from a record.
void AddFreeSearchLines(const FreeSearchSource& list, const RecordFields& record, uint8_t list_id,
                        uint32_t number, PostingCollector& lists) {
  for (const std::vector<std::string>& fields : list.lines) {
    if (list.by_lines) {
      for (std::string_view line : SplitLines(record(fields[0])))
        lists.AddExact(list_id, LineKey(line), number);
      continue;
    }
    std::string joined;
    for (const std::string& field : fields) {
      const std::string_view value = record(field);
      if (value.empty()) continue;
      if (!joined.empty()) joined += ' ';
      joined += value;
    }
    if (!joined.empty()) lists.AddExact(list_id, LineKey(joined), number);
  }
}

// Adds record `number`'s values to the register's lists: the word lists
// first (list i is slot i of the schema), then the free-search lists.
bool AddToLists(const RegisterSchema& schema, const RecordFields& record, uint32_t number,
                PostingCollector& lists) {
  uint8_t list = 0;
  for (const SlotSource& slot : schema.slots) {
    if (slot.values == SlotValues::kLokalId) {
      const std::string_view id = record(slot.fields[0].name);
      if (!id.empty()) lists.Add(list, LokalIdKey(id, number), id, number);
    } else {
      for (std::string_view value : SlotValuesOf(slot, record))
        lists.Add(list, WordKey(value), value, number);
    }
    ++list;
  }
  for (const FreeSearchSource& free_search : schema.free_search)
    AddFreeSearchLines(free_search, record, list++, number, lists);
  return lists.Ok();
}

// The record store (on its own thread) and the person list, written record
// by record.
class RecordFiles {
 public:
  RecordFiles(const SourceRecordReader& reader, uint64_t count, const RegisterWriteOptions& options)
      : store_(StorePropertiesFor(Decl(RecordStoreName(reader.register_number())), options.dir,
                                  options.regnr),
               reader.FileName(), options.queue_budget),
        own_thread_(options.own_threads),
        names_(reader.names()) {
    persons_.properties() = ListPropertiesFor(Decl(PersonListName(reader.register_number())),
                                              options.dir, options.regnr, count);
  }

  bool Create(SourceError& error) {
    if (!store_.Start(own_thread_, error)) return false;
    if (!persons_.CreateNew()) {
      error = WriteError(persons_.properties().RowFileName(),
                         Message{MessageId::BuilderCannotCreate, {}});
      return false;
    }
    return true;
  }

  bool Append(std::string_view payload, const SortedRecord& record, uint32_t number,
              SourceError& error) {
    // A store that failed tells why in Finish.
    if (!store_.Add(names_, number, payload)) return Finish(error);
    if (!persons_.AppendRow(record.row, number)) {
      error = WriteError(persons_.properties().RowFileName(),
                         Message{MessageId::BuilderRecordRowUnwritable, {std::to_string(number)}});
      return false;
    }
    return true;
  }

  bool Finish(SourceError& error) {
    persons_.Close();
    return store_.Finish(error);
  }

 private:
  RecordStoreThread store_;
  bool own_thread_;
  const FieldNames& names_;
  TVXstruktlista persons_;
};

bool WriteDateOrder(int register_number, SpillSorter& dates, const RegisterWriteOptions& options,
                    SourceError& error) {
  TVXsortordning order;
  order.properties() = SortOrderPropertiesFor(Decl(DateOrderName(register_number)), options.dir,
                                              options.regnr, dates.Count());
  const std::string file = order.properties().FileName();
  if (!dates.Finish()) {
    error = UnreadableSortFile(dates);
    return false;
  }
  if (!order.CreateNew()) {
    error = WriteError(file, Message{MessageId::BuilderCannotCreate, {}});
    return false;
  }
  std::string_view key, payload;
  while (dates.Next(key, payload)) {
    if (order.Append(static_cast<int32_t>(RecordOfDateOrderKey(key))) < 0) {
      error = WriteError(file, Message{MessageId::BuilderCannotWrite, {}});
      return false;
    }
  }
  order.Close();
  if (!dates.Ok()) error = UnreadableSortFile(dates);
  return dates.Ok();
}

bool WriteLists(int register_number, PostingCollector& lists, const RegisterWriteOptions& options,
                SourceError& error) {
  if (!lists.Finish()) {
    error = SaidError(options.temp_dir.string(), 0, {MessageId::BuilderSortFileUnwritable, {}});
    return false;
  }
  const RegisterSchema& schema = SchemaOf(register_number);
  std::vector<std::unique_ptr<ListFile>> files;
  for (const SlotSource& slot : schema.slots) {
    files.push_back(
        WordListFile(*SearchListDecl(register_number, slot.slot), options.dir, options.regnr));
  }
  // The rows' table is given back by now: the filters take its share.
  const FilterWork work{options.list_budget / 4 * 3, options.temp_dir};
  for (const FreeSearchSource& list : schema.free_search) {
    files.push_back(FreeSearchFile(Decl(SearchComponentName(register_number, list.slot)),
                                   options.dir, options.regnr, work));
  }
  return WriteCollectedLists(lists, files, error);
}

}  // namespace

bool WriteRegisterRecords(const SourceRecordReader& reader, SpillSorter& records,
                          const RegisterWriteOptions& options, const RecordSink& every_record,
                          const Progress& progress, GatheredLists& gathered, SourceError& error) {
  const int register_number = reader.register_number();
  const FieldNames& names = reader.names();
  RecordFiles files(reader, records.Count(), options);
  if (!files.Create(error)) return false;
  gathered.register_number = register_number;
  gathered.dates = std::make_unique<SpillSorter>(options.date_budget, options.temp_dir);
  gathered.lists = std::make_unique<PostingCollector>(options.list_budget, options.temp_dir);
  SpillSorter& dates = *gathered.dates;
  PostingCollector& lists = *gathered.lists;
  const RegisterSchema& schema = SchemaOf(register_number);
  if (progress) progress({MessageId::BuilderRecordsAndPersons, {}});
  SortedRecord record;
  std::string_view key, payload;
  uint32_t number = 0;
  while (records.Next(key, payload)) {
    ++number;
    if (!record.Decode(payload, names.Labels().size())) {
      error = UnreadableSortFile(records);
      return false;
    }
    if (!files.Append(payload, record, number, error)) return false;
    const bool kept = dates.Add(DateOrderKey(record.row, number), {}) &&
                      AddToLists(schema, RecordFields(names, record.values), number, lists);
    if (!kept) {
      error = SaidError(options.temp_dir.string(), 0, {MessageId::BuilderSortFileUnwritable, {}});
      return false;
    }
    if (every_record) every_record(number, payload);
    if (progress && number % 100000 == 0)
      progress({MessageId::BuilderRecordsWritten, {std::to_string(number)}});
  }
  if (!records.Ok()) {
    error = UnreadableSortFile(records);
    return false;
  }
  if (options.records_done) options.records_done();
  return files.Finish(error);
}

bool WriteGatheredLists(GatheredLists& gathered, const RegisterWriteOptions& options,
                        const Progress& progress, SourceError& error) {
  const int register_number = gathered.register_number;
  if (!WriteDateOrder(register_number, *gathered.dates, options, error)) return false;
  if (progress) {
    const std::string& source = SchemaOf(register_number).source_file;
    progress({MessageId::BuilderWritingLists, {source.substr(0, source.find('.'))}});
  }
  const bool written = WriteLists(register_number, *gathered.lists, options, error);
  if (options.count_runs)
    options.count_runs(gathered.dates->RunCount() + gathered.lists->RunCount());
  gathered.dates.reset();
  gathered.lists.reset();
  return written;
}

void ForEachFieldValue(const FieldNames& names, std::span<const std::string_view> values,
                       const std::function<void(std::string_view)>& take) {
  for (size_t f = 0; f < values.size(); ++f) {
    const std::string_view value = values[f];
    if (value.empty()) continue;
    if (names.IsLongText(f)) {
      for (std::string_view line : SplitLines(value))
        take(line);
    } else {
      take(value);
    }
  }
}

}  // namespace vx
