// Writing the word lists and free-search lists that a PostingCollector
// gathered: each list file is opened with its row count, takes its rows in
// order and is finished; lists without rows are written empty.
#ifndef VX_BUILDER_LIST_FILES_H_
#define VX_BUILDER_LIST_FILES_H_

#include <cstddef>
#include <filesystem>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "builder/posting_collector.h"
#include "builder/source_error.h"
#include "catalogue/catalogue_declaration.h"

namespace vx {

class ListFile {
 public:
  virtual ~ListFile() = default;
  // Whether Open must be given the list's row count.
  virtual bool NeedsRowCount() const = 0;
  virtual bool Open(size_t rows, SourceError& error) = 0;
  virtual bool Add(std::string_view text, std::span<const uint32_t> records,
                   SourceError& error) = 0;
  virtual bool Finish(SourceError& error) = 0;
  virtual const std::string& FileName() const = 0;
};

// A search word list of a register set (a catalogue component) in `dir`
// (ending in a separator) for set number `regnr`.
std::unique_ptr<ListFile> WordListFile(const ComponentDecl& decl, const std::string& dir,
                                       const std::string& regnr);
// What writing a free-search list's trigram filter may use: memory for the
// trigrams it gathers, and a folder for the temporary files they go to
// beyond it.
struct FilterWork {
  size_t budget = 0;
  std::filesystem::path temp_dir;
};

// A free-search list of a register set, with its trigram filter.
std::unique_ptr<ListFile> FreeSearchFile(const ComponentDecl& decl, const std::string& dir,
                                         const std::string& regnr, const FilterWork& work);

// Writes list i of `rows` into `files[i]`, for every file. False with
// `error` set.
bool WriteCollectedLists(PostingCollector& rows, std::span<const std::unique_ptr<ListFile>> files,
                         SourceError& error);

}  // namespace vx

#endif  // VX_BUILDER_LIST_FILES_H_
