#include "engine/lists/free_search_terms.h"

#include "engine/text/text_helpers.h"
#include "engine/util/cp1252.h"

namespace vx {
namespace {

bool IsBlankOrControl(char c) {
  return static_cast<unsigned char>(c) <= 0x20;
}

std::string Trimmed(const std::string& s) {
  size_t begin = 0;
  size_t end = s.size();
  while (begin < end && IsBlankOrControl(s[begin]))
    ++begin;
  while (end > begin && IsBlankOrControl(s[end - 1]))
    --end;
  return s.substr(begin, end - begin);
}

}  // namespace

std::vector<std::string> FreeSearchTerms(std::string_view text) {
  std::string rest = Trimmed(UpperCase(std::string(text)));
  std::vector<std::string> terms;
  while (!rest.empty()) {
    std::string term = NextWord(";", rest);
    const size_t zero = term.find('\0');
    if (zero != std::string::npos) term.resize(zero);
    terms.push_back(std::move(term));
  }
  return terms;
}

}  // namespace vx
