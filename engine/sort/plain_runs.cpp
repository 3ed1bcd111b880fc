#include "engine/sort/plain_runs.h"

#include <algorithm>

#include "engine/util/byte_order.h"

namespace vx {
namespace {

constexpr size_t kItemHeader = 8;  // u32 key size, u32 payload size
constexpr size_t kWriteBuffer = 1 << 20;

class PlainRunWriter final : public RunWriter {
 public:
  explicit PlainRunWriter(SpillFile& file) : file_(file) {}

  bool Add(std::string_view key, std::string_view payload) override {
    uint8_t header[kItemHeader];
    StoreU32(header, static_cast<uint32_t>(key.size()));
    StoreU32(header + 4, static_cast<uint32_t>(payload.size()));
    buffer_.append(reinterpret_cast<const char*>(header), kItemHeader);
    buffer_.append(key);
    buffer_.append(payload);
    return buffer_.size() < kWriteBuffer || Flush();
  }

  bool End() override { return Flush(); }

 private:
  bool Flush() {
    if (!file_.Append(buffer_.data(), buffer_.size())) return false;
    buffer_.clear();
    return true;
  }

  SpillFile& file_;
  std::string buffer_;
};

// Reads through a buffer of its own; items are views into it.
class PlainRunReader final : public RunReader {
 public:
  PlainRunReader(const SpillFile& file, SpillRun run, size_t buffer_size)
      : file_(file), next_(run.begin), end_(run.end), buffer_size_(buffer_size) {}

  bool Advance(bool& failed) override {
    if (!Ensure(kItemHeader, failed)) return false;
    const auto* header = reinterpret_cast<const uint8_t*>(buffer_.data() + position_);
    const size_t key_size = LoadU32(header);
    const size_t size = kItemHeader + key_size + LoadU32(header + 4);
    if (!Ensure(size, failed)) {
      failed = true;  // a run never ends inside an item
      return false;
    }
    const char* item = buffer_.data() + position_ + kItemHeader;
    key_ = std::string_view(item, key_size);
    payload_ = std::string_view(item + key_size, size - kItemHeader - key_size);
    position_ += size;
    return true;
  }

 private:
  // True when `n` bytes from the position are in the buffer.
  bool Ensure(size_t n, bool& failed) {
    if (buffer_.size() - position_ >= n) return true;
    buffer_.erase(0, position_);
    position_ = 0;
    const size_t want = std::max(n - buffer_.size(), buffer_size_);
    const size_t take = static_cast<size_t>(std::min<uint64_t>(want, end_ - next_));
    if (take == 0) return false;
    const size_t old = buffer_.size();
    buffer_.resize(old + take);
    if (!file_.ReadAt(next_, buffer_.data() + old, take)) {
      failed = true;
      return false;
    }
    next_ += take;
    return buffer_.size() >= n;
  }

  const SpillFile& file_;
  uint64_t next_;
  uint64_t end_;
  size_t buffer_size_;
  std::string buffer_;
  size_t position_ = 0;
};

class PlainRunFormat final : public RunFormat {
 public:
  std::string NamePrefix() const override { return ".vx-sortering-"; }
  bool KeepsName() const override { return false; }
  std::unique_ptr<RunWriter> StartRun(SpillFile& file) const override {
    return std::make_unique<PlainRunWriter>(file);
  }
  std::unique_ptr<RunReader> OpenRun(const SpillFile& file, SpillRun run,
                                     size_t buffer_size) const override {
    return std::make_unique<PlainRunReader>(file, run, buffer_size);
  }
};

}  // namespace

const RunFormat& PlainRuns() {
  static const PlainRunFormat format;
  return format;
}

}  // namespace vx
