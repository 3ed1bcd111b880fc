// Writing source tables as CSV (RFC 4180): a value is put in double quotes,
// its own quotes doubled, when it holds the delimiter, a quote or a line
// break; any other value is written as it stands. Rows end with LF.
#ifndef VX_EXPORT_CSV_WRITER_H_
#define VX_EXPORT_CSV_WRITER_H_

#include <string>
#include <string_view>
#include <vector>

namespace vx {

// True when `value` must be quoted in a table delimited by `delimiter`.
bool CsvNeedsQuotes(std::string_view value, char delimiter);

// Appends `value` to `out` as one CSV value.
void AppendCsvValue(std::string_view value, char delimiter, std::string& out);

// Appends `values` as one row: the values separated by `delimiter`, then LF.
void AppendCsvRow(const std::vector<std::string>& values, char delimiter, std::string& out);

}  // namespace vx

#endif  // VX_EXPORT_CSV_WRITER_H_
