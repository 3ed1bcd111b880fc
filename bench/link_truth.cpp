#include "bench/link_truth.h"

#include <fstream>
#include <functional>
#include <map>
#include <string_view>
#include <utility>

namespace vx::bench {
namespace {

// The kind of a row read backwards, or "" when the register has no such
// kind.
std::string_view ReverseKind(std::string_view kind) {
  if (kind == "dod") return "fodd";
  if (kind == "mannens-fodelse" || kind == "hustruns-fodelse") return "vigsel";
  if (kind == "syskon") return "syskon";
  return {};
}

uint64_t Hash(std::string_view id, std::string_view kind, uint64_t seed) {
  uint64_t hash = 0xCBF29CE484222325u ^ seed;
  for (const std::string_view part : {id, std::string_view("\t"), kind}) {
    for (const char c : part) {
      hash ^= static_cast<uint8_t>(c);
      hash *= 0x100000001B3u;
    }
  }
  return hash;
}

// Calls `row` with (from, to, kind) for every row after the header.
bool ReadRows(
    const std::filesystem::path& tsv, std::string& error,
    const std::function<void(std::string_view, std::string_view, std::string_view)>& row) {
  std::ifstream in(tsv);
  if (!in) {
    error = "Kan inte läsa " + tsv.string();
    return false;
  }
  std::string line;
  std::getline(in, line);
  while (std::getline(in, line)) {
    const size_t first = line.find('\t');
    const size_t second = line.find('\t', first + 1);
    if (first == std::string::npos || second == std::string::npos) continue;
    const std::string_view text(line);
    row(text.substr(0, first), text.substr(first + 1, second - first - 1), text.substr(second + 1));
  }
  return true;
}

}  // namespace

bool SampleTruth(const std::filesystem::path& tsv, size_t per_kind, uint64_t seed,
                 std::vector<TruthQuery>& queries, std::string& error) {
  // The records of each kind with the smallest hashes: an even sample of
  // the records, not of the rows.
  std::map<std::string, std::map<uint64_t, std::string>, std::less<>> chosen;
  auto offer = [&](std::string_view id, std::string_view kind) {
    if (kind.empty()) return;
    auto& sample = chosen.try_emplace(std::string(kind)).first->second;
    const uint64_t hash = Hash(id, kind, seed);
    if (sample.size() >= per_kind && hash >= sample.rbegin()->first) return;
    sample.emplace(hash, std::string(id));
    if (sample.size() > per_kind) sample.erase(std::prev(sample.end()));
  };
  if (!ReadRows(tsv, error, [&](std::string_view from, std::string_view to, std::string_view kind) {
        offer(from, kind);
        offer(to, ReverseKind(kind));
      })) {
    return false;
  }
  std::map<std::pair<std::string, std::string>, size_t> index;  // (id, kind) -> query
  queries.clear();
  for (const auto& [kind, sample] : chosen) {
    for (const auto& [hash, id] : sample) {
      index.emplace(std::make_pair(id, kind), queries.size());
      queries.push_back({id, kind, {}});
    }
  }
  auto gather = [&](std::string_view id, std::string_view kind, std::string_view target) {
    if (kind.empty()) return;
    const auto at = index.find(std::make_pair(std::string(id), std::string(kind)));
    if (at != index.end()) queries[at->second].targets.emplace_back(target);
  };
  return ReadRows(tsv, error,
                  [&](std::string_view from, std::string_view to, std::string_view kind) {
                    gather(from, kind, to);
                    gather(to, ReverseKind(kind), from);
                  });
}

}  // namespace vx::bench
