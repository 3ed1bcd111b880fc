// The synthetic sample source: a source folder in the format the builder
// reads, with invented but realistic records of one region of Sweden
// (Kinne härad in Skaraborgs län, late 1600s to 1900), its own heading and
// About text, and the program's help texts.
//
// The folder holds fodda.csv, vigda.csv and doda.csv (UTF-8 without BOM,
// ';'-delimited, LF line ends, a header row naming every field of the
// register by its label without the kind digit, RFC 4180 quoting),
// register.txt and hjalp/HJ000.txt ... hjalp/HJ009.txt and hjalp/HJ005A.txt, with
// their English versions in hjalp/en/.
// The records are those of simulated lives (sample_lives.h), and
// samband.tsv beside them says which belong together (life_links.h). The
// same options always give the same bytes.
#ifndef VX_SAMPLE_SAMPLE_SOURCE_H_
#define VX_SAMPLE_SAMPLE_SOURCE_H_

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>

namespace vx {

struct SampleSourceOptions {
  int64_t births = 3000;
  int64_t marriages = 1200;
  int64_t deaths = 2400;
  uint64_t seed = 1;
  // Told of long work ("Skriver fodda.csv: 3000 poster"), in UTF-8; may be
  // empty.
  std::function<void(const std::string& message)> progress;
};

// Writes the sample source into `directory`, which is created when missing;
// files of the same names in it are replaced, others left alone. False with
// `error` set (a Swedish message in UTF-8) when a folder or file cannot be
// created or written.
bool WriteSampleSource(const std::filesystem::path& directory, const SampleSourceOptions& options,
                       std::string& error);

}  // namespace vx

#endif  // VX_SAMPLE_SAMPLE_SOURCE_H_
