// FreeSearchMarks: sets in a selection the records of the entries a
// free-search matched. An entry with b = 0 holds its one record itself;
// another names b records at offset a of the postings file.
//
// A search that reads its entries on several threads sets records on them
// too, each thread with marks and a selection of its own, joined when all
// have ended. Messages are therefore held back: Report gives them to the
// message sink on the searching thread, and the threads' in their order
// give what one thread would have given.
#ifndef VX_ENGINE_LISTS_FREE_SEARCH_MARKS_H_
#define VX_ENGINE_LISTS_FREE_SEARCH_MARKS_H_

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "engine/files/windowed_file_reader.h"
#include "engine/lists/free_search_block_index.h"
#include "engine/lists/free_search_stretches.h"
#include "engine/lists/selection.h"
#include "engine/util/status.h"

namespace vx {

// Where a list's postings are read from.
struct FreeSearchPostings {
  bool open = false;
  std::span<const uint8_t> mapped;       // the whole file, when it is mapped
  WindowedFileReader* reader = nullptr;  // when it is open but not mapped
  std::string name;                      // the postings file's, for messages
  std::string entry_file;                // the entry file's, for messages

  // Whether marks on several threads at once may read them (the reader
  // has one position and one buffer).
  bool SharedSafely() const { return reader == nullptr; }
};

class FreeSearchMarks {
 public:
  FreeSearchMarks(Tvxsmalurval& selection, const FreeSearchPostings& postings)
      : selection_(selection), postings_(postings) {}

  // Sets the records of entries `marked` of `block`.
  void Apply(const FreeSearchBlockIndex& index, std::span<const uint8_t> block,
             std::span<const uint32_t> marked);

  bool matched() const { return matched_; }
  // Whether marked entries have postings but the postings file is not open.
  bool postings_missing() const { return postings_missing_; }

  // Gives the messages held back to the message sink. A search passes on
  // only its first message and counts the others, so the first is kept
  // whole and the others are counted, and given again as often.
  void Report() const;

 private:
  void Hold(Status status);
  Status Load(const FreeSearchEntry& entry);

  Tvxsmalurval& selection_;
  const FreeSearchPostings& postings_;
  bool matched_ = false;
  bool postings_missing_ = false;
  Status first_message_;
  int64_t more_messages_ = 0;
};

// The marks of a search's shares (free_search_stretches.h): share 0 sets
// the search's own selection, each other share a selection of its own,
// made when it first matches; Join, once the threads have ended, adds
// them to the search's.
class FreeSearchShareMarks final : public FreeSearchMatchSink {
 public:
  FreeSearchShareMarks(Tvxsmalurval& selection, const FreeSearchPostings& postings, size_t shares);

  void Matched(size_t share, const FreeSearchStretch& stretch,
               const FreeSearchBlockIndex& index) override;
  // Adds the other shares' records to the search's selection and reports
  // the messages held back, share by share.
  void Join();

  bool matched() const { return matched_; }
  bool postings_missing() const { return postings_missing_; }

 private:
  struct Share {
    std::unique_ptr<Tvxsmalurval> selection;  // null for share 0
    std::optional<FreeSearchMarks> marks;
  };

  Tvxsmalurval& selection_;
  const FreeSearchPostings& postings_;
  std::vector<Share> shares_;
  bool matched_ = false;
  bool postings_missing_ = false;
};

}  // namespace vx

#endif  // VX_ENGINE_LISTS_FREE_SEARCH_MARKS_H_
