#include "builder/register_set_builder.h"

#include <stdlib.h>

#include <algorithm>
#include <exception>
#include <functional>
#include <memory>
#include <mutex>
#include <set>
#include <thread>

#include "builder/all_fields_list.h"
#include "builder/background_lists.h"
#include "builder/list_files.h"
#include "builder/norm_rows.h"
#include "builder/person_sort.h"
#include "builder/register_schema.h"
#include "builder/register_writer.h"
#include "builder/set_files.h"
#include "builder/set_pictures.h"
#include "builder/text_sources.h"
#include "engine/lists/struct_list.h"
#include "engine/sort/spill_sorter.h"
#include "engine/store/record_store_writer.h"
#include "language/message_id.h"

namespace vx {
namespace {

namespace fs = std::filesystem;

// A folder beside the data folder that is removed with everything in it
// when the object goes.
class WorkFolder {
 public:
  // `kind` names the folder's use in its name (".DATA.kind-XXXXXX").
  bool Create(const fs::path& data_dir, const std::string& kind) {
    const fs::path parent = data_dir.parent_path().empty() ? fs::path(".") : data_dir.parent_path();
    std::error_code ec;
    fs::create_directories(parent, ec);
    std::string pattern =
        (parent / ('.' + data_dir.filename().string() + '.' + kind + "-XXXXXX")).string();
    if (mkdtemp(pattern.data()) == nullptr) return false;
    path_ = pattern;
    return true;
  }
  ~WorkFolder() {
    std::error_code ec;
    if (!path_.empty()) fs::remove_all(path_, ec);
  }
  const fs::path& path() const { return path_; }
  std::string Dir() const { return path_.string() + "/"; }

 private:
  fs::path path_;
};

// The texts of `component`; an error names a text as `folder` + CODE.txt.
bool WriteTextStore(std::string_view component, const std::vector<TextRecord>& texts,
                    std::string_view folder, const std::string& dir, const std::string& regnr,
                    SourceError& error) {
  const RegtextProperties properties = StorePropertiesFor(*FindComponent(component), dir, regnr);
  RecordStoreWriter writer(properties);
  if (writer.Create() != RecordStoreWriter::Status::kOk) {
    error = WriteError(properties.RecordFileName(), Message{MessageId::BuilderCannotCreate, {}});
    return false;
  }
  for (const TextRecord& text : texts) {
    const FieldValue fields[3] = {{text.code, 0}, {text.heading, 0}, {text.text, 0}};
    if (writer.Append(fields) != RecordStoreWriter::Status::kOk) {
      error = SaidError(std::string(folder) + text.code + ".txt", 0,
                        {MessageId::BuilderTextTooLong, {}});
      return false;
    }
  }
  if (writer.Finish() != RecordStoreWriter::Status::kOk) {
    error = WriteError(properties.RecordFileName(), Message{MessageId::BuilderCannotWrite, {}});
    return false;
  }
  return true;
}

bool WriteNormList(const std::vector<std::string>& rows, const std::string& dir,
                   const std::string& regnr, SourceError& error) {
  TVXstruktlista list;
  list.properties() =
      ListPropertiesFor(*FindComponent(kNormalisationList), dir, regnr, rows.size());
  const std::string file = list.properties().RowFileName();
  if (!list.CreateNew()) {
    error = WriteError(file, Message{MessageId::BuilderCannotCreate, {}});
    return false;
  }
  for (size_t k = 0; k < rows.size(); ++k) {
    if (!list.AppendRow(rows[k], static_cast<uint32_t>(k + 1))) {
      error = WriteError(file, Message{MessageId::BuilderCannotWrite, {}});
      return false;
    }
  }
  list.Close();
  return true;
}

// Moves every file of `from` into `to` and removes the set's files in `to`
// that were not moved.
bool MoveIntoPlace(const fs::path& from, const fs::path& to, const std::string& regnr,
                   size_t& moved, SourceError& error) {
  std::error_code ec;
  fs::create_directories(to, ec);
  if (!fs::is_directory(to, ec)) {
    error = WriteError(to.string(), Message{MessageId::BuilderCannotCreateFolder, {}});
    return false;
  }
  std::set<std::string> written;
  for (const auto& entry : fs::directory_iterator(from, ec))
    written.insert(entry.path().filename());
  for (const std::string& name : written) {
    fs::rename(from / name, to / name, ec);
    if (ec) {
      error =
          WriteError((to / name).string(), Message{MessageId::BuilderCannotMove, {ec.message()}});
      return false;
    }
    ++moved;
  }
  for (const std::string& name : SetFileNames(regnr)) {
    if (!written.contains(name)) fs::remove(to / name, ec);
  }
  return true;
}

// How the memory budget is shared. The records of a register are sorted
// first; while they are read back in order, the register's lists and date
// order are gathered beside them, and the list of all fields all along.
// A register's lists and date order are written while the next register's
// are gathered, so each of the two takes half their share. Records on
// their way to the record store and to the list of all fields wait in two
// queues. What is left covers the files being written and the source
// being read.
struct MemoryShares {
  explicit MemoryShares(size_t budget)
      : records(budget / 100 * 35),
        lists(budget / 100 * 25 / 2),
        dates(budget / 100 * 5 / 2),
        all_fields(budget / 100 * 20),
        queue(std::min<size_t>(budget / 100, 8 << 20)) {}
  size_t records, lists, dates, all_fields, queue;
};

// Pass one: every source read, checked and sorted into person order.
struct RegisterPass {
  explicit RegisterPass(int register_number) : reader(register_number) {}
  SourceRecordReader reader;
  std::unique_ptr<SpillSorter> records;
};

std::string RegisterName(int register_number) {
  const std::string& file = SchemaOf(register_number).source_file;
  return file.substr(0, file.find('.'));
}

// Reads register `r`'s source into a new pass whose sorter holds up to
// `budget` bytes; the sorter is finished, in memory only when `keep`.
bool ReadRegister(int r, const BuildOptions& options, size_t budget, const fs::path& sort_dir,
                  bool keep, const Progress& progress, std::unique_ptr<RegisterPass>& pass,
                  NormRows& norm_rows, SourceError& error) {
  pass = std::make_unique<RegisterPass>(r);
  pass->records = std::make_unique<SpillSorter>(budget, sort_dir);
  const std::string& name = SchemaOf(r).source_file;
  progress({MessageId::BuilderReading, {name}});
  auto read_progress = [&](size_t n) {
    progress({MessageId::BuilderRecordsRead, {std::to_string(n)}});
  };
  if (!SortByPerson(options.source_dir / name, pass->reader, norm_rows, *pass->records,
                    read_progress, error)) {
    return false;
  }
  if (!pass->records->Finish(keep)) {
    error = SaidError(sort_dir.string(), 0, {MessageId::BuilderSortFileUnwritable, {}});
    return false;
  }
  return true;
}

// The present register with the largest source, read on a thread of its
// own beside the others; 0 when everything is read on the calling thread.
int ReadAlone(const BuildOptions& options, const int present[4]) {
  if (options.threads < 2 || present[1] + present[2] + present[3] < 2) return 0;
  int largest = 0;
  uintmax_t largest_size = 0;
  for (int r = 1; r <= 3; ++r) {
    if (!present[r]) continue;
    std::error_code ec;
    const uintmax_t size = fs::file_size(options.source_dir / SchemaOf(r).source_file, ec);
    if (!ec && (largest == 0 || size > largest_size)) {
      largest = r;
      largest_size = size;
    }
  }
  return largest;
}

// Reads every present source into `passes`. Only the last register's
// records may stay in memory: the others wait on disc while it is read.
// With two threads, the largest source is read beside the others and the
// two share the records' budget. The error reported is that of the first
// register (in number order) that fails, as when read one after another.
bool ReadSources(const BuildOptions& options, const int present[4], int last, size_t budget,
                 const fs::path& sort_dir, const Progress& progress,
                 std::unique_ptr<RegisterPass> passes[4], NormRows& norm_rows, SourceError& error) {
  const int alone = ReadAlone(options, present);
  const size_t share = alone != 0 ? budget / 2 : budget;
  NormRows alone_norms;
  SourceError alone_error;
  bool alone_ok = true;
  std::exception_ptr alone_exception;
  std::thread alone_thread;
  if (alone != 0) {
    alone_thread = std::thread([&] {
      try {
        alone_ok = ReadRegister(alone, options, share, sort_dir, alone == last, progress,
                                passes[alone], alone_norms, alone_error);
      } catch (...) {
        alone_exception = std::current_exception();
      }
    });
  }
  // The thread is joined however the calling thread's reading ends.
  struct Joiner {
    std::thread& thread;
    ~Joiner() {
      if (thread.joinable()) thread.join();
    }
  } joiner{alone_thread};
  int failed = 0;
  for (int r = 1; r <= 3 && failed == 0; ++r) {
    if (!present[r] || r == alone) continue;
    if (!ReadRegister(r, options, share, sort_dir, r == last, progress, passes[r], norm_rows,
                      error)) {
      failed = r;
    }
  }
  if (alone_thread.joinable()) alone_thread.join();
  if (alone_exception) std::rethrow_exception(alone_exception);
  if (!alone_ok && (failed == 0 || alone < failed)) {
    error = alone_error;
    return false;
  }
  norm_rows.Merge(alone_norms);
  return failed == 0;
}

}  // namespace

bool BuildRegisterSet(const BuildOptions& options, BuildSummary& summary, SourceError& error) {
  std::mutex progress_lock;
  auto progress = [&](const Message& line) {
    const std::lock_guard<std::mutex> hold(progress_lock);
    if (options.progress) options.progress(RenderUtf8(line, options.language));
  };
  const std::string regnr = RegisterSetNumber(options.register_set);
  const MemoryShares shares(options.memory_budget);
  const bool threaded = options.threads > 1;

  int present[4] = {0, 0, 0, 0};
  int last = 0;
  for (int r = 1; r <= 3; ++r) {
    std::error_code ec;
    if (fs::exists(options.source_dir / SchemaOf(r).source_file, ec)) present[last = r] = 1;
  }
  if (last == 0) {
    error = SaidError(options.source_dir.string(), 0, {MessageId::BuilderNoSourceFiles, {}});
    return false;
  }
  std::vector<TextRecord> help_texts, english_help_texts, own_texts;
  if (!ReadHelpTexts(options.source_dir / "hjalp", "hjalp/", help_texts, error)) return false;
  // The English help texts are written only for a set that has them.
  std::error_code english_ec;
  const bool has_english_help = fs::is_directory(options.source_dir / "hjalp/en", english_ec);
  if (!ReadHelpTexts(options.source_dir / "hjalp/en", "hjalp/en/", english_help_texts, error))
    return false;
  if (!ReadRegisterTexts(options.source_dir / "register.txt", regnr, own_texts, error))
    return false;
  std::vector<PictureRecord> set_pictures;
  if (!ReadSetPictures(options.source_dir / "bilder", regnr, set_pictures, error)) return false;

  NormRows norm_rows;
  WorkFolder work, sort_folder;
  if (!work.Create(options.data_dir, "bygg") ||
      !sort_folder.Create(options.data_dir, "sortering")) {
    error = WriteError(options.data_dir.string(), Message{MessageId::BuilderNoWorkFolder, {}});
    return false;
  }

  // Read and check every source before writing anything.
  std::unique_ptr<RegisterPass> passes[4];
  if (!ReadSources(options, present, last, shares.records, sort_folder.path(), progress, passes,
                   norm_rows, error)) {
    return false;
  }
  for (int r = 1; r <= 3; ++r) {
    if (!present[r]) continue;
    summary.records[r] = passes[r]->records->Count();
    summary.temporary_runs += passes[r]->records->RunCount();
  }

  std::mutex runs_lock;
  RegisterWriteOptions write;
  write.dir = work.Dir();
  write.regnr = regnr;
  write.temp_dir = sort_folder.path();
  write.list_budget = shares.lists;
  write.date_budget = shares.dates;
  write.queue_budget = shares.queue;
  write.own_threads = threaded;
  write.count_runs = [&](size_t runs) {
    const std::lock_guard<std::mutex> hold(runs_lock);
    summary.temporary_runs += runs;
  };
  // The list of all fields needs every register and no codec: it is built
  // on a thread of its own while the registers are written.
  AllFieldsList all_fields(shares.all_fields, shares.queue);
  all_fields.Start(write, progress, threaded);
  // A register's lists are written while the next register's records are.
  BackgroundLists lists;
  uint32_t first_number = 1;
  for (int r = 1; r <= 3; ++r) {
    if (!present[r]) continue;
    RegisterPass& pass = *passes[r];
    progress({MessageId::BuilderWritingRegister, {RegisterName(r)}});
    write.records_done = [&] {
      if (r == last) all_fields.Close();
    };
    const FieldNames& names = pass.reader.names();
    auto every_record = [&](uint32_t number, std::string_view payload) {
      all_fields.Add(names, first_number + number - 1, payload);
    };
    auto gathered = std::make_unique<GatheredLists>();
    if (!WriteRegisterRecords(pass.reader, *pass.records, write, every_record, progress, *gathered,
                              error) ||
        !lists.Join(error)) {
      return false;
    }
    lists.Start(std::move(gathered), write, progress, threaded);
    first_number += static_cast<uint32_t>(pass.records->Count());
    passes[r].reset();
  }
  if (!lists.Join(error) || !all_fields.Join(error)) return false;
  summary.temporary_runs += all_fields.RunCount();
  progress({MessageId::BuilderWritingNormList, {}});
  const std::string dir = work.Dir();
  if (!WriteNormList(norm_rows.SortedRowTexts(), dir, regnr, error)) return false;
  if (!WriteTextStore(kHelpTextStore, help_texts, "hjalp/", dir, regnr, error)) return false;
  if (has_english_help &&
      !WriteTextStore(kEnglishHelpTextStore, english_help_texts, "hjalp/en/", dir, regnr, error)) {
    return false;
  }
  if (!WriteTextStore(kOwnTextStore, own_texts, "hjalp/", dir, regnr, error)) return false;
  progress({MessageId::BuilderWritingPictures, {}});
  if (!WriteSetPictures(options.program_pictures, set_pictures, dir, regnr, error)) return false;

  progress({MessageId::BuilderMovingFiles, {options.data_dir.string()}});
  return MoveIntoPlace(work.path(), options.data_dir, regnr, summary.files, error);
}

}  // namespace vx
