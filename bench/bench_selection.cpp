// Figures of the selections: the set operations every search runs, reading
// postings into a selection, and walking the hits.
//
//   bench-selection [--runs N]
//
// Prints the median of N runs (default 9) of each figure.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <random>
#include <vector>

#include "engine/lists/postings_writer.h"
#include "engine/lists/selection.h"
#include "engine/util/byte_reader.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int32_t kBits = 5000000;
constexpr size_t kPostings = 1000000;

// Median seconds of `runs` calls of `work`, each repeated `repeat` times.
double MedianSeconds(int runs, int repeat, const std::function<void()>& work) {
  std::vector<double> times;
  for (int r = 0; r < runs; ++r) {
    const auto start = Clock::now();
    for (int i = 0; i < repeat; ++i)
      work();
    times.push_back(std::chrono::duration<double>(Clock::now() - start).count() / repeat);
  }
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

void FillRandomly(vx::Tvxsmalurval& s, std::mt19937& random, uint32_t percent) {
  s.Resize(kBits);
  for (int32_t i = 1; i <= kBits; ++i)
    s.SetBit(i, random() % 100 < percent);
}

// A run of kPostings numbers with the gaps of a common name's postings:
// mostly one-byte codes, a few longer ones.
std::vector<uint8_t> MakeRun(std::mt19937& random, int32_t& last) {
  std::vector<uint32_t> numbers;
  uint32_t n = 0;
  while (numbers.size() < kPostings) {
    n += random() % 200 == 0 ? 255 + random() % 1000 : 1 + random() % 8;
    numbers.push_back(n);
  }
  last = static_cast<int32_t>(n);
  std::vector<uint8_t> run;
  vx::AppendPostings(numbers, run);
  return run;
}

}  // namespace

int main(int argc, char** argv) {
  int runs = 9;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--runs") == 0 && i + 1 < argc) {
      runs = std::max(1, std::atoi(argv[++i]));
    } else {
      std::fprintf(stderr, "usage: bench-selection [--runs N]\n");
      return 2;
    }
  }
  std::mt19937 random(42);
  vx::Tvxsmalurval a, b, hits;
  FillRandomly(a, random, 50);
  FillRandomly(b, random, 50);
  FillRandomly(hits, random, 1);
  vx::Tvxsmalurval work;
  work.Resize(kBits);

  int64_t sink = 0;
  const double and_s = MedianSeconds(runs, 50, [&] {
    work.Assign(a);
    work.And(b);
  });
  const double assign_s = MedianSeconds(runs, 50, [&] { work.Assign(a); });
  const double recount_s = MedianSeconds(runs, 50, [&] { sink += work.Recount(); });
  const double next_s = MedianSeconds(runs, 10, [&] {
    for (int32_t k = 0; hits.Next(k);)
      sink += k;
  });

  int32_t last = 0;
  const std::vector<uint8_t> run = MakeRun(random, last);
  vx::Tvxsmalurval loaded;
  loaded.Resize(last);
  const double load_s = MedianSeconds(runs, 5, [&] {
    loaded.Clear();
    vx::SpanByteReader reader(run);
    loaded.LoadPostings(reader, kPostings, true);
  });
  if (loaded.Count() != static_cast<int32_t>(kPostings) || loaded.Recount() != loaded.Count()) {
    std::fprintf(stderr, "postings read wrongly: %d numbers\n", loaded.Count());
    return 1;
  }

  const double us = 1e6;
  std::printf("selections of %d bits, median of %d runs\n", kBits, runs);
  std::printf("  And (after an Assign)       %8.1f us  (Assign alone %.1f us)\n", and_s * us,
              assign_s * us);
  std::printf("  And alone, estimated        %8.1f us\n", (and_s - assign_s) * us);
  std::printf("  Recount                     %8.1f us  (%d bits set)\n", recount_s * us,
              work.Count());
  std::printf("  Next over 1%% set (%d hits) %8.1f us  %.2f ns a hit\n", hits.Recount(),
              next_s * us, next_s * 1e9 / hits.Count());
  std::printf("LoadPostings of %zu numbers (%zu bytes) %8.1f us  %.0f million numbers/s\n",
              kPostings, run.size(), load_s * us, kPostings / load_s / 1e6);
  return sink == 42 ? 3 : 0;
}
