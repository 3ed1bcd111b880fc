#include "engine/lists/blob_file.h"

#include <algorithm>

#include "engine/files/data_file.h"
#include "engine/files/file_byte_reader.h"
#include "engine/util/byte_order.h"

namespace vx {
namespace {

constexpr size_t kLengthSize = 4;

}  // namespace

void Tvxenkelblobfil::SetFileNames(const std::string& directory, const std::string& name) {
  path_ = DataFilePath(directory, name);
}

void Tvxenkelblobfil::SetBufferSize(size_t size) {
  buffer_.assign(size, 0);
  item_length_ = 0;
  pending_ = false;
}

bool Tvxenkelblobfil::Open(bool create) {
  Close();
  status_ = kFailed;
  const DataFileOpening opening = OpenWithHeader(
      file_, path_, read_only_, create,
      [this] {
        count_ = 0;
        read_position_ = kHeaderSize;
        return WriteHeader();
      },
      [this] { return ReadHeader(); });
  if (opening == DataFileOpening::kUnopenable || opening == DataFileOpening::kNotCreated) {
    return false;
  }
  status_ = kOk;
  return true;
}

bool Tvxenkelblobfil::ReadHeader() {
  uint8_t header[kHeaderSize];
  if (!file_.ReadAt(0, header, kHeaderSize)) return false;
  count_ = LoadU32(header + 2);
  // Items never start inside the header, whatever the header says.
  const uint16_t first = LoadU16(header + 6);
  read_position_ = first < kHeaderSize ? kHeaderSize : first;
  return true;
}

bool Tvxenkelblobfil::WriteHeader() {
  uint8_t header[kHeaderSize] = {};
  StoreU32(header + 2, count_);
  StoreU16(header + 6, static_cast<uint16_t>(kHeaderSize));
  return file_.WriteAt(0, header, kHeaderSize);
}

void Tvxenkelblobfil::Close() {
  if (pending_ && item_length_ > 0 && file_.IsWritable()) Append();
  if (changed_ && file_.IsWritable()) {
    WriteHeader();
    file_.Flush();
  }
  file_.Close();
  count_ = 0;
  changed_ = false;
  pending_ = false;
  item_length_ = 0;
}

bool Tvxenkelblobfil::ReadNext() {
  uint8_t length_bytes[kLengthSize];
  if (!file_.ReadAt(read_position_, length_bytes, kLengthSize)) return false;
  const uint32_t length = LoadU32(length_bytes);
  if (length > buffer_.size()) return false;
  if (!file_.ReadAt(read_position_ + kLengthSize, buffer_.data(), length)) return false;
  item_length_ = length;
  pending_ = false;
  read_position_ += kLengthSize + length;
  return true;
}

bool Tvxenkelblobfil::SetItemLength(size_t length) {
  if (length > buffer_.size()) return false;
  item_length_ = length;
  pending_ = length > 0;
  return true;
}

std::span<const uint8_t> Tvxenkelblobfil::Item() const {
  return std::span<const uint8_t>(buffer_).first(item_length_);
}

int64_t Tvxenkelblobfil::Append() {
  if (buffer_.empty() || !file_.IsWritable() || read_only_ || item_length_ > UINT32_MAX) {
    status_ = kFailed;
    return -1;
  }
  std::vector<uint8_t> bytes(kLengthSize + item_length_);
  StoreU32(bytes.data(), static_cast<uint32_t>(item_length_));
  std::copy(buffer_.begin(), buffer_.begin() + static_cast<ptrdiff_t>(item_length_),
            bytes.begin() + kLengthSize);
  const uint64_t offset = file_.Size();
  if (!file_.WriteAt(offset, bytes.data(), bytes.size())) {
    status_ = kFailed;
    return -1;
  }
  ++count_;
  changed_ = true;
  pending_ = false;
  status_ = kOk;
  return static_cast<int64_t>(offset);
}

vx::Status Tvxenkelblobfil::LoadPostingsAt(uint64_t offset, int64_t count, Tvxsmalurval& selection,
                                           bool on) const {
  FileByteReader reader(file_, offset);
  return selection.LoadPostings(reader, count, on);
}

}  // namespace vx
