#include "engine/sort/sort_entry_runs.h"

#include <cassert>
#include <string>
#include <vector>

#include "engine/codec/compress.h"
#include "engine/codec/compress_errors.h"
#include "engine/sort/sort_entry.h"
#include "engine/util/byte_order.h"
#include "engine/util/stream.h"

namespace vx {
namespace {

constexpr size_t kLengthSize = 4;
constexpr uint32_t kMaxExpandedChunk = 4 + kChunkEntries * (2 + kMaxSortKeyText + 4);

void AppendU32(TMemoryStream& stream, uint32_t value) {
  uint8_t bytes[4];
  StoreU32(bytes, value);
  stream.Write(bytes, 4);
}

class ChunkWriter final : public RunWriter {
 public:
  explicit ChunkWriter(SpillFile& file) : file_(file) {}

  bool Add(std::string_view key, std::string_view payload) override {
    assert(payload.size() <= kMaxSortKeyText);
    if (entries_ == 0) AppendU32(expanded_, 0);
    uint8_t length[2];
    StoreU16(length, static_cast<uint16_t>(payload.size()));
    expanded_.Write(length, 2);
    if (!payload.empty()) expanded_.Write(payload.data(), payload.size());
    AppendU32(expanded_, ValueOfSortKey(key));
    return ++entries_ < kChunkEntries || WriteChunk();
  }

  bool End() override { return entries_ == 0 || WriteChunk(); }

 private:
  // Length placeholder first, so that length and chunk go out in one write.
  bool WriteChunk() {
    expanded_.Seek(0);
    compressed_.Clear();
    compressed_.SetSize(kLengthSize);
    compressed_.Seek(kLengthSize);
    SharedCodec().CompressStream(compressed_, expanded_, CompressMethod::kLh5);
    const uint64_t chunk_size = compressed_.Size() - kLengthSize;
    StoreU32(compressed_.MutableBytes().data(), static_cast<uint32_t>(chunk_size));
    expanded_.Clear();
    entries_ = 0;
    return file_.Append(compressed_.Bytes().data(), compressed_.Size());
  }

  SpillFile& file_;
  TMemoryStream expanded_;
  TMemoryStream compressed_;
  size_t entries_ = 0;
};

class ChunkReader final : public RunReader {
 public:
  ChunkReader(const SpillFile& file, SpillRun run) : file_(file), next_(run.begin), end_(run.end) {}

  bool Advance(bool& failed) override {
    while (position_ == expanded_.Size()) {
      if (next_ == end_) return false;
      if (!ReadChunk()) {
        failed = true;
        return false;
      }
    }
    if (!ParseEntry()) {
      failed = true;
      return false;
    }
    return true;
  }

 private:
  // Expands the chunk at next_; false when it does not lie within the run
  // or is malformed.
  bool ReadChunk() {
    uint8_t length_bytes[kLengthSize];
    if (end_ - next_ < kLengthSize || !file_.ReadAt(next_, length_bytes, kLengthSize)) return false;
    const uint64_t length = LoadU32(length_bytes);
    if (length > end_ - next_ - kLengthSize) return false;
    compressed_.resize(length);
    if (!file_.ReadAt(next_ + kLengthSize, compressed_.data(), length)) return false;
    next_ += kLengthSize + length;
    TViewStream source(compressed_);
    expanded_.Clear();
    try {
      SharedCodec().ExpandStream(expanded_, source, kMaxExpandedChunk);
    } catch (const ECompressError&) {
      return false;
    }
    entries_ = 0;
    position_ = 4;
    return expanded_.Size() >= 4 && LoadU32(expanded_.Bytes().data()) == 0;
  }

  bool ParseEntry() {
    const std::vector<uint8_t>& bytes = expanded_.Bytes();
    if (bytes.size() - position_ < 2 || entries_ == kChunkEntries) return false;
    const size_t length = LoadU16(bytes.data() + position_);
    if (bytes.size() - position_ - 2 < length + 4) return false;
    payload_ =
        std::string_view(reinterpret_cast<const char*>(bytes.data() + position_ + 2), length);
    MakeSortKey(payload_, LoadU32(bytes.data() + position_ + 2 + length), sort_key_);
    key_ = sort_key_;
    position_ += 2 + length + 4;
    ++entries_;
    return true;
  }

  const SpillFile& file_;
  uint64_t next_;
  uint64_t end_;
  std::vector<uint8_t> compressed_;
  TMemoryStream expanded_;
  size_t position_ = 0;  // of the next entry in expanded_
  size_t entries_ = 0;   // read from the current chunk
  std::string sort_key_;
};

class SortEntryRunFormat final : public RunFormat {
 public:
  std::string NamePrefix() const override { return "Kal"; }
  bool KeepsName() const override { return true; }
  std::unique_ptr<RunWriter> StartRun(SpillFile& file) const override {
    return std::make_unique<ChunkWriter>(file);
  }
  std::unique_ptr<RunReader> OpenRun(const SpillFile& file, SpillRun run, size_t) const override {
    return std::make_unique<ChunkReader>(file, run);
  }
};

}  // namespace

const RunFormat& SortEntryRuns() {
  static const SortEntryRunFormat format;
  return format;
}

}  // namespace vx
