#include "sample/tsv_table.h"

#include <algorithm>

namespace vx {
namespace {

std::string_view Trim(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\r'))
    text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\r'))
    text.remove_suffix(1);
  return text;
}

std::vector<std::string> SplitCells(std::string_view line) {
  std::vector<std::string> cells;
  size_t start = 0;
  while (true) {
    const size_t tab = line.find('\t', start);
    cells.emplace_back(Trim(line.substr(start, tab - start)));
    if (tab == std::string_view::npos) break;
    start = tab + 1;
  }
  return cells;
}

std::string Where(std::string_view file_name, size_t line) {
  return std::string(file_name) + ":" + std::to_string(line) + ": ";
}

}  // namespace

bool ReadTsvTable(std::string_view file_name, std::string_view content,
                  const std::vector<std::string_view>& columns, std::vector<TsvRow>& rows,
                  std::string& error) {
  rows.clear();
  bool header_seen = false;
  size_t line_number = 0;
  size_t start = 0;
  while (start < content.size()) {
    size_t end = content.find('\n', start);
    if (end == std::string_view::npos) end = content.size();
    const std::string_view line = Trim(content.substr(start, end - start));
    start = end + 1;
    ++line_number;
    if (line.empty() || line.front() == '#') continue;
    std::vector<std::string> cells = SplitCells(line);
    if (!header_seen) {
      if (cells.size() != columns.size() ||
          !std::equal(cells.begin(), cells.end(), columns.begin())) {
        error = Where(file_name, line_number) + "oväntade kolumnnamn";
        return false;
      }
      header_seen = true;
      continue;
    }
    if (cells.size() != columns.size()) {
      error = Where(file_name, line_number) + std::to_string(cells.size()) + " celler, väntade " +
              std::to_string(columns.size());
      return false;
    }
    rows.push_back({line_number, std::move(cells)});
  }
  if (!header_seen) {
    error = std::string(file_name) + ": rubrikraden saknas";
    return false;
  }
  return true;
}

std::vector<std::string> SplitList(std::string_view cell) {
  std::vector<std::string> items;
  size_t start = 0;
  while (start <= cell.size()) {
    size_t comma = cell.find(',', start);
    if (comma == std::string_view::npos) comma = cell.size();
    const std::string_view item = Trim(cell.substr(start, comma - start));
    if (!item.empty()) items.emplace_back(item);
    start = comma + 1;
  }
  return items;
}

}  // namespace vx
