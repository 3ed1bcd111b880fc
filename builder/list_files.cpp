#include "builder/list_files.h"

#include <algorithm>
#include <filesystem>
#include <optional>

#include "builder/filter_trigrams.h"
#include "builder/set_files.h"
#include "engine/lists/free_search_block_index.h"
#include "engine/lists/free_search_filter_writer.h"
#include "engine/lists/free_search_list_writer.h"
#include "engine/lists/word_list_writer.h"
#include "engine/util/cp1252.h"
#include "language/message_id.h"

namespace vx {
namespace {

class WordList : public ListFile {
 public:
  WordList(const ComponentDecl& decl, std::string dir, std::string regnr)
      : decl_(decl),
        dir_(std::move(dir)),
        regnr_(std::move(regnr)),
        file_(RenameForSet(decl.file_template, regnr_) + ".i") {}

  // The capacity in the row file's header.
  bool NeedsRowCount() const override { return true; }
  bool Open(size_t rows, SourceError& error) override {
    writer_ = std::make_unique<WordListWriter>(ListPropertiesFor(decl_, dir_, regnr_, rows));
    if (writer_->Create() == WordListWriter::Status::kOk) return true;
    error = WriteError(file_, Message{MessageId::BuilderCannotCreate, {}});
    return false;
  }
  bool Add(std::string_view text, std::span<const uint32_t> records, SourceError& error) override {
    if (writer_->Append(text, records) == WordListWriter::Status::kOk) return true;
    error = WriteError(file_, Message{MessageId::BuilderWordRowUnwritable, {Cp1252ToUtf8(text)}});
    return false;
  }
  bool Finish(SourceError& error) override {
    if (writer_->Finish() == WordListWriter::Status::kOk) return true;
    error = WriteError(file_, Message{MessageId::BuilderCannotWrite, {}});
    return false;
  }
  const std::string& FileName() const override { return file_; }

 private:
  const ComponentDecl& decl_;
  std::string dir_, regnr_, file_;
  std::unique_ptr<WordListWriter> writer_;
};

// The list's entry and postings files, and its trigram filter beside them:
// each entry's trigrams are gathered as the entry is placed, and the
// filter is written once the list is.
class FreeSearch : public ListFile {
 public:
  FreeSearch(const ComponentDecl& decl, const std::string& dir, const std::string& regnr,
             FilterWork work)
      : properties_(FreeSearchPropertiesFor(decl, dir, regnr)),
        file_(properties_.EntryFileName()),
        filter_file_(properties_.FilterFileName()),
        work_(std::move(work)),
        writer_(properties_),
        filter_(properties_.b1filkat + filter_file_) {}

  bool NeedsRowCount() const override { return false; }
  bool Open(size_t, SourceError& error) override {
    if (writer_.Create() != FreeSearchListWriter::Status::kOk) {
      error = WriteError(file_, Message{MessageId::BuilderCannotCreate, {}});
      return false;
    }
    if (filter_.Create() != FreeSearchFilterWriter::Status::kOk) {
      error = WriteError(filter_file_, Message{MessageId::BuilderCannotCreate, {}});
      return false;
    }
    trigrams_.emplace(work_.budget, work_.temp_dir);
    return true;
  }
  bool Add(std::string_view text, std::span<const uint32_t> records, SourceError& error) override {
    if (writer_.Add(text, records) != FreeSearchListWriter::Status::kOk) {
      error = WriteError(file_, Message{MessageId::BuilderRowUnwritable, {Cp1252ToUtf8(text)}});
      return false;
    }
    const uint32_t block =
        filter_.AddEntry(writer_.BlockCount(), text.size() + FreeSearchEntry::kTrailerSize);
    if (trigrams_->Add(block, text)) return true;
    error = TemporaryFileError();
    return false;
  }
  bool Finish(SourceError& error) override {
    if (writer_.Finish() != FreeSearchListWriter::Status::kOk) {
      error = WriteError(file_, Message{MessageId::BuilderCannotWrite, {}});
      return false;
    }
    return FinishFilter(error);
  }
  const std::string& FileName() const override { return file_; }

 private:
  bool FinishFilter(SourceError& error) {
    if (!trigrams_->Finish()) {
      error = TemporaryFileError();
      return false;
    }
    bool written = trigrams_->ForEach([&](uint32_t code, std::span<const uint32_t> blocks) {
      return filter_.AddTrigram(code, blocks) == FreeSearchFilterWriter::Status::kOk;
    });
    trigrams_.reset();
    std::error_code ec;
    const uint64_t entry_file_size = std::filesystem::file_size(properties_.b1filkat + file_, ec);
    written = filter_.Finish(entry_file_size, writer_.BlockCount()) ==
                  FreeSearchFilterWriter::Status::kOk &&
              written && !ec;
    if (!written) error = WriteError(filter_file_, Message{MessageId::BuilderCannotWrite, {}});
    return written;
  }

  SourceError TemporaryFileError() const {
    return SaidError(work_.temp_dir.string(), 0, {MessageId::BuilderSortFileUnwritable, {}});
  }

  FreeSearchListProperties properties_;
  std::string file_, filter_file_;
  FilterWork work_;
  FreeSearchListWriter writer_;
  FreeSearchFilterWriter filter_;
  std::optional<FilterTrigrams> trigrams_;
};

}  // namespace

std::unique_ptr<ListFile> WordListFile(const ComponentDecl& decl, const std::string& dir,
                                       const std::string& regnr) {
  return std::make_unique<WordList>(decl, dir, regnr);
}

std::unique_ptr<ListFile> FreeSearchFile(const ComponentDecl& decl, const std::string& dir,
                                         const std::string& regnr, const FilterWork& work) {
  return std::make_unique<FreeSearch>(decl, dir, regnr, work);
}

bool WriteCollectedLists(PostingCollector& rows, std::span<const std::unique_ptr<ListFile>> files,
                         SourceError& error) {
  if (files.empty()) return true;
  const bool needs_counts = std::any_of(files.begin(), files.end(),
                                        [](const auto& file) { return file->NeedsRowCount(); });
  if (needs_counts && !rows.CountRows()) {
    error =
        WriteError(files[0]->FileName(), Message{MessageId::BuilderSortFileUnreadableForList, {}});
    return false;
  }
  size_t current = 0;
  if (!files[0]->Open(rows.RowCount(0), error)) return false;
  // Finishes the current file and opens the ones after it up to `list`.
  auto move_to = [&](size_t list) {
    while (current < list) {
      if (!files[current]->Finish(error)) return false;
      ++current;
      if (!files[current]->Open(rows.RowCount(static_cast<uint8_t>(current)), error)) return false;
    }
    return true;
  };
  error = {};
  const bool written = rows.ForEachRow(
      [&](uint8_t list, std::string_view text, const std::vector<uint32_t>& records) {
        return list < files.size() && move_to(list) && files[list]->Add(text, records, error);
      });
  if (!written) {
    if (error.message.empty()) {
      error = WriteError(files[current]->FileName(),
                         Message{MessageId::BuilderSortFileUnreadableForList, {}});
    }
    return false;
  }
  return move_to(files.size() - 1) && files.back()->Finish(error);
}

}  // namespace vx
