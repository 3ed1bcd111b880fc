// Sort keys of the rows of word lists and free-search lists: their byte
// order is the lists' order, and equal keys make one row.
#ifndef VX_BUILDER_LIST_KEYS_H_
#define VX_BUILDER_LIST_KEYS_H_

#include <cstdint>
#include <string>
#include <string_view>

namespace vx {

// `text` mapped through the folding table: its bytes compare as the texts
// compare under that table.
std::string FoldedText(std::string_view text);

// Appends a record number whose byte order is its numeric order.
void AppendRecordNumber(std::string& key, uint32_t record);

// A word-list value: values equal under the accent order make one row.
std::string WordKey(std::string_view value);

// A Lokal-ID: a row of its own per record, in accent order, equal IDs by
// record number.
std::string LokalIdKey(std::string_view id, uint32_t record);

// A free-search line: rows in folded order, then by their bytes; only
// equal lines make one row. The line follows the key's first zero byte.
std::string LineKey(std::string_view line);

}  // namespace vx

#endif  // VX_BUILDER_LIST_KEYS_H_
