#include "sample/sample_source.h"

#include <memory>
#include <system_error>
#include <vector>

#include "builder/output_file.h"
#include "builder/system_error_text.h"
#include "export/csv_writer.h"
#include "records/register_labels.h"
#include "sample/life_links.h"
#include "sample/sample_data.h"
#include "sample/sample_lives.h"
#include "sample/sample_record_maker.h"
#include "sample/sample_vocabulary.h"

namespace vx {
namespace {

constexpr char kDelimiter = ';';

bool CreateFolder(const std::filesystem::path& folder, std::string& error) {
  std::error_code code;
  std::filesystem::create_directories(folder, code);
  if (!code && std::filesystem::is_directory(folder, code)) return true;
  error = "Kan inte skapa mappen " + folder.string() + ": " +
          (code ? SwedishErrorText(code.value()) : "det finns en fil med det namnet");
  return false;
}

bool WriteTextFile(const std::filesystem::path& path, std::string_view content,
                   std::string& error) {
  OutputFile file;
  if (!file.Create(path, error)) return false;
  file.Buffer() = content;
  return file.Close(error);
}

bool WriteTexts(const std::filesystem::path& directory, const SampleData& data,
                std::string& error) {
  if (!WriteTextFile(directory / "register.txt", data.register_text, error)) return false;
  if (!CreateFolder(directory / "hjalp", error)) return false;
  if (!CreateFolder(directory / "hjalp/en", error)) return false;
  for (const EmbeddedFile& file : data.help_files) {
    if (!WriteTextFile(directory / std::string(file.name), file.content, error)) return false;
  }
  return true;
}

std::vector<std::string> HeaderRow(int register_number) {
  std::vector<std::string> names;
  for (const std::string& label : RegisterLabels(register_number)) {
    names.emplace_back(FieldName(label));
  }
  return names;
}

struct Table {
  int register_number;
  const char* file_name;
  int64_t count;
  std::unique_ptr<SampleRecordMaker> (*make)(const SampleVocabulary&, uint64_t);
};

// The three registers' files and the truth beside them, written parish by
// parish as the lives are lived.
class SourceWriter {
 public:
  SourceWriter(const SampleVocabulary& vocabulary, const SampleSourceOptions& options)
      : vocabulary_(vocabulary), options_(options) {}

  bool Open(const std::filesystem::path& directory, const Table (&tables)[3], std::string& error) {
    for (int r = 0; r < 3; ++r) {
      if (options_.progress) {
        options_.progress("Skriver " + std::string(tables[r].file_name) + ": " +
                          std::to_string(tables[r].count) + " poster");
      }
      if (!files_[r].Create(directory / tables[r].file_name, error)) return false;
      AppendCsvRow(HeaderRow(tables[r].register_number), kDelimiter, files_[r].Buffer());
      makers_[r] = tables[r].make(vocabulary_, options_.seed);
    }
    if (!links_.Create(directory / "samband.tsv", error)) return false;
    links_.Buffer() = kLifeLinksHeader;
    return true;
  }

  void Write(const ParishLives& lives) {
    const size_t counts[3] = {lives.births.size(), lives.marriages.size(), lives.deaths.size()};
    int64_t first[3];
    for (int r = 0; r < 3; ++r) {
      first[r] = makers_[r]->number() + 1;
      for (size_t i = 0; i < counts[r]; ++i) {
        makers_[r]->Next(lives, i, fields_);
        AppendCsvRow(fields_, kDelimiter, files_[r].Buffer());
        files_[r].Drain();
      }
    }
    AppendLifeLinks(lives, first, links_.Buffer());
    links_.Drain();
  }

  bool Close(std::string& error) {
    for (OutputFile& file : files_) {
      if (!file.Close(error)) return false;
    }
    return links_.Close(error);
  }

 private:
  const SampleVocabulary& vocabulary_;
  const SampleSourceOptions& options_;
  OutputFile files_[3];
  OutputFile links_;
  std::unique_ptr<SampleRecordMaker> makers_[3];
  std::vector<std::string> fields_;
};

}  // namespace

bool WriteSampleSource(const std::filesystem::path& directory, const SampleSourceOptions& options,
                       std::string& error) {
  const SampleData& data = SampleLists();
  if (!CreateFolder(directory, error) || !WriteTexts(directory, data, error)) return false;
  const SampleVocabulary vocabulary(data);
  const Table tables[3] = {
      {kBirths, "fodda.csv", options.births, &MakeBirthRecordMaker},
      {kMarriages, "vigda.csv", options.marriages, &MakeMarriageRecordMaker},
      {kDeaths, "doda.csv", options.deaths, &MakeDeathRecordMaker},
  };
  SourceWriter writer(vocabulary, options);
  if (!writer.Open(directory, tables, error)) return false;
  LifeSimulation lives_of(vocabulary, options.births, options.marriages, options.deaths,
                          options.seed);
  ParishLives lives;
  for (size_t parish = 0; parish < lives_of.ParishCount(); ++parish) {
    lives_of.Live(parish, lives);
    writer.Write(lives);
  }
  return writer.Close(error);
}

}  // namespace vx
