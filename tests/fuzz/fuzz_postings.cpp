// Reads arbitrary bytes as postings into a selection. Input: u32 selection
// size (taken modulo 2^16), i32 run length, one flag byte (bit 0: set rather
// than clear, bit 1: start from a full selection), u8 size of a second
// selection that is combined with the first; then the postings. Both ways
// of reading must agree, and a well-formed run written again reads back.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>
#include <vector>

#include "engine/lists/postings.h"
#include "engine/lists/postings_writer.h"
#include "engine/lists/selection.h"
#include "engine/util/byte_order.h"
#include "engine/util/byte_reader.h"
#include "engine/util/message_sink.h"
#include "tests/fuzz/fuzz_work_dir.h"

namespace {

using vx::fuzz::Check;

constexpr size_t kHeader = 10;

class Collector : public vx::PostingsConsumer {
 public:
  void Accept(std::span<const uint64_t> numbers, bool ascending) override {
    values.insert(values.end(), numbers.begin(), numbers.end());
    if (ascending && !std::is_sorted(numbers.begin(), numbers.end())) ascending_claims_hold = false;
  }
  std::vector<uint64_t> values;
  bool ascending_claims_hold = true;
};

// Every set bit lies in 1..Size and the kept count is right.
void CheckSelection(vx::Tvxsmalurval& s) {
  const std::span<const uint8_t> bytes = s.Bytes();
  for (size_t bit = static_cast<size_t>(s.Size()); bit < bytes.size() * 8; ++bit)
    Check(((bytes[bit / 8] >> (bit % 8)) & 1) == 0);
  int32_t seen = 0, previous = 0;
  for (int32_t k = 0; s.Next(k); previous = k) {
    Check(k > previous && k <= s.Size() && s.IsSet(k));
    ++seen;
  }
  Check(s.Recount() == seen);
}

void CheckRoundTrip(const std::vector<uint64_t>& numbers) {
  std::vector<uint32_t> run;
  for (uint64_t n : numbers) {
    if (n == 0 || n > UINT32_MAX || (!run.empty() && n <= run.back())) return;
    run.push_back(static_cast<uint32_t>(n));
  }
  std::vector<uint8_t> bytes;
  Check(vx::AppendPostings(run, bytes));
  Collector back;
  Check(vx::ReadPostings(bytes, static_cast<int64_t>(run.size()), back).ok());
  Check(back.values == numbers);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  [[maybe_unused]] static const bool quiet = (vx::SetMessageSink([](const std::string&) {}), true);
  if (size < kHeader) return 0;
  const auto selection_size = static_cast<int32_t>(vx::LoadU32(data) % (1u << 16));
  const auto count = static_cast<int32_t>(vx::LoadU32(data + 4));
  const bool on = (data[8] & 1) != 0;
  const std::vector<uint8_t> postings(data + kHeader, data + size);

  vx::Tvxsmalurval selection;
  selection.Resize(selection_size);
  if ((data[8] & 2) != 0) selection.SetAll();
  vx::SpanByteReader reader(postings);
  const vx::Status status = selection.LoadPostings(reader, count, on);
  const int32_t kept_count = selection.Count();
  CheckSelection(selection);
  Check(kept_count == selection.Count());

  Collector direct;
  size_t consumed = 0;
  // Numbers outside the selection are the selection's to name, not the reader's.
  const vx::Status read = vx::ReadPostings(postings, count, direct, &consumed);
  Check(read.ok() || read.message() == status.message());
  Check(consumed == reader.Position());
  Check(direct.ascending_claims_hold);
  if (read.ok()) CheckRoundTrip(direct.values);

  vx::Tvxsmalurval other;
  other.Resize(data[9]);
  other.SetAll();
  for (int op = 0; op < 3; ++op) {
    vx::Tvxsmalurval& target = op == 1 ? other : selection;
    const vx::Tvxsmalurval& source = op == 1 ? selection : other;
    if (op == 0) target.Or(source);
    if (op == 1) target.Assign(source);
    if (op == 2) target.And(source);
    CheckSelection(target);
  }
  return 0;
}
