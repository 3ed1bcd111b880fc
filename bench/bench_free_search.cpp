// Free-search list figures: the whole-list scan of every search, in each
// mode, beside memchr over the same bytes.
//
//   bench-free-search [--mb N] [--runs N] [--urvalbufsiz N]
//
// Builds a free-search list of about N MB (default 50) of entry file from
// witness, remark and relative lines of made-up records (one entry per
// distinct line, with the records holding it), with blocks of urvalbufsiz
// bytes (default 1 000 000, as the all-registers list). Then prints the
// median of N runs (default 7) of Search for a rare and a frequent term in
// each mode, in MB of entry file a second, beside memchr over the entry
// file in memory for its rarest byte, a copy through FoldTable, and
// reading the file in blocks.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <random>
#include <string>
#include <unordered_map>
#include <vector>

#include "engine/files/file.h"
#include "engine/lists/free_search_list.h"
#include "engine/lists/free_search_list_writer.h"
#include "engine/text/collation.h"
#include "engine/util/cp1252.h"
#include "tests/support/files.h"

namespace {

using Clock = std::chrono::steady_clock;
using vx::FreeSearchMode;

// Windows-1252: \xe5 å, \xe4 ä, \xf6 ö, \xc5 Å, \xc4 Ä, \xd6 Ö, \xe9 é.
const std::vector<std::string> kMen = {
    "Anders",  "Per",     "Olof",     "Nils",        "Lars",   "Johan",  "Erik",
    "J\xf6ns", "M\xe5ns", "Sven",     "Carl",        "Gustaf", "Jacob",  "Magnus",
    "Petter",  "Israel",  "H\xe5kan", "Bengt",       "Jon",    "Mats",   "Mickel",
    "Pehr",    "Swen",    "Daniel",   "Isak",        "Jonas",  "Henrik", "Zacharias",
    "Hans",    "Eric",    "Abraham",  "Christopher", "Samuel", "Tomas",  "Gabriel"};
const std::vector<std::string> kWomen = {"Anna",
                                         "Maria",
                                         "Kerstin",
                                         "Brita",
                                         "Karin",
                                         "Ingrid",
                                         "Stina",
                                         "M\xe4rta",
                                         "Elin",
                                         "Cajsa",
                                         "Greta",
                                         "Lisa",
                                         "Sara",
                                         "Ingeborg",
                                         "Gertrud",
                                         "Christina",
                                         "Catharina",
                                         "Margareta",
                                         "Helena",
                                         "Elisabet",
                                         "Ingri",
                                         "Gunilla",
                                         "Beata",
                                         "Sigrid",
                                         "Annika",
                                         "Malin",
                                         "Ren\xe9"
                                         "e"};
const std::vector<std::string> kSoldiers = {"Lind",     "St\xe5l", "Modig",  "Rask",
                                            "Frisk",    "Hurtig",  "Granat", "Sk\xf6ld",
                                            "Sv\xe4rd", "Dristig", "Lustig", "Fr\xf6jd"};
const std::vector<std::string> kMenTitles = {"bonden",
                                             "torparen",
                                             "dr\xe4ngen",
                                             "soldaten",
                                             "mj\xf6lnaren",
                                             "smeden",
                                             "klockaren",
                                             "inhysesmannen",
                                             "backstugusittaren",
                                             "g\xe4stgivaren",
                                             "skomakaren",
                                             "husmannen",
                                             "l\xe4nsmannen",
                                             "kyrkov\xe4rden",
                                             "skr\xe4"
                                             "ddaren",
                                             "f\xe4ltj\xe4garen",
                                             "kronobonden",
                                             "bonde\xe4ldsten",
                                             "ryttaren",
                                             "befallningsmannen"};
const std::vector<std::string> kWomenTitles = {"pigan",        "hustru",          "\xe4nkan",
                                               "bondedottern", "torpardottern",   "jungfru",
                                               "mamsell",      "inhyses\xe4nkan", "barnmorskan"};
const std::vector<std::string> kPlaces = {"\xd6stra Tovik",
                                          "V\xe4stra Tovik",
                                          "Kalvbrunn",
                                          "\xc5sen",
                                          "B\xe4"
                                          "cken",
                                          "Sk\xe4llinge",
                                          "Ramsele",
                                          "Hov",
                                          "\xc4lvsbyn",
                                          "\xd6ster\xe5ker",
                                          "Norrby",
                                          "S\xf6"
                                          "derby",
                                          "Lillg\xe5rden",
                                          "Storg\xe5rden",
                                          "Nybygget",
                                          "Kvarnbacken",
                                          "\xc4ngen",
                                          "H\xe4ggeby",
                                          "Valdrisen",
                                          "Br\xe4nnan",
                                          "Sandviken",
                                          "Myrbacken",
                                          "Pr\xe4stg\xe5rden",
                                          "Berga",
                                          "Torp",
                                          "Holmen",
                                          "Lunden",
                                          "Kullen",
                                          "Mossen",
                                          "Bj\xf6rkeby",
                                          "Lugnet",
                                          "Solberga",
                                          "Tj\xe4rn\xe4s",
                                          "Gran\xe4s",
                                          "Stensj\xf6n"};
const std::vector<std::string> kRelations = {
    "barnets farfar", "barnets morbror", "moderns syster", "faderns broder", "grannen",
    "husbonden",      "fosterfadern",    "styvmodern",     "sv\xe5gern",     "kusinen"};

// The rare first name the rare searches look for.
const std::string kRareName = "Bartholomeus";

class LineMaker {
 public:
  explicit LineMaker(uint64_t seed) : random_(seed) {}

  std::string Line() {
    std::string line;
    switch (Pick(12)) {
      case 0:
      case 1:
        line = MenTitle() + " " + Man() + " i " + Place();
        break;
      case 2:
        line = MenTitle() + " " + Man() + " i " + Place() + " med hustru " + Woman();
        break;
      case 3:
        line = WomenTitle() + " " + Woman() + " i " + Place();
        break;
      case 4:
        line = "soldaten " + First(kMen) + " " + Of(kSoldiers) + " i " + Place();
        break;
      case 5:
        line = "modern ogift; fadern uppgiven: " + MenTitle() + " " + Man() + " i " + Place();
        break;
      case 6:
        line = "barnet d\xf6tt " + Year();
        break;
      case 7:
        line =
            "d\xf6"
            "d " +
            std::to_string(1 + Pick(28)) + "/" + std::to_string(1 + Pick(12)) + " " + Year() +
            ", " + std::to_string(1 + Pick(40)) + " veckor gammal";
        break;
      case 8:
        line = Woman() + ", " + MenTitle() + " " + Man() + "s hustru i " + Place();
        break;
      case 9:
        line = "fadern " + MenTitle() + " " + Man() + " i " + Place() + ", " + Of(kRelations);
        break;
      case 10:
        line = "inflyttad fr\xe5n " + Place() + " " + Year();
        break;
      default:
        line = Man() + " i " + Place() + " och " + Woman() + " ibm";
    }
    line[0] = vx::UpperCaseChar(line[0]);
    return line;
  }

 private:
  size_t Pick(size_t n) { return random_() % n; }
  const std::string& Of(const std::vector<std::string>& list) { return list[Pick(list.size())]; }
  // Names by a rough frequency: the first ones of a list far more often.
  const std::string& First(const std::vector<std::string>& list) {
    const size_t a = Pick(list.size());
    return list[Pick(2) == 0 ? a : a / 3];
  }
  std::string Patronymic(const std::string& father, bool son) {
    const std::string base = father.back() == 's' ? father : father + "s";
    return base + (son ? "son" : "dotter");
  }
  std::string Man() {
    if (Pick(20000) == 0) return kRareName + " " + Patronymic(First(kMen), true);
    return First(kMen) + " " + Patronymic(First(kMen), true);
  }
  std::string Woman() { return First(kWomen) + " " + Patronymic(First(kMen), false); }
  std::string MenTitle() { return Of(kMenTitles); }
  std::string WomenTitle() { return Of(kWomenTitles); }
  std::string Place() { return Of(kPlaces); }
  std::string Year() { return std::to_string(1690 + Pick(210)); }

  std::mt19937_64 random_;
};

struct Built {
  uint64_t entry_bytes = 0;
  uint64_t postings_bytes = 0;
  uint32_t entries = 0;
  uint32_t records = 0;
  double seconds = 0;
};

// Lines of records 1, 2, ... (one to three each), one entry per distinct
// line in the order first seen, until the entry file holds about `bytes`.
Built Build(const vx::FreeSearchListProperties& properties, uint64_t bytes) {
  LineMaker maker(1823);
  std::unordered_map<std::string, uint32_t> index;
  std::vector<std::string> texts;
  std::vector<std::vector<uint32_t>> records;
  uint64_t size = 0;
  uint32_t record = 0;
  while (size < bytes) {
    ++record;
    const int lines = 1 + static_cast<int>(record % 3);
    for (int i = 0; i < lines; ++i) {
      std::string line = maker.Line();
      const auto [it, added] = index.try_emplace(line, static_cast<uint32_t>(texts.size()));
      if (added) {
        size += line.size() + 9;
        texts.push_back(std::move(line));
        records.emplace_back();
      }
      std::vector<uint32_t>& held = records[it->second];
      if (held.empty() || held.back() != record) held.push_back(record);
    }
  }
  const auto start = Clock::now();
  vx::FreeSearchListWriter writer(properties);
  bool ok = writer.Create() == vx::FreeSearchListWriter::Status::kOk;
  for (size_t i = 0; ok && i < texts.size(); ++i)
    ok = writer.Add(texts[i], records[i]) == vx::FreeSearchListWriter::Status::kOk;
  ok = ok && writer.Finish() == vx::FreeSearchListWriter::Status::kOk;
  if (!ok) {
    std::fprintf(stderr, "cannot write the free-search list\n");
    std::exit(1);
  }
  Built built;
  built.seconds = std::chrono::duration<double>(Clock::now() - start).count();
  built.entries = static_cast<uint32_t>(texts.size());
  built.records = record;
  return built;
}

double MedianSeconds(int runs, const std::function<void()>& work) {
  std::vector<double> times;
  for (int r = 0; r < runs; ++r) {
    const auto start = Clock::now();
    work();
    times.push_back(std::chrono::duration<double>(Clock::now() - start).count());
  }
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

uint8_t RarestByte(const std::vector<uint8_t>& bytes, uint64_t& count) {
  std::vector<uint64_t> counts(256, 0);
  for (const uint8_t b : bytes)
    ++counts[b];
  const auto rarest = std::min_element(counts.begin(), counts.end());
  count = *rarest;
  return static_cast<uint8_t>(rarest - counts.begin());
}

}  // namespace

int main(int argc, char** argv) {
  uint64_t mb = 50;
  int runs = 7;
  int32_t urvalbufsiz = 1000000;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--mb") == 0 && i + 1 < argc) {
      mb = std::max(1, std::atoi(argv[++i]));
    } else if (std::strcmp(argv[i], "--runs") == 0 && i + 1 < argc) {
      runs = std::max(1, std::atoi(argv[++i]));
    } else if (std::strcmp(argv[i], "--urvalbufsiz") == 0 && i + 1 < argc) {
      urvalbufsiz = std::max(1000, std::atoi(argv[++i]));
    } else {
      std::fprintf(stderr, "usage: bench-free-search [--mb N] [--runs N] [--urvalbufsiz N]\n");
      return 2;
    }
  }

  vx::testing::TempDir dir;
  vx::FreeSearchListProperties properties;
  properties.b1filkat = properties.b2filkat = dir.path().string() + "/";
  properties.b1filnamn = properties.b2filnamn = "vaxor0001s404";
  properties.urvalbufsiz = urvalbufsiz;
  const Built built = Build(properties, mb * 1000000);
  const std::vector<uint8_t> f1 = vx::testing::ReadFileBytes(dir / "vaxor0001s404.f1");
  const uint64_t f2_size = vx::testing::ReadFileBytes(dir / "vaxor0001s404.f2").size();
  const double megabytes = static_cast<double>(f1.size()) / 1e6;
  std::printf(
      "free-search list: %u entries of %u records, entry file %.1f MB, postings %.1f MB,"
      " blocks of %d bytes\n",
      built.entries, built.records, megabytes, static_cast<double>(f2_size) / 1e6, urvalbufsiz);
  std::printf("  written in %.2f s (%.0f MB/s)\n\n", built.seconds, megabytes / built.seconds);

  uint64_t rarest_count = 0;
  const uint8_t rarest = RarestByte(f1, rarest_count);
  int64_t sink = 0;
  const double memchr_s = MedianSeconds(runs, [&] {
    const uint8_t* p = f1.data();
    const uint8_t* end = p + f1.size();
    while (const void* hit = std::memchr(p, rarest, static_cast<size_t>(end - p))) {
      ++sink;
      p = static_cast<const uint8_t*>(hit) + 1;
    }
  });
  std::vector<uint8_t> folded(f1.size());
  const vx::CollationTable& fold = vx::FoldTable();
  const double fold_s = MedianSeconds(runs, [&] {
    for (size_t i = 0; i < f1.size(); ++i)
      folded[i] = fold[f1[i]];
    sink += folded[folded.size() / 2];
  });
  vx::File file;
  file.OpenExisting((dir / "vaxor0001s404.f1").string(), vx::FileAccess::kReadOnly);
  std::vector<uint8_t> block(static_cast<size_t>(urvalbufsiz));
  const double read_s = MedianSeconds(runs, [&] {
    for (uint64_t at = 0; at < file.Size(); at += block.size()) {
      const size_t n = static_cast<size_t>(std::min<uint64_t>(block.size(), file.Size() - at));
      sink += file.ReadAt(at, block.data(), n) ? block[0] : 0;
    }
  });

  std::printf("%-44s %9s %9s %9s %10s\n", "median of runs", "ms", "MB/s", "/memchr", "hits");
  auto row = [&](const char* what, double seconds, int64_t hits) {
    std::printf("%-44s %9.2f %9.0f %9.2f %10lld\n", what, seconds * 1e3, megabytes / seconds,
                seconds / memchr_s, static_cast<long long>(hits));
  };
  char memchr_label[64];
  std::snprintf(memchr_label, sizeof memchr_label, "reference: memchr for byte %02Xh (%llu times)",
                rarest, static_cast<unsigned long long>(rarest_count));
  row(memchr_label, memchr_s, -1);
  row("reference: copy through FoldTable", fold_s, -1);
  row("reference: reading the entry file in blocks", read_s, -1);

  vx::TVXfrisoeklista list;
  list.properties() = properties;
  if (!list.Open()) {
    std::fprintf(stderr, "cannot open the free-search list\n");
    return 1;
  }
  vx::Tvxsmalurval selection;
  selection.Resize(static_cast<int32_t>(built.records));
  struct Query {
    const char* label;
    std::string text;
    FreeSearchMode mode;
  };
  const std::vector<Query> queries = {
      {"contains, rare (bartholomeus)", "bartholomeus", FreeSearchMode::kContains},
      {"contains, a place (tjarnas with a-umlauts)", "TJ\xc4RN\xc4S", FreeSearchMode::kContains},
      {"contains, frequent (anders)", "anders", FreeSearchMode::kContains},
      {"contains, two alternatives (stal;svard)", "st\xe5l;sv\xe4rd", FreeSearchMode::kContains},
      {"begins with, frequent (bonden)", "bonden", FreeSearchMode::kBeginsWith},
      {"begins with, rare (soldaten bartholomeus)", "soldaten bartholomeus",
       FreeSearchMode::kBeginsWith},
      {"equal (barnet dott 1823)", "barnet d\xf6tt 1823", FreeSearchMode::kEqual},
  };
  // The first search after opening also walks every block once to index
  // its entries; later searches reuse the indexes.
  {
    int32_t hits = 0;
    const double s = MedianSeconds(runs, [&] {
      list.Open();
      hits = list.Search("anders", FreeSearchMode::kContains, selection);
    });
    row("contains, frequent, first after opening", s, hits);
  }
  for (const Query& q : queries) {
    int32_t hits = 0;
    list.Search(q.text, q.mode, selection);  // indexes the blocks a term needs
    const double s = MedianSeconds(runs, [&] { hits = list.Search(q.text, q.mode, selection); });
    row(q.label, s, hits);
  }
  // Where the entry file cannot be mapped, blocks are read one at a time.
  list.set_mapping(false);
  list.Open();
  for (const Query& q : {queries[0], queries[2]}) {
    int32_t hits = 0;
    list.Search(q.text, q.mode, selection);  // indexes the blocks
    const double s = MedianSeconds(runs, [&] { hits = list.Search(q.text, q.mode, selection); });
    row(("read in blocks: " + std::string(q.label)).c_str(), s, hits);
  }
  return sink == 42 ? 3 : 0;
}
