#include "builder/norm_rows.h"

#include <algorithm>

#include "builder/register_schema.h"
#include "engine/text/collation.h"
#include "language/message_id.h"

namespace vx {
namespace {

// Kind of a first name from a sex field: women "k", men "m".
int KindFromSex(std::string_view sex) {
  if (sex.empty()) return 0;
  const char c = static_cast<char>(sex[0] | 0x20);
  return c == 'k' ? kNormWomansName : c == 'm' ? kNormMansName : 0;
}

int Fold(const std::string& a, const std::string& b) {
  const int c = CompareTexts(a.c_str(), b.c_str(), FoldTable());
  return c != 0 ? c : a.compare(b) < 0 ? -1 : a == b ? 0 : 1;
}

}  // namespace

bool NormRows::Add(int register_number, const RecordFields& record, const std::string& file,
                   size_t line, SourceError& error) {
  for (const NormPair& pair : SchemaOf(register_number).norm_pairs) {
    const std::string_view written = record(pair.written);
    if (written.empty()) continue;
    const int kind = pair.kind != 0 ? pair.kind : KindFromSex(record(pair.sex_field));
    if (kind == 0) continue;
    const std::string addition(kind == kNormPlace ? record("FORSKX") : "");
    const std::string_view plain = record(pair.plain);
    // Kind, separators and a count of up to ten digits.
    const size_t length = 1 + plain.size() + written.size() + addition.size() + 4 + 10;
    if (length > kMaxRowText) {
      error =
          SaidError(file, line, {MessageId::BuilderNormFieldsTooLong, {pair.plain, pair.written}});
      return false;
    }
    ++counts_[{kind, std::string(plain), std::string(written), addition}];
  }
  return true;
}

void NormRows::Merge(const NormRows& other) {
  for (const auto& [key, count] : other.counts_)
    counts_[key] += count;
}

std::vector<std::string> NormRows::SortedRowTexts() const {
  std::vector<std::pair<Key, uint32_t>> rows(counts_.begin(), counts_.end());
  std::sort(rows.begin(), rows.end(), [](const auto& a, const auto& b) {
    const auto& [kind_a, plain_a, written_a, addition_a] = a.first;
    const auto& [kind_b, plain_b, written_b, addition_b] = b.first;
    if (kind_a != kind_b) return kind_a < kind_b;
    if (const int c = Fold(plain_a, plain_b); c != 0) return c < 0;
    if (const int c = Fold(written_a, written_b); c != 0) return c < 0;
    return Fold(addition_a, addition_b) < 0;
  });
  std::vector<std::string> texts;
  texts.reserve(rows.size());
  for (const auto& [key, count] : rows) {
    const auto& [kind, plain, written, addition] = key;
    std::string text = std::to_string(kind) + '\r' + plain + '\r' + written + '\r';
    if (kind == kNormPlace) text += addition + '\r';
    texts.push_back(text + std::to_string(count));
  }
  return texts;
}

}  // namespace vx
