#include "engine/files/pointer_list.h"

#include <algorithm>

#include "engine/files/data_file.h"
#include "engine/util/byte_order.h"

namespace vx {
namespace {

constexpr uint64_t kEntrySize = 4;

uint64_t EntryOffset(uint64_t i) {
  return Tvxpeklista::kHeaderSize + kEntrySize * (i - 1);
}

}  // namespace

void Tvxpeklista::SetFileNames(const std::string& directory, const std::string& name) {
  path_ = DataFilePath(directory, name);
  file_backed_ = type_ != PointerListType::kInMemory;
}

void Tvxpeklista::SetCapacity(uint32_t capacity) {
  if (capacity == capacity_) return;
  capacity_ = capacity;
  Unmap();
  if (!OnDisk()) entries_.assign(std::min(count_, capacity), 0);
  if (file_.IsWritable()) changed_ = true;
}

bool Tvxpeklista::Open(bool create) {
  Close();
  status_ = kOk;
  if (!file_backed_) return true;
  const DataFileOpening opening = OpenWithHeader(
      file_, path_, read_only_, create,
      [this] {
        count_ = 0;
        return WriteHeader();
      },
      [this] { return ReadHeader(); });
  if (opening == DataFileOpening::kUnopenable) status_ = kCannotOpen;
  if (opening == DataFileOpening::kNotCreated) status_ = kCannotCreate;
  if (status_ != kOk) return false;
  return true;
}

bool Tvxpeklista::ReadHeader() {
  uint8_t header[kHeaderSize];
  if (!file_.ReadAt(0, header, kHeaderSize)) return false;
  const uint64_t present = (file_.Size() - kHeaderSize) / kEntrySize;
  cut_short_ = LoadU32(header + 6) > present;
  count_ = static_cast<uint32_t>(std::min<uint64_t>(LoadU32(header + 6), present));
  capacity_ = LoadU32(header + 10);
  if (type_ != PointerListType::kLoaded) return true;
  if (read_only_ && MapEntries()) {
    capacity_ = count_;
    return true;
  }

  // count_ is bounded by the file size here, so is this allocation.
  entries_.resize(count_);
  if (!file_.ReadAt(kHeaderSize, entries_.data(), kEntrySize * count_)) return false;
  for (uint32_t& entry : entries_) {
    entry = LoadU32(reinterpret_cast<const uint8_t*>(&entry));
  }
  if (read_only_) capacity_ = count_;
  return true;
}

bool Tvxpeklista::MapEntries() {
  if (!mapping_.Map(file_.path())) return false;
  // The file is read through the mapping from here on: it must still hold
  // what the header promised.
  if (mapping_.bytes().size() < EntryOffset(count_ + 1ULL)) {
    Unmap();
    return false;
  }
  mapped_entries_ = mapping_.bytes().data() + kHeaderSize;
  return true;
}

void Tvxpeklista::Unmap() {
  mapping_.Unmap();
  mapped_entries_ = nullptr;
}

bool Tvxpeklista::WriteHeader() {
  uint8_t header[kHeaderSize] = {};
  StoreU16(header, static_cast<uint16_t>(type_));
  StoreU32(header + 6, count_);
  StoreU32(header + 10, capacity_);
  return file_.WriteAt(0, header, kHeaderSize);
}

bool Tvxpeklista::WriteEntries() {
  std::vector<uint8_t> bytes(kEntrySize * count_, 0);
  for (size_t i = 0; i < count_ && i < entries_.size(); ++i) {
    StoreU32(bytes.data() + kEntrySize * i, entries_[i]);
  }
  return file_.WriteAt(kHeaderSize, bytes.data(), bytes.size()) &&
         file_.Truncate(kHeaderSize + bytes.size());
}

bool Tvxpeklista::Flush() {
  if (!file_backed_ || !file_.IsWritable() || read_only_) return false;
  if (!WriteHeader()) return false;
  if (type_ == PointerListType::kLoaded && !WriteEntries()) return false;
  changed_ = false;
  return true;
}

void Tvxpeklista::Close() {
  if (changed_) Flush();
  file_.Close();
  Unmap();
  entries_.clear();
  entries_.shrink_to_fit();
  count_ = 0;
  changed_ = false;
  cut_short_ = false;
}

uint32_t Tvxpeklista::Get(int64_t i) const {
  if (!Opened() || i < 1 || i > count_) return kNone;
  if (mapped_entries_ != nullptr) return LoadU32(mapped_entries_ + kEntrySize * (i - 1));
  if (!OnDisk()) {
    return static_cast<uint64_t>(i) <= entries_.size() ? entries_[i - 1] : kNone;
  }
  uint8_t bytes[kEntrySize];
  if (!file_.ReadAt(EntryOffset(static_cast<uint64_t>(i)), bytes, kEntrySize)) return kNone;
  return LoadU32(bytes);
}

int64_t Tvxpeklista::Append(uint32_t value) {
  if (!Opened() || count_ >= capacity_) return -1;
  if (file_backed_ && read_only_) return -1;
  if (OnDisk()) {
    uint8_t bytes[kEntrySize];
    StoreU32(bytes, value);
    if (!file_.WriteAt(EntryOffset(count_ + 1ULL), bytes, kEntrySize)) return -1;
  } else {
    entries_.resize(count_);
    entries_.push_back(value);
  }
  ++count_;
  if (file_backed_) changed_ = true;
  return count_;
}

}  // namespace vx
