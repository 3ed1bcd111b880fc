#include "sample/sample_source.h"

#include <memory>
#include <system_error>
#include <vector>

#include "builder/output_file.h"
#include "builder/system_error_text.h"
#include "export/csv_writer.h"
#include "records/register_labels.h"
#include "sample/sample_data.h"
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
  std::unique_ptr<SampleRecordMaker> (*make)(const SampleVocabulary&, int64_t, uint64_t);
};

bool WriteTable(const std::filesystem::path& directory, const Table& table,
                const SampleVocabulary& vocabulary, const SampleSourceOptions& options,
                std::string& error) {
  if (options.progress) {
    options.progress("Skriver " + std::string(table.file_name) + ": " +
                     std::to_string(table.count) + " poster");
  }
  OutputFile file;
  if (!file.Create(directory / table.file_name, error)) return false;
  AppendCsvRow(HeaderRow(table.register_number), kDelimiter, file.Buffer());
  const std::unique_ptr<SampleRecordMaker> maker =
      table.make(vocabulary, table.count, options.seed);
  std::vector<std::string> fields;
  for (int64_t i = 0; i < table.count; ++i) {
    maker->Next(fields);
    AppendCsvRow(fields, kDelimiter, file.Buffer());
    file.Drain();
  }
  return file.Close(error);
}

}  // namespace

bool WriteSampleSource(const std::filesystem::path& directory, const SampleSourceOptions& options,
                       std::string& error) {
  const SampleData& data = SampleLists();
  if (!CreateFolder(directory, error) || !WriteTexts(directory, data, error)) return false;
  const SampleVocabulary vocabulary(data);
  const Table tables[] = {
      {kBirths, "fodda.csv", options.births, &MakeBirthRecordMaker},
      {kMarriages, "vigda.csv", options.marriages, &MakeMarriageRecordMaker},
      {kDeaths, "doda.csv", options.deaths, &MakeDeathRecordMaker},
  };
  for (const Table& table : tables) {
    if (!WriteTable(directory, table, vocabulary, options, error)) return false;
  }
  return true;
}

}  // namespace vx
