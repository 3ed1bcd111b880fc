#include "engine/sort/spill_file.h"

#include <string>
#include <system_error>

#include "engine/codec/compress.h"
#include "engine/util/byte_order.h"

namespace vx {
namespace {

constexpr size_t kLengthSize = 4;
constexpr uint32_t kMaxExpandedChunk =
    4 + SpillFile::kChunkEntries * (2 + SpillFile::kMaxKeyLength + 4);

void AppendBytes(TMemoryStream& stream, const void* bytes, size_t n) {
  if (n > 0) stream.Write(bytes, n);
}

}  // namespace

std::unique_ptr<SpillFile> SpillFile::Create(const std::filesystem::path& directory) {
  std::error_code error;
  const std::filesystem::path dir =
      directory.empty() ? std::filesystem::temp_directory_path(error) : directory;
  if (error) return nullptr;
  File file;
  if (!file.CreateUnique(dir.string(), "Kal")) return nullptr;
  return std::unique_ptr<SpillFile>(new SpillFile(std::move(file)));
}

SpillFile::~SpillFile() {
  const std::string path = file_.path();
  file_.Close();
  std::error_code ignored;
  std::filesystem::remove(path, ignored);
}

bool SpillFile::AppendChunk(std::span<const SortEntry> entries) {
  expanded_.Clear();
  uint8_t number[4];
  StoreU32(number, 0);
  AppendBytes(expanded_, number, 4);
  for (const SortEntry& entry : entries) {
    uint8_t length[2];
    StoreU16(length, static_cast<uint16_t>(entry.key.size()));
    AppendBytes(expanded_, length, 2);
    AppendBytes(expanded_, entry.key.data(), entry.key.size());
    StoreU32(number, entry.value);
    AppendBytes(expanded_, number, 4);
  }
  expanded_.Seek(0);

  // Length placeholder first, so that length and chunk go out in one write.
  compressed_.Clear();
  compressed_.SetSize(kLengthSize);
  compressed_.Seek(kLengthSize);
  SharedCodec().CompressStream(compressed_, expanded_, CompressMethod::kLh5);
  const uint64_t chunk_size = compressed_.Size() - kLengthSize;
  StoreU32(compressed_.MutableBytes().data(), static_cast<uint32_t>(chunk_size));

  return file_.WriteAt(file_.Size(), compressed_.Bytes().data(), compressed_.Size());
}

bool SpillFile::ReadChunk(uint64_t offset, std::vector<SortEntry>& entries, uint64_t& next) {
  uint8_t length_bytes[kLengthSize];
  if (!file_.ReadAt(offset, length_bytes, kLengthSize)) return false;
  const uint64_t length = LoadU32(length_bytes);
  if (length > file_.Size() - offset - kLengthSize) return false;
  read_buffer_.resize(length);
  if (!file_.ReadAt(offset + kLengthSize, read_buffer_.data(), length)) return false;

  TViewStream source(read_buffer_);
  expanded_.Clear();
  SharedCodec().ExpandStream(expanded_, source, kMaxExpandedChunk);
  if (!ParseChunk(entries)) return false;
  next = offset + kLengthSize + length;
  return true;
}

bool SpillFile::ParseChunk(std::vector<SortEntry>& entries) const {
  const std::vector<uint8_t>& bytes = expanded_.Bytes();
  if (bytes.size() < 4 || LoadU32(bytes.data()) != 0) return false;
  size_t pos = 4;
  size_t n = 0;
  while (pos < bytes.size()) {
    if (bytes.size() - pos < 2) return false;
    const size_t key_length = LoadU16(bytes.data() + pos);
    pos += 2;
    if (bytes.size() - pos < key_length + 4 || n == kChunkEntries) return false;
    if (n == entries.size()) entries.emplace_back();
    entries[n].key.assign(reinterpret_cast<const char*>(bytes.data() + pos), key_length);
    entries[n].value = LoadU32(bytes.data() + pos + key_length);
    pos += key_length + 4;
    ++n;
  }
  entries.resize(n);
  return true;
}

}  // namespace vx
