// The tab-separated lists of data/: UTF-8 text, one row a line, cells
// separated by TAB; empty lines and lines beginning with '#' are comments;
// the first other line names the columns.
#ifndef VX_SAMPLE_TSV_TABLE_H_
#define VX_SAMPLE_TSV_TABLE_H_

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace vx {

struct TsvRow {
  size_t line = 0;  // 1-based line number in the file
  std::vector<std::string> cells;
};

// Reads `content` (of the file `file_name`, for messages). The header must
// name exactly `columns`, and every row must hold that many cells. False
// with `error` ("file:line: message") otherwise.
bool ReadTsvTable(std::string_view file_name, std::string_view content,
                  const std::vector<std::string_view>& columns, std::vector<TsvRow>& rows,
                  std::string& error);

// The comma-separated items of a cell, blanks around them trimmed, empty
// items dropped ("Pehr, Pär" gives Pehr and Pär).
std::vector<std::string> SplitList(std::string_view cell);

}  // namespace vx

#endif  // VX_SAMPLE_TSV_TABLE_H_
