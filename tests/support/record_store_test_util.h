// Helpers for the record-store tests: properties of a store in a test
// directory, writing stores, and patching bytes of their files.
#ifndef VX_TESTS_SUPPORT_RECORD_STORE_TEST_UTIL_H_
#define VX_TESTS_SUPPORT_RECORD_STORE_TEST_UTIL_H_

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "engine/files/record_field.h"
#include "engine/store/record_store_writer.h"
#include "engine/store/regtext_properties.h"
#include "engine/util/byte_order.h"
#include "tests/support/files.h"

namespace vx::testing {

using TextRecord = std::vector<std::string>;

// A read-only store "reg" in `dir`.
inline RegtextProperties StoreProperties(const std::filesystem::path& dir, TblobfilLZHmode mode,
                                         std::vector<std::string> labels) {
  RegtextProperties p;
  const std::string directory = dir.string() + "/";
  p.bfilkat = p.pfilkat = p.LZHfilkat = directory;
  p.bfilnamn = p.pfilnamn = p.LZHfilnamn = "reg";
  p.LZH = mode;
  p.labels = std::move(labels);
  p.antpc = 3;
  return p;
}

// Writes records whose fields are all texts.
inline void WriteTextStore(const RegtextProperties& properties,
                           const std::vector<TextRecord>& records) {
  RecordStoreWriter writer(properties);
  ASSERT_EQ(writer.Create(), RecordStoreWriter::Status::kOk);
  for (const TextRecord& record : records) {
    std::vector<FieldValue> values;
    for (const std::string& text : record)
      values.push_back({text, 0});
    ASSERT_EQ(writer.Append(values), RecordStoreWriter::Status::kOk);
  }
  ASSERT_EQ(writer.Finish(), RecordStoreWriter::Status::kOk);
}

inline void PatchU32(const std::filesystem::path& path, size_t offset, uint32_t value) {
  std::vector<uint8_t> bytes = ReadFileBytes(path);
  ASSERT_LE(offset + 4, bytes.size());
  StoreU32(bytes.data() + offset, value);
  WriteFileBytes(path, bytes);
}

inline uint32_t LoadU32At(const std::filesystem::path& path, size_t offset) {
  const std::vector<uint8_t> bytes = ReadFileBytes(path);
  return offset + 4 <= bytes.size() ? LoadU32(bytes.data() + offset) : 0xFFFFFFFF;
}

}  // namespace vx::testing

#endif  // VX_TESTS_SUPPORT_RECORD_STORE_TEST_UTIL_H_
