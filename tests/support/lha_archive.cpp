#include "tests/support/lha_archive.h"

#include "engine/util/byte_order.h"

namespace vx::testing {

namespace {

// CRC-16 as LHA uses it (polynomial A001h reflected, start 0).
uint16_t LhaCrc16(std::span<const uint8_t> bytes) {
  uint16_t crc = 0;
  for (uint8_t b : bytes) {
    crc ^= b;
    for (int i = 0; i < 8; ++i)
      crc = (crc & 1) ? static_cast<uint16_t>((crc >> 1) ^ 0xA001) : crc >> 1;
  }
  return crc;
}

}  // namespace

std::vector<uint8_t> MakeLhaArchive(const std::string& method, const std::string& name,
                                    std::span<const uint8_t> coded,
                                    std::span<const uint8_t> original) {
  // Level 0: size byte, header checksum, method, packed size, original size,
  // DOS time stamp, attribute, level, name length, name, CRC-16.
  const size_t header_size = 22 + name.size();
  std::vector<uint8_t> archive(2 + header_size);
  uint8_t* p = archive.data() + 2;
  for (size_t i = 0; i < 5; ++i)
    p[i] = i < method.size() ? static_cast<uint8_t>(method[i]) : ' ';
  StoreU32(p + 5, static_cast<uint32_t>(coded.size()));
  StoreU32(p + 9, static_cast<uint32_t>(original.size()));
  StoreU32(p + 13, (45u << 25) | (1u << 21) | (1u << 16));  // 2025-01-01 00:00
  p[17] = 0x20;
  p[18] = 0;
  p[19] = static_cast<uint8_t>(name.size());
  for (size_t i = 0; i < name.size(); ++i)
    p[20 + i] = static_cast<uint8_t>(name[i]);
  StoreU16(p + 20 + name.size(), LhaCrc16(original));

  uint8_t sum = 0;
  for (size_t i = 0; i < header_size; ++i)
    sum = static_cast<uint8_t>(sum + p[i]);
  archive[0] = static_cast<uint8_t>(header_size);
  archive[1] = sum;
  archive.insert(archive.end(), coded.begin(), coded.end());
  archive.push_back(0);
  return archive;
}

bool ReadFirstLhaMember(std::span<const uint8_t> archive, std::string& method,
                        std::vector<uint8_t>& coded, uint32_t& original_size) {
  if (archive.size() < 24 || archive[20] != 0) return false;
  const uint8_t* p = archive.data();
  method.assign(reinterpret_cast<const char*>(p + 2), 5);
  const uint32_t packed = LoadU32(p + 7);
  original_size = LoadU32(p + 11);
  const size_t data_start = 2 + size_t{p[0]};
  if (data_start > archive.size() || packed > archive.size() - data_start) return false;
  coded.assign(p + data_start, p + data_start + packed);
  return true;
}

}  // namespace vx::testing
