// Word-list figures: FindPrefix on a large block-mode list, and marking the
// records of a common prefix.
//
//   bench-word-list [--rows N] [--lookups N]
//
// Writes a list of N (default 500 000) distinct surname-like words in
// AccentOrderTable order, in blocks of 100 rows, with postings (most words
// stand for one record, a few for thousands). Times FindPrefix with the
// first 3 to 6 characters of random rows:
//   cold, opened   a fresh Open before each look-up (Open's own cost shown
//                  apart);
//   cold, random   one open list, a random sequence: the one kept block is
//                  rarely the one needed;
//   warm           each look-up repeated at once.
// Each with and without a key cache of 50. Then FindPrefix + MarkRecords
// over every row of a common prefix. When built with SQLite, the same
// look-ups against an indexed SQLite table with the same collation.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <random>
#include <string>
#include <unordered_set>
#include <vector>

#include "engine/lists/struct_list.h"
#include "engine/lists/word_list_writer.h"
#include "engine/text/collation.h"
#include "tests/support/files.h"

#ifdef VX_BENCH_SQLITE
#include <sqlite3.h>
#endif

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr uint32_t kRecords = 3000000;

double Micros(Clock::duration d) {
  return std::chrono::duration<double, std::micro>(d).count();
}

// Windows-1252: \xe5 å, \xe4 ä, \xf6 ö, \xc5 Å, \xd6 Ö, \xe9 é.
const char* const kStems[] = {"And",
                              "Berg",
                              "Dahl",
                              "Ek",
                              "Fors",
                              "Gran",
                              "Hag",
                              "Holm",
                              "Johan",
                              "Karl",
                              "Lind",
                              "Lund",
                              "Malm",
                              "Nils",
                              "Ols",
                              "Pers",
                              "Sand",
                              "Sj\xf6",
                              "St\xe5l",
                              "Sved",
                              "Tor",
                              "Wall",
                              "\xc5k",
                              "\xd6st",
                              "Str\xf6m",
                              "Bj\xf6rk",
                              "Ceder",
                              "Alm",
                              "Ask",
                              "B\xe4"
                              "ck",
                              "\xc5s",
                              "Hed",
                              "Frid",
                              "Gus",
                              "Erik",
                              "Lars",
                              "Sven",
                              "M\xe5n",
                              "P\xe5l",
                              "J\xf6ns",
                              "Rosen",
                              "Lilje",
                              "Nord",
                              "S\xf6",
                              "V\xe4st",
                              "Gr\xf6n",
                              "H\xf6g",
                              "Myr",
                              "Kvarn",
                              "Ing",
                              "Ulf",
                              "Vik",
                              "Zetter",
                              "Qvarn",
                              "Ren",
                              "Dal",
                              "Fj\xe4ll",
                              "Sl\xe4tt",
                              "Tr\xe4"
                              "d",
                              "Ham"};
const char* const kMiddles[] = {"",   "",   "",   "a",  "e",   "i",     "o", "er",
                                "el", "en", "ar", "is", "ing", "\xe9r", "s", "st"};
const char* const kSuffixes[] = {
    "son", "sson", "dotter", "berg",    "str\xf6m", "lund",   "qvist",  "gren", "man",   "ell",
    "ius", "er",   "ing",    "by",      "torp",     "hult",   "n\xe4s", "\xf6", "\xe5",  "dal",
    "bo",  "sten", "blad",   "f\xe4lt", "mark",     "ros",    "stedt",  "vall", "ander", "in",
    "lin", "ling", "skog",   "kvist",   "backe",    "hammar", "feldt",  "holm", "vik",   "ek"};

template <size_t N>
const char* Pick(const char* const (&items)[N], std::mt19937_64& random) {
  return items[random() % N];
}

std::string Lower(std::string s) {
  for (char& c : s) {
    const auto b = static_cast<unsigned char>(c);
    if ((b >= 'A' && b <= 'Z') || (b >= 0xC0 && b <= 0xDE && b != 0xD7))
      c = static_cast<char>(b + 32);
  }
  return s;
}

std::string Word(std::mt19937_64& random) {
  std::string word = Pick(kStems, random);
  switch (random() % 3) {
    case 0:
      word += Pick(kMiddles, random);
      break;
    case 1:
      word += Lower(Pick(kStems, random));
      break;
    default:
      word += Pick(kMiddles, random) + Lower(Pick(kStems, random));
      break;
  }
  return word + Pick(kSuffixes, random);
}

// Distinct words in list order.
std::vector<std::string> Words(size_t n) {
  std::mt19937_64 random(1823);
  std::unordered_set<std::string> seen;
  std::vector<std::string> words;
  while (words.size() < n) {
    std::string word = Word(random);
    if (seen.insert(word).second) words.push_back(std::move(word));
  }
  const vx::CollationTable& table = vx::AccentOrderTable();
  std::sort(words.begin(), words.end(), [&table](const std::string& a, const std::string& b) {
    return vx::CompareTexts(a.c_str(), b.c_str(), table) < 0;
  });
  return words;
}

// Records of one word: most stand for one record, a few for thousands.
std::vector<uint32_t> Records(std::mt19937_64& random) {
  const uint32_t roll = random() % 100;
  size_t count = 1;
  if (roll >= 99) {
    count = 201 + random() % 2800;
  } else if (roll >= 90) {
    count = 21 + random() % 180;
  } else if (roll >= 60) {
    count = 2 + random() % 19;
  }
  std::vector<uint32_t> records(count);
  for (uint32_t& r : records)
    r = 1 + static_cast<uint32_t>(random() % kRecords);
  std::sort(records.begin(), records.end());
  records.erase(std::unique(records.begin(), records.end()), records.end());
  return records;
}

vx::ListProperties Properties(const fs::path& dir, int32_t hash) {
  vx::ListProperties p;
  p.filkat = p.LZHfilkat = p.rllfilkat = dir.string() + "/";
  p.filnamn = p.LZHfilnamn = "vaxor0001s103";
  p.radmaxlen = 80;
  p.maxrader = 1000000;
  p.LZH = true;
  p.LZHraderperblock = 100;
  p.keepaccent = true;
  p.hash = hash;
  p.finnsBLOB = true;
  p.finnsurval = true;
  return p;
}

uint64_t Build(const vx::ListProperties& p, const std::vector<std::string>& words) {
  std::mt19937_64 random(1745);
  vx::WordListWriter writer(p);
  if (writer.Create() != vx::WordListWriter::Status::kOk) {
    std::fprintf(stderr, "cannot create the list\n");
    std::exit(1);
  }
  uint64_t postings = 0;
  for (const std::string& word : words) {
    const std::vector<uint32_t> records = Records(random);
    postings += records.size();
    if (writer.Append(word, records) != vx::WordListWriter::Status::kOk) {
      std::fprintf(stderr, "row %s refused\n", word.c_str());
      std::exit(1);
    }
  }
  writer.Finish();
  return postings;
}

struct Figure {
  double micros = 0;
  double expansions = 0;
};

// Times FindPrefix over `queries` on an open list; `repeat` look-ups of each.
Figure TimeLookups(vx::TVXstruktlista& list, const std::vector<std::string>& queries, int repeat,
                   const std::vector<std::string>& words) {
  const uint64_t expansions = list.BlockExpansions();
  size_t wrong = 0;
  const auto start = Clock::now();
  for (const std::string& query : queries) {
    for (int i = 0; i < repeat; ++i) {
      const int32_t row = list.FindPrefix(query);
      if (row < 1 || words[static_cast<size_t>(row - 1)].compare(0, query.size(), query) != 0)
        ++wrong;
    }
  }
  const double micros = Micros(Clock::now() - start);
  if (wrong > 0) std::fprintf(stderr, "%zu look-ups found the wrong row\n", wrong);
  const double n = static_cast<double>(queries.size()) * repeat;
  return {micros / n, static_cast<double>(list.BlockExpansions() - expansions) / n};
}

// Fresh Open before each look-up; also the cost of Open + Close alone.
void TimeOpened(const vx::ListProperties& p, const std::vector<std::string>& queries,
                int32_t hash) {
  vx::ListProperties q = p;
  q.hash = hash;
  vx::TVXstruktlista list;
  list.properties() = q;
  const size_t n = std::min<size_t>(queries.size(), 2000);
  auto start = Clock::now();
  for (size_t i = 0; i < n; ++i) {
    list.Open();
    list.Close();
  }
  const double open_micros = Micros(Clock::now() - start) / static_cast<double>(n);
  size_t found = 0;
  start = Clock::now();
  for (size_t i = 0; i < n; ++i) {
    list.Open();
    found += list.FindPrefix(queries[i]) > 0;
    list.Close();
  }
  const double both = Micros(Clock::now() - start) / static_cast<double>(n);
  std::printf("  cold, opened, key cache %2d   %8.1f us a look-up (+ %.1f us Open/Close)%s\n", hash,
              both - open_micros, open_micros, found == n ? "" : "  (some not found!)");
}

void TimeMarking(vx::TVXstruktlista& list, const std::string& prefix) {
  vx::Tvxsmalurval hits;
  hits.Resize(static_cast<int32_t>(kRecords));
  const auto start = Clock::now();
  int32_t row = list.FindPrefix(prefix);
  int32_t rows = 0;
  for (; row > 0 && row <= list.RowCount(); ++row) {
    if (!list.ReadRow(row).ok()) break;
    if (vx::ComparePrefix(prefix.c_str(), list.RowText().c_str(), prefix.size(), list.table()) != 0)
      break;
    list.MarkRecords(hits);
    ++rows;
  }
  hits.Recount();
  const double micros = Micros(Clock::now() - start);
  std::printf("  FindPrefix + MarkRecords \"%s\": %d rows, %d records in %.2f ms\n", prefix.c_str(),
              rows, hits.Count(), micros / 1000);
}

#ifdef VX_BENCH_SQLITE
int CollateVx(void*, int na, const void* a, int nb, const void* b) {
  const vx::CollationTable& table = vx::AccentOrderTable();
  const auto* x = static_cast<const uint8_t*>(a);
  const auto* y = static_cast<const uint8_t*>(b);
  for (int i = 0; i < std::min(na, nb); ++i) {
    if (table[x[i]] != table[y[i]]) return table[x[i]] < table[y[i]] ? -1 : 1;
  }
  return na == nb ? 0 : (na < nb ? -1 : 1);
}

sqlite3* OpenSqlite(const fs::path& file) {
  sqlite3* db = nullptr;
  if (sqlite3_open(file.c_str(), &db) != SQLITE_OK) std::exit(1);
  sqlite3_create_collation(db, "vx", SQLITE_UTF8, nullptr, CollateVx);
  return db;
}

void BuildSqlite(const fs::path& file, const std::vector<std::string>& words) {
  sqlite3* db = OpenSqlite(file);
  sqlite3_exec(db,
               "CREATE TABLE words(word TEXT PRIMARY KEY COLLATE vx, first INTEGER) WITHOUT ROWID;"
               "BEGIN;",
               nullptr, nullptr, nullptr);
  sqlite3_stmt* insert = nullptr;
  sqlite3_prepare_v2(db, "INSERT INTO words VALUES(?1, ?2)", -1, &insert, nullptr);
  for (size_t i = 0; i < words.size(); ++i) {
    sqlite3_bind_text(insert, 1, words[i].data(), static_cast<int>(words[i].size()), SQLITE_STATIC);
    sqlite3_bind_int64(insert, 2, static_cast<int64_t>(i + 1));
    sqlite3_step(insert);
    sqlite3_reset(insert);
  }
  sqlite3_finalize(insert);
  sqlite3_exec(db, "COMMIT;", nullptr, nullptr, nullptr);
  sqlite3_close(db);
}

// The first word not below the query, as FindPrefix's first candidate.
int64_t SqlitePrefix(sqlite3_stmt* find, const std::string& query) {
  sqlite3_bind_text(find, 1, query.data(), static_cast<int>(query.size()), SQLITE_STATIC);
  int64_t row = -1;
  if (sqlite3_step(find) == SQLITE_ROW) {
    const auto* word = static_cast<const char*>(sqlite3_column_blob(find, 0));
    const size_t length = static_cast<size_t>(sqlite3_column_bytes(find, 0));
    if (length >= query.size() && std::memcmp(word, query.data(), query.size()) == 0)
      row = sqlite3_column_int64(find, 1);
  }
  sqlite3_reset(find);
  return row;
}

constexpr const char* kSqlitePrefix =
    "SELECT word, first FROM words WHERE word >= ?1 ORDER BY word LIMIT 1";

void TimeSqlite(const fs::path& dir, const std::vector<std::string>& words,
                const std::vector<std::string>& queries) {
  const fs::path file = dir / "words.sqlite";
  auto start = Clock::now();
  BuildSqlite(file, words);
  std::printf("SQLite peer (indexed table, same collation): built in %.1f s, %.1f MB\n",
              Micros(Clock::now() - start) / 1e6, static_cast<double>(fs::file_size(file)) / 1e6);

  const size_t n = std::min<size_t>(queries.size(), 2000);
  size_t found = 0;
  start = Clock::now();
  for (size_t i = 0; i < n; ++i) {
    sqlite3* db = OpenSqlite(file);
    sqlite3_stmt* find = nullptr;
    sqlite3_prepare_v2(db, kSqlitePrefix, -1, &find, nullptr);
    found += SqlitePrefix(find, queries[i]) > 0;
    sqlite3_finalize(find);
    sqlite3_close(db);
  }
  std::printf("  cold, opened                 %8.1f us (open, prepare, step, close)\n",
              Micros(Clock::now() - start) / static_cast<double>(n));

  sqlite3* db = OpenSqlite(file);
  sqlite3_stmt* find = nullptr;
  sqlite3_prepare_v2(db, kSqlitePrefix, -1, &find, nullptr);
  for (const int repeat : {1, 10}) {
    start = Clock::now();
    for (const std::string& query : queries) {
      for (int i = 0; i < repeat; ++i)
        found += SqlitePrefix(find, query) > 0;
    }
    std::printf("  %-28s %8.1f us a look-up\n", repeat == 1 ? "random, open connection" : "warm",
                Micros(Clock::now() - start) / static_cast<double>(queries.size() * repeat));
  }
  sqlite3_finalize(find);
  sqlite3_close(db);
  if (found == 0) std::printf("  (nothing found)\n");
}
#endif

void PrintFigure(const char* name, const Figure& f) {
  std::printf("  %-28s %8.1f us a look-up, %5.2f blocks expanded\n", name, f.micros, f.expansions);
}

}  // namespace

int main(int argc, char** argv) {
  size_t rows = 500000;
  size_t lookups = 20000;
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string arg = argv[i];
    if (arg == "--rows") {
      rows = std::strtoul(argv[i + 1], nullptr, 10);
    } else if (arg == "--lookups") {
      lookups = std::strtoul(argv[i + 1], nullptr, 10);
    } else {
      std::fprintf(stderr, "usage: bench-word-list [--rows N] [--lookups N]\n");
      return 2;
    }
  }
  vx::testing::TempDir dir;
  const std::vector<std::string> words = Words(rows);
  const vx::ListProperties p = Properties(dir.path(), 0);
  auto start = Clock::now();
  const uint64_t postings = Build(p, words);
  const double build = Micros(Clock::now() - start) / 1e6;
  std::printf(
      "Word list: %zu rows, %llu postings, built in %.1f s; row file %.1f MB, postings %.1f MB\n",
      rows, static_cast<unsigned long long>(postings), build,
      static_cast<double>(fs::file_size(dir / "vaxor0001s103.i")) / 1e6,
      static_cast<double>(fs::file_size(dir / "vaxor0001s103.b1")) / 1e6);

  std::mt19937_64 random(99);
  std::vector<std::string> queries;
  for (size_t i = 0; i < lookups; ++i) {
    const std::string& word = words[random() % words.size()];
    queries.push_back(word.substr(0, 3 + random() % 4));
  }

  std::printf("FindPrefix, blocks of 100 rows:\n");
  for (const int32_t hash : {0, 50})
    TimeOpened(p, queries, hash);
  for (const int32_t hash : {0, 50}) {
    vx::TVXstruktlista list;
    list.properties() = Properties(dir.path(), hash);
    if (!list.Open()) return 1;
    const std::string suffix = hash == 0 ? "" : ", key cache 50";
    PrintFigure(("cold, random" + suffix).c_str(), TimeLookups(list, queries, 1, words));
    PrintFigure(("warm" + suffix).c_str(), TimeLookups(list, queries, 10, words));
  }
  {
    vx::TVXstruktlista list;
    list.properties() = p;
    if (!list.Open()) return 1;
    TimeMarking(list, "Berg");
    TimeMarking(list, "Lindberg");
  }
#ifdef VX_BENCH_SQLITE
  TimeSqlite(dir.path(), words, queries);
#endif
  return 0;
}
