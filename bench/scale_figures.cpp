#include "bench/scale_figures.h"

#include <cmath>
#include <cstdio>

namespace vx::bench {
namespace {

// "x2.35", or "-" when the smaller size had nothing to grow from.
std::string Factor(double from, double to) {
  if (from <= 0) return "-";
  char text[32];
  std::snprintf(text, sizeof text, "x%.2f", to / from);
  return text;
}

void PrintSizeRow(const ScaleFigures& s) {
  const double records = static_cast<double>(s.records);
  std::printf(
      "| %10s | %9.1f | %7.1f | %7.1f | %9s | %7.0f | %9.0f | %7.0f | %8.1f | %8.1f | %7.1f | "
      "%8.1f | %8.3f | %8.2f |\n",
      Grouped(s.records).c_str(), s.exempel_s, s.build_s, s.build_cpu_s,
      Grouped(std::llround(records / s.build_s)).c_str(), s.build_peak_mb, s.source_mb, s.set_mb,
      s.set_mb * 1e6 / records, s.lists_mb > 0 ? 100 * s.filters_mb / s.lists_mb : 0.0, s.open_ms,
      s.first_open_ms, s.mix_median_ms, s.slowest_ms);
}

void PrintGrowthRow(const ScaleFigures& a, const ScaleFigures& b) {
  const std::string span = Grouped(a.records) + " -> " + Grouped(b.records);
  std::printf(
      "| %23s | %7s | %7s | %7s | %7s | %7s | %7s | %7s | %7s |\n", span.c_str(),
      Factor(static_cast<double>(a.records), static_cast<double>(b.records)).c_str(),
      Factor(a.build_s, b.build_s).c_str(), Factor(a.build_peak_mb, b.build_peak_mb).c_str(),
      Factor(a.set_mb, b.set_mb).c_str(), Factor(a.open_ms, b.open_ms).c_str(),
      Factor(a.mix_median_ms, b.mix_median_ms).c_str(), Factor(a.slowest_ms, b.slowest_ms).c_str(),
      Factor(static_cast<double>(a.hits), static_cast<double>(b.hits)).c_str());
}

}  // namespace

std::string Grouped(int64_t number) {
  std::string digits = std::to_string(number < 0 ? -number : number);
  for (size_t i = digits.size(); i > 3; i -= 3)
    digits.insert(i - 3, " ");
  return number < 0 ? "-" + digits : digits;
}

void PrintScaleTable(const std::vector<ScaleFigures>& sizes) {
  std::printf(
      "\n| %10s | %9s | %7s | %7s | %9s | %7s | %9s | %7s | %8s | %8s | %7s | %8s | %8s | %8s |\n"
      "|-----------:|----------:|--------:|--------:|----------:|--------:|----------:|--------:|--"
      "-------:|---------:"
      "|--------:|---------:|---------:|---------:|\n",
      "records", "exempel s", "bygg s", "CPU s", "records/s", "peak MB", "source MB", "set MB",
      "B/record", "filter %", "open ms", "1st open", "mix ms", "slowest");
  for (const ScaleFigures& s : sizes)
    PrintSizeRow(s);
  for (const ScaleFigures& s : sizes)
    std::printf("slowest search at %s records: %s\n", Grouped(s.records).c_str(),
                s.slowest_title.c_str());
}

void PrintGrowthTable(const std::vector<ScaleFigures>& sizes) {
  if (sizes.size() < 2) return;
  std::printf(
      "\n| %23s | %7s | %7s | %7s | %7s | %7s | %7s | %7s | %7s |\n"
      "|------------------------:|--------:|--------:|--------:|--------:|--------:|--------:"
      "|--------:|--------:|\n",
      "growth", "records", "bygg", "peak", "set", "open", "mix", "slowest", "hits");
  for (size_t i = 1; i < sizes.size(); ++i)
    PrintGrowthRow(sizes[i - 1], sizes[i]);
}

}  // namespace vx::bench
