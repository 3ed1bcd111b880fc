#include "builder/register_set_builder.h"

#include <stdlib.h>

#include <algorithm>
#include <exception>
#include <memory>
#include <mutex>
#include <set>
#include <thread>

#include "builder/norm_rows.h"
#include "builder/register_schema.h"
#include "builder/register_writer.h"
#include "builder/set_files.h"
#include "builder/set_pictures.h"
#include "builder/text_sources.h"
#include "engine/lists/struct_list.h"
#include "engine/store/record_store_writer.h"

namespace vx {
namespace {

namespace fs = std::filesystem;

// A folder beside the data folder that is removed unless kept.
class WorkFolder {
 public:
  bool Create(const fs::path& data_dir) {
    const fs::path parent = data_dir.parent_path().empty() ? fs::path(".") : data_dir.parent_path();
    std::error_code ec;
    fs::create_directories(parent, ec);
    std::string pattern = (parent / ('.' + data_dir.filename().string() + ".bygg-XXXXXX")).string();
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

bool WriteTextStore(std::string_view component, const std::vector<TextRecord>& texts,
                    const std::string& dir, const std::string& regnr, SourceError& error) {
  const RegtextProperties properties = StorePropertiesFor(*FindComponent(component), dir, regnr);
  RecordStoreWriter writer(properties);
  if (writer.Create() != RecordStoreWriter::Status::kOk) {
    error = WriteError(properties.RecordFileName(), "kan inte skapas");
    return false;
  }
  for (const TextRecord& text : texts) {
    const FieldValue fields[3] = {{text.code, 0}, {text.heading, 0}, {text.text, 0}};
    if (writer.Append(fields) != RecordStoreWriter::Status::kOk) {
      error = {"hjalp/" + text.code + ".txt", 0, "texten är för lång eller innehåller en nollbyte"};
      return false;
    }
  }
  if (writer.Finish() != RecordStoreWriter::Status::kOk) {
    error = WriteError(properties.RecordFileName(), "kan inte skrivas");
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
    error = WriteError(file, "kan inte skapas");
    return false;
  }
  for (size_t k = 0; k < rows.size(); ++k) {
    if (!list.AppendRow(rows[k], static_cast<uint32_t>(k + 1))) {
      error = WriteError(file, "kan inte skrivas");
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
    error = WriteError(to.string(), "kan inte skapas som mapp");
    return false;
  }
  std::set<std::string> written;
  for (const auto& entry : fs::directory_iterator(from, ec))
    written.insert(entry.path().filename());
  for (const std::string& name : written) {
    fs::rename(from / name, to / name, ec);
    if (ec) {
      error = WriteError((to / name).string(), "kan inte flyttas på plats: " + ec.message());
      return false;
    }
    ++moved;
  }
  for (const std::string& name : SetFileNames(regnr)) {
    if (!written.contains(name)) fs::remove(to / name, ec);
  }
  return true;
}

}  // namespace

bool BuildRegisterSet(const BuildOptions& options, BuildSummary& summary, SourceError& error) {
  std::mutex progress_lock;
  auto progress = [&](const std::string& line) {
    const std::lock_guard<std::mutex> hold(progress_lock);
    if (options.progress) options.progress(line);
  };
  const std::string regnr = RegisterSetNumber(options.register_set);

  // Read and check every source before writing anything.
  std::unique_ptr<RegisterSource> sources[4];
  for (int r = 1; r <= 3; ++r) {
    const fs::path file = options.source_dir / SchemaOf(r).source_file;
    std::error_code ec;
    if (!fs::exists(file, ec)) continue;
    sources[r] = std::make_unique<RegisterSource>();
    const std::string name = SchemaOf(r).source_file;
    progress("Läser " + name);
    auto read_progress = [&](size_t n) { progress("  " + std::to_string(n) + " poster"); };
    if (!sources[r]->Load(file, r, error, read_progress)) return false;
    summary.records[r] = sources[r]->Count();
  }
  if (!sources[1] && !sources[2] && !sources[3]) {
    error = {options.source_dir.string(), 0,
             "mappen har varken fodda.csv, vigda.csv eller doda.csv"};
    return false;
  }
  std::vector<TextRecord> help_texts, own_texts;
  if (!ReadHelpTexts(options.source_dir / "hjalp", help_texts, error)) return false;
  if (!ReadRegisterTexts(options.source_dir / "register.txt", regnr, own_texts, error))
    return false;
  std::vector<PictureRecord> set_pictures;
  if (!ReadSetPictures(options.source_dir / "bilder", regnr, set_pictures, error)) return false;
  NormRows norm_rows;
  for (int r = 1; r <= 3; ++r) {
    if (sources[r] && !norm_rows.AddRegister(*sources[r], error)) return false;
  }

  WorkFolder work;
  if (!work.Create(options.data_dir)) {
    error = WriteError(options.data_dir.string(), "ingen arbetsmapp kan skapas bredvid den");
    return false;
  }
  const std::string dir = work.Dir();
  PersonList persons[4];
  for (int r = 1; r <= 3; ++r) {
    if (sources[r]) persons[r] = MakePersonList(*sources[r]);
  }

  // The list of all fields needs every register and no codec: it is built
  // on a second thread while the registers are written. The thread joins
  // whichever way this function leaves (the jthread is destroyed before
  // everything it uses), and an exception on it is carried over here.
  SourceError all_fields_error;
  bool all_fields_ok = true;
  std::exception_ptr all_fields_failure;
  std::jthread all_fields_writer([&] {
    try {
      WordIndex all_fields(nullptr, FoldTable());
      uint32_t next_number = 1;
      for (int r = 1; r <= 3; ++r) {
        if (!sources[r]) continue;
        AddToAllFields(*sources[r], persons[r].order, next_number, all_fields);
        next_number += static_cast<uint32_t>(persons[r].order.size());
      }
      progress("Skriver fritextlistan över alla fält");
      all_fields_ok = WriteFreeSearchList(AllFieldsListName(), all_fields.TakeSortedRows(), dir,
                                          regnr, all_fields_error);
    } catch (...) {
      all_fields_failure = std::current_exception();
    }
  });
  bool registers_ok = true;
  for (int r = 1; r <= 3 && registers_ok; ++r) {
    if (!sources[r]) continue;
    progress("Skriver " + SchemaOf(r).source_file.substr(0, SchemaOf(r).source_file.find('.')));
    registers_ok = WriteRegister(*sources[r], persons[r], dir, regnr, progress, error);
  }
  all_fields_writer.join();
  if (all_fields_failure) std::rethrow_exception(all_fields_failure);
  if (!registers_ok) return false;
  if (!all_fields_ok) {
    error = all_fields_error;
    return false;
  }
  progress("Skriver normeringslistan och texterna");
  if (!WriteNormList(norm_rows.SortedRowTexts(), dir, regnr, error)) return false;
  if (!WriteTextStore(kHelpTextStore, help_texts, dir, regnr, error)) return false;
  if (!WriteTextStore(kOwnTextStore, own_texts, dir, regnr, error)) return false;
  progress("Skriver bilderna");
  if (!WriteSetPictures(options.program_pictures, set_pictures, dir, regnr, error)) return false;

  progress("Flyttar filerna till " + options.data_dir.string());
  return MoveIntoPlace(work.path(), options.data_dir, regnr, summary.files, error);
}

}  // namespace vx
