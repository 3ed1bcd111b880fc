#include "engine/codec/compress.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "engine/util/byte_order.h"
#include "engine/util/stream.h"

namespace vx {
namespace {

constexpr std::array<const char*, 5> kMethodIds = {"NON", "RLE", "LZH", "CUS", "LH5"};

// The bytes from the stream's position to its end, without a copy when the
// stream keeps them in memory. The stream is left at its end.
std::span<const uint8_t> TakeRemaining(TStream& source, std::vector<uint8_t>& owned) {
  const uint64_t available = source.Size() - source.Position();
  std::span<const uint8_t> view = source.RemainingView();
  if (view.data() != nullptr || available == 0) {
    source.Seek(source.Size());
    return view;
  }
  owned.resize(available);
  owned.resize(source.Read(owned.data(), owned.size()));
  return owned;
}

// Decoding buffer: large enough for big streams, small for the many small
// blocks of the record stores.
size_t ChunkFor(uint32_t expanded_size) {
  return std::clamp<size_t>(expanded_size, 4096, size_t{1} << 18);
}

}  // namespace

const char* CompressMethodId(CompressMethod method) {
  return kMethodIds[static_cast<size_t>(method)];
}

std::optional<CompressMethod> CompressMethodFromId(std::string_view id) {
  for (size_t i = 0; i < kMethodIds.size(); ++i) {
    if (id == kMethodIds[i]) return static_cast<CompressMethod>(i);
  }
  return std::nullopt;
}

bool CompressedHeader::Parse(std::span<const uint8_t, kSize> bytes, CompressedHeader& header) {
  if (!std::equal(kMagic.begin(), kMagic.end(), bytes.begin())) return false;
  std::memcpy(header.compress_id.data(), bytes.data() + 5, 3);
  header.expanded_size = LoadU32(bytes.data() + 8);
  header.archive_type = bytes[12];
  header.checksum = LoadU32(bytes.data() + 13);
  header.lock = LoadU32(bytes.data() + 17);
  return true;
}

std::array<uint8_t, CompressedHeader::kSize> CompressedHeader::Serialize() const {
  std::array<uint8_t, kSize> out{};
  std::copy(kMagic.begin(), kMagic.end(), out.begin());
  std::memcpy(out.data() + 5, compress_id.data(), 3);
  StoreU32(out.data() + 8, expanded_size);
  out[12] = archive_type;
  StoreU32(out.data() + 13, checksum);
  StoreU32(out.data() + 17, lock);
  return out;
}

uint32_t ByteSum(std::span<const uint8_t> bytes, uint32_t start) {
  uint32_t sum = start;
  for (uint8_t b : bytes)
    sum += b;
  return sum;
}

void TCompress::ExpandStream(TStream& destination, TStream& source, uint32_t max_expanded_size) {
  stats_ = {};
  std::vector<uint8_t> owned;
  const std::span<const uint8_t> bytes = TakeRemaining(source, owned);

  CompressedHeader header;
  if (bytes.size() <= CompressedHeader::kSize ||
      !CompressedHeader::Parse(bytes.first<CompressedHeader::kSize>(), header)) {
    WriteOrThrow(destination, bytes);  // headerless: stored as it is
    return;
  }
  if (header.archive_type != 0) throw EInvalidHeaderArchiveType();
  const std::optional<CompressMethod> method = CompressMethodFromId(header.Id());
  if (!method) throw EUnrecognizedCompressionMethod(header.Id());
  if (header.lock >= 1) throw EInvalidKey();  // no key is ever set in this program
  if (header.expanded_size > max_expanded_size) {
    throw EExpandedSizeTooLarge(header.expanded_size, max_expanded_size);
  }
  ExpandCoded(destination, bytes.subspan(CompressedHeader::kSize), header, *method);
}

void TCompress::ExpandCoded(TStream& destination, std::span<const uint8_t> coded,
                            const CompressedHeader& header, CompressMethod method) {
  if (auto* memory = dynamic_cast<TMemoryStream*>(&destination)) {
    memory->Reserve(memory->Position() + header.expanded_size);
  }
  uint32_t checksum = 0;
  if (method == CompressMethod::kNon) {
    checksum = ByteSum(coded);
    WriteOrThrow(destination, coded);
  } else {
    ExpandInput in(coded);
    ExpandOutput out(destination, ChunkFor(header.expanded_size));
    switch (method) {
      case CompressMethod::kRle:
        ExpandRle(in, out);
        break;
      case CompressMethod::kLzh:
        if (header.expanded_size > 0) ExpandLzhuf(in, header.expanded_size, out, stats_);
        break;
      case CompressMethod::kLh5:
        if (header.expanded_size > 0) ExpandLh5(in, header.expanded_size, out, stats_);
        break;
      default:  // "CUS": no coder attached, nothing is produced
        break;
    }
    out.Finish();
    checksum = out.Checksum();
  }
  if (checksum != header.checksum && !(method == CompressMethod::kNon && header.checksum == 0)) {
    throw EBadChecksum();
  }
}

void TCompress::CompressStream(TStream& destination, TStream& source, CompressMethod method) {
  std::vector<uint8_t> owned;
  const std::span<const uint8_t> bytes = TakeRemaining(source, owned);
  if (method == CompressMethod::kNon || method == CompressMethod::kCus ||
      bytes.size() < CompressedHeader::kSize || bytes.size() > UINT32_MAX) {
    Store(destination, bytes);
    return;
  }
  CodedOutput coded(bytes.size() - CompressedHeader::kSize);
  try {
    switch (method) {
      case CompressMethod::kRle:
        EncodeRle(bytes, coded);
        break;
      case CompressMethod::kLzh:
        EncodeLzhuf(bytes, coded);
        break;
      default:
        EncodeLh5(bytes, coded);
        break;
    }
  } catch (const EUnableToCompress&) {
    Store(destination, bytes);
    return;
  }
  CompressedHeader header;
  std::memcpy(header.compress_id.data(), CompressMethodId(method), 3);
  header.expanded_size = static_cast<uint32_t>(bytes.size());
  header.checksum = ByteSum(bytes);
  WriteOrThrow(destination, header.Serialize());
  WriteOrThrow(destination, coded.Bytes());
}

void TCompress::WriteOrThrow(TStream& destination, std::span<const uint8_t> bytes) {
  if (bytes.empty()) return;
  if (destination.Write(bytes.data(), bytes.size()) != bytes.size()) throw EStreamWriteError();
}

// Stored data goes without a header. Data that itself begins with the magic
// and is longer than a header would then be taken for a compressed stream
// when read back, so it keeps a "NON" header.
void TCompress::Store(TStream& destination, std::span<const uint8_t> bytes) {
  const bool looks_coded =
      bytes.size() > CompressedHeader::kSize &&
      std::equal(CompressedHeader::kMagic.begin(), CompressedHeader::kMagic.end(), bytes.begin());
  if (looks_coded) {
    CompressedHeader header;
    header.expanded_size = static_cast<uint32_t>(std::min<size_t>(bytes.size(), UINT32_MAX));
    header.checksum = ByteSum(bytes);
    WriteOrThrow(destination, header.Serialize());
  }
  WriteOrThrow(destination, bytes);
}

TCompress& SharedCodec() {
  static TCompress codec;
  return codec;
}

}  // namespace vx
