#include "engine/lists/postings.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <string>

#include "engine/util/byte_order.h"
#include "language/message_id.h"

namespace vx {
namespace {

constexpr size_t kChunkLengthBytes = 2;
// Numbers handed to the consumer at a time: small enough for the stack and
// the first-level cache, large enough that the call costs nothing.
constexpr size_t kBatch = 1024;

// The engine's one chunk buffer, alive for the whole run of the program.
std::array<uint8_t, kMaxChunkCodeBytes>& SharedChunkBuffer() {
  static std::array<uint8_t, kMaxChunkCodeBytes> buffer;
  return buffer;
}

// Decodes the codes of a run and passes the numbers on in batches.
class RunDecoder {
 public:
  RunDecoder(int64_t count, PostingsConsumer& consumer) : remaining_(count), consumer_(consumer) {}

  void First(uint32_t number) {
    last_ = number;
    const uint64_t first = number;
    consumer_.Accept({&first, 1}, true);
    --remaining_;
  }

  // Decodes the codes in [p, end) until they or the run are used up. False
  // when the last code is cut off by `end`.
  bool Chunk(const uint8_t* p, const uint8_t* end) {
    std::array<uint64_t, kBatch> batch;
    uint64_t n = last_;
    bool whole = true;
    while (p < end && remaining_ > 0) {
      const size_t want = static_cast<size_t>(std::min<int64_t>(remaining_, kBatch));
      size_t k = 0;
      bool ascending = true;
      while (k < want && p < end) {
        const uint8_t b = *p;
        if (b != 0x00 && b != 0xFF) {
          n += b;
          ++p;
        } else if (b == 0x00 && end - p >= 3) {
          n += LoadU16(p + 1);
          p += 3;
        } else if (b == 0xFF && end - p >= 5) {
          const uint64_t v = LoadU32(p + 1);
          ascending = ascending && (k == 0 || v >= n);
          n = v;
          p += 5;
        } else {
          whole = false;
          p = end;
          break;
        }
        batch[k++] = n;
      }
      // Consumers rely on it: an ascending batch runs from its least
      // number to its greatest.
      assert(!ascending || std::is_sorted(batch.begin(), batch.begin() + k));
      if (k > 0) consumer_.Accept({batch.data(), k}, ascending);
      remaining_ -= static_cast<int64_t>(k);
    }
    last_ = n;
    return whole;
  }

  bool Done() const { return remaining_ <= 0; }
  int64_t remaining() const { return remaining_; }

 private:
  uint64_t last_ = 0;
  int64_t remaining_;
  PostingsConsumer& consumer_;
};

// Gives the run's bytes from a reader through the shared chunk buffer.
class ReaderSource {
 public:
  explicit ReaderSource(ByteReader& reader) : reader_(reader) {}

  // `n` (at most kMaxChunkCodeBytes) bytes, or null when the data ends first.
  const uint8_t* Fetch(size_t n) {
    uint8_t* buffer = SharedChunkBuffer().data();
    return reader_.ReadFully(buffer, n) == n ? buffer : nullptr;
  }
  std::string Name() const { return reader_.SourceName(); }

 private:
  ByteReader& reader_;
};

// Gives the run's bytes straight from memory.
class SpanSource {
 public:
  SpanSource(std::span<const uint8_t> bytes, std::string_view name) : bytes_(bytes), name_(name) {}

  const uint8_t* Fetch(size_t n) {
    if (bytes_.size() - position_ < n) {
      position_ = bytes_.size();  // as a reader would have read what there was
      return nullptr;
    }
    const uint8_t* p = bytes_.data() + position_;
    position_ += n;
    return p;
  }
  std::string Name() const { return std::string(name_); }
  size_t position() const { return position_; }

 private:
  std::span<const uint8_t> bytes_;
  std::string_view name_;
  size_t position_ = 0;
};

enum class DamageKind {
  kNone,
  kShortRead,
  kBadChunkLength,
  kSplitCode,
};

struct Damage {
  DamageKind status = DamageKind::kNone;
  size_t chunk_length = 0;
};

template <typename Source>
Damage DecodeRun(Source& source, RunDecoder& run) {
  const uint8_t* first = source.Fetch(4);
  if (first == nullptr) return {DamageKind::kShortRead};
  run.First(LoadU32(first));
  while (!run.Done()) {
    const uint8_t* head = source.Fetch(kChunkLengthBytes);
    if (head == nullptr) return {DamageKind::kShortRead};
    const size_t length = LoadU16(head);
    if (length < kChunkLengthBytes || length - kChunkLengthBytes > kMaxChunkCodeBytes)
      return {DamageKind::kBadChunkLength, length};
    const size_t code_bytes = length - kChunkLengthBytes;
    const uint8_t* codes = source.Fetch(code_bytes);
    if (codes == nullptr) return {DamageKind::kShortRead};
    if (!run.Chunk(codes, codes + code_bytes)) return {DamageKind::kSplitCode};
  }
  return {};
}

// `damage` is never kNone here.
Message DamageMessage(const Damage& damage, const std::string& source_name, int64_t count,
                      int64_t read) {
  Message what{MessageId::EnginePostingsListEnds, {}};
  if (damage.status == DamageKind::kBadChunkLength) {
    what = {MessageId::EnginePostingsBadBlockLength, {std::to_string(damage.chunk_length)}};
  } else if (damage.status == DamageKind::kSplitCode) {
    what = {MessageId::EnginePostingsCodeSplit, {}};
  }
  Message message{MessageId::EnginePostingsDamaged, {std::to_string(read), std::to_string(count)}};
  if (!source_name.empty()) {
    message = {MessageId::EnginePostingsDamagedIn,
               {source_name, std::to_string(read), std::to_string(count)}};
  }
  message.inner.push_back(std::move(what));
  return message;
}

template <typename Source>
Status ReadRun(Source& source, int64_t count, PostingsConsumer& consumer) {
  if (count < 1) return Status::OK();
  RunDecoder run(count, consumer);
  const Damage damage = DecodeRun(source, run);
  if (damage.status == DamageKind::kNone) return Status::OK();
  return Status::Said(Status::Code::kCorruption,
                      DamageMessage(damage, source.Name(), count, count - run.remaining()));
}

}  // namespace

Status ReadPostings(ByteReader& reader, int64_t count, PostingsConsumer& consumer) {
  ReaderSource source(reader);
  return ReadRun(source, count, consumer);
}

Status ReadPostings(std::span<const uint8_t> bytes, int64_t count, PostingsConsumer& consumer,
                    size_t* consumed, std::string_view source_name) {
  SpanSource source(bytes, source_name);
  Status status = ReadRun(source, count, consumer);
  if (consumed != nullptr) *consumed = source.position();
  return status;
}

}  // namespace vx
