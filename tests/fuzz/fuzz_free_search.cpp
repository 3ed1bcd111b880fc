// Opens arbitrary bytes as a free-search list with its trigram filter and
// searches it.
//
// Input: three files (fuzz_work_dir.h): the postings file ("f2"), the
// filter file ("ft") and the entry file ("f1"). Flags: bit 0 reads the
// entry file a block at a time instead of mapping it, bits 1-3 choose
// urvalbufsiz, bit 4 leaves the filter file out. The list is searched for a
// few terms in every mode, through the filter and without it.
//
// With --write-seeds=DIR the target writes a few well-formed lists in this
// input format to DIR and exits.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "engine/lists/free_search_block_index.h"
#include "engine/lists/free_search_filter_format.h"
#include "engine/lists/free_search_filter_writer.h"
#include "engine/lists/free_search_list.h"
#include "engine/lists/free_search_list_writer.h"
#include "engine/text/collation.h"
#include "engine/util/message_sink.h"
#include "tests/fuzz/fuzz_work_dir.h"

namespace {

namespace fs = std::filesystem;
using vx::fuzz::WorkDirectory;

constexpr char kDirectoryPrefix[] = "vx-fuzz-free-search-";
constexpr vx::fuzz::FileNames kFiles = {"vaxor0001s404.f2", "vaxor0001s404.ft", "vaxor0001s404.f1"};

constexpr int32_t kBufferSizes[8] = {0, 9, 16, 40, 100, 1000, 32000, 1000000};

vx::FreeSearchListProperties Properties(const fs::path& dir, int32_t urvalbufsiz) {
  vx::FreeSearchListProperties p;
  p.b1filkat = p.b2filkat = dir.string() + "/";
  p.b1filnamn = p.b2filnamn = "vaxor0001s404";
  p.urvalbufsiz = urvalbufsiz;
  return p;
}

// A list of `n` entries and its filter of runs of about 40 bytes, packed
// into the input format.
std::vector<uint8_t> MakeSeed(uint8_t flags, int n) {
  const fs::path dir = vx::fuzz::SeedDirectory(kDirectoryPrefix);
  {
    const vx::FreeSearchListProperties properties = Properties(dir, kBufferSizes[(flags >> 1) & 7]);
    vx::FreeSearchListWriter writer(properties);
    vx::FreeSearchFilterWriter filter((dir / "vaxor0001s404.ft").string(), 40);
    if (writer.Create() != vx::FreeSearchListWriter::Status::kOk ||
        filter.Create() != vx::FreeSearchFilterWriter::Status::kOk)
      std::exit(1);
    std::map<uint32_t, std::vector<uint32_t>> blocks_of;
    for (uint32_t i = 1; i <= static_cast<uint32_t>(n); ++i) {
      const std::string text = (i % 2 ? "Anders " : "\xC5sa ") + std::to_string(i);
      const std::vector<uint32_t> records =
          i % 3 ? std::vector<uint32_t>{i} : std::vector<uint32_t>{i, i + 7, i + 300};
      if (writer.Add(text, records) != vx::FreeSearchListWriter::Status::kOk) std::exit(1);
      const uint32_t block =
          filter.AddEntry(writer.BlockCount(), text.size() + vx::FreeSearchEntry::kTrailerSize);
      const std::string folded = vx::MapText(text, vx::FoldTable());
      for (size_t k = 0; k + 3 <= folded.size(); ++k) {
        std::vector<uint32_t>& blocks =
            blocks_of[vx::TrigramCode(reinterpret_cast<const uint8_t*>(&folded[k]))];
        if (blocks.empty() || blocks.back() != block) blocks.push_back(block);
      }
    }
    if (writer.Finish() != vx::FreeSearchListWriter::Status::kOk) std::exit(1);
    for (const auto& [code, blocks] : blocks_of)
      if (filter.AddTrigram(code, blocks) != vx::FreeSearchFilterWriter::Status::kOk) std::exit(1);
    if (filter.Finish(fs::file_size(dir / "vaxor0001s404.f1"), writer.BlockCount()) !=
        vx::FreeSearchFilterWriter::Status::kOk)
      std::exit(1);
  }
  return vx::fuzz::PackFiles(flags, dir, kFiles);
}

void WriteSeeds(const fs::path& out) {
  const uint8_t flags[] = {3 << 1, 1 | (4 << 1), 6 << 1, 1 | (5 << 1)};
  const int counts[] = {6, 12, 30, 0};
  for (size_t i = 0; i < sizeof flags; ++i)
    vx::fuzz::WriteFile(out / ("list-" + std::to_string(i + 1)), MakeSeed(flags[i], counts[i]));
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  vx::fuzz::WriteSeedsIfAsked(*argc, *argv, WriteSeeds);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const fs::path& dir = WorkDirectory(kDirectoryPrefix);
  if (!vx::fuzz::UnpackFiles({data, size}, dir, kFiles)) return 0;
  const uint8_t flags = data[0];
  if ((flags & 0x10) != 0) fs::remove(dir / kFiles[1]);

  vx::ScopedMessageSink quiet([](const std::string&) {});
  vx::TVXfrisoeklista list;
  list.properties() = Properties(dir, kBufferSizes[(flags >> 1) & 7]);
  list.set_mapping((flags & 1) == 0);
  if (!list.Open()) return 0;
  vx::Tvxsmalurval selection;
  selection.Resize(400);
  for (const char* text :
       {"", ";;", "a", "ANDERS 1", "\xE5sa;x", " ; ", "NDE", "anders;\xC5SA 1", "SSSS"})
    for (const vx::FreeSearchMode mode :
         {vx::FreeSearchMode::kEqual, vx::FreeSearchMode::kBeginsWith,
          vx::FreeSearchMode::kContains})
      for (const bool through_filter : {true, false}) {
        list.set_filter_wanted(through_filter);
        const int32_t hits = list.Search(text, mode, selection);
        if (hits != selection.Count() || hits < 0) std::abort();
      }
  return 0;
}
