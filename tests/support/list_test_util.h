// Helpers for the list tests: properties of lists in a test directory,
// writing word lists and register-like lists, and making row files byte
// by byte.
#ifndef VX_TESTS_SUPPORT_LIST_TEST_UTIL_H_
#define VX_TESTS_SUPPORT_LIST_TEST_UTIL_H_

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "engine/lists/list_properties.h"
#include "engine/lists/struct_list.h"
#include "engine/lists/word_list_writer.h"
#include "engine/util/byte_order.h"
#include "engine/util/message_sink.h"
#include "tests/support/files.h"

namespace vx::testing {

struct ListRow {
  std::string text;
  std::vector<uint32_t> records;
};

// A read-only search-word list "w" in `dir`, with postings and selections.
inline ListProperties WordListProperties(const std::filesystem::path& dir, bool blocks,
                                         bool keep_accent = true) {
  ListProperties p;
  const std::string directory = dir.string() + "/";
  p.filkat = p.LZHfilkat = p.rllfilkat = directory;
  p.filnamn = p.LZHfilnamn = "w";
  p.LZH = blocks;
  p.keepaccent = keep_accent;
  p.finnsBLOB = true;
  p.finnsurval = true;
  return p;
}

// A read-only register-like list "l" in `dir`: one row per record, no
// postings, blocks of 100 rows.
inline ListProperties RegisterListProperties(const std::filesystem::path& dir) {
  ListProperties p;
  const std::string directory = dir.string() + "/";
  p.filkat = p.LZHfilkat = directory;
  p.filnamn = p.LZHfilnamn = "l";
  p.radmaxlen = 200;
  p.LZH = true;
  p.finnsurval = true;
  return p;
}

inline void WriteWordList(const ListProperties& properties, const std::vector<ListRow>& rows) {
  WordListWriter writer(properties);
  ASSERT_EQ(writer.Create(), WordListWriter::Status::kOk);
  for (const ListRow& row : rows) {
    ASSERT_EQ(writer.Append(row.text, row.records), WordListWriter::Status::kOk) << row.text;
  }
  ASSERT_EQ(writer.Finish(), WordListWriter::Status::kOk);
}

// Rows "rad 0001" ... with RowValue1 = the row number, written through the
// list itself.
inline void WriteRegisterList(ListProperties properties, int32_t rows) {
  properties.RO = false;
  TVXstruktlista list;
  list.properties() = properties;
  ASSERT_TRUE(list.CreateNew());
  for (int32_t i = 1; i <= rows; ++i) {
    char text[16];
    std::snprintf(text, sizeof text, "rad %04d", i);
    ASSERT_TRUE(list.AppendRow(text, static_cast<uint32_t>(i)));
  }
  list.Close();
}

// A plain-mode row file: the 22-byte header, then `rows`, each padded with
// zeros to `row_length`.
inline std::vector<uint8_t> PlainRowFile(uint32_t row_length,
                                         const std::vector<std::vector<uint8_t>>& rows) {
  std::vector<uint8_t> file(22, 0);
  StoreU32(file.data() + 2, static_cast<uint32_t>(rows.size()));
  StoreU32(file.data() + 6, 1000);
  StoreU32(file.data() + 10, 22);
  StoreU32(file.data() + 14, row_length);
  for (std::vector<uint8_t> row : rows) {
    row.resize(row_length, 0);
    file.insert(file.end(), row.begin(), row.end());
  }
  return file;
}

// Collects the engine's messages while it lives.
class MessageLog {
 public:
  MessageLog() : sink_([this](const std::string& text) { messages.push_back(text); }) {}
  std::vector<std::string> messages;

 private:
  ScopedMessageSink sink_;
};

}  // namespace vx::testing

#endif  // VX_TESTS_SUPPORT_LIST_TEST_UTIL_H_
