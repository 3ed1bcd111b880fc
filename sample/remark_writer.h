// Writes the remarks of the sample records (OVRIGT, REGANM) from the remark
// list, filling in the placeholders: {ort} a place of the record's parish,
// {socken} another parish of the region, {namn} a man's and {kvinna} a
// woman's name as the source writes them, {tal} a small number.
#ifndef VX_SAMPLE_REMARK_WRITER_H_
#define VX_SAMPLE_REMARK_WRITER_H_

#include <cstddef>
#include <string>
#include <string_view>

#include "sample/name_speller.h"
#include "sample/sample_random.h"
#include "sample/sample_vocabulary.h"

namespace vx {

class RemarkWriter {
 public:
  RemarkWriter(const SampleVocabulary& vocabulary, NameSpeller& speller, SampleRandom& random)
      : vocabulary_(vocabulary), speller_(speller), random_(random) {}

  // Appends one remark of `register_number` with `condition` (OVRIGT, or
  // REGANM when `register_remark`) for a record of `parish` to `out`,
  // after a line break when `out` is not empty. False when the list has no
  // such remark.
  bool Append(int register_number, bool register_remark, std::string_view condition, size_t parish,
              std::string& out);

  // Appends `lines` remarks (a long remark of several lines), the first of
  // `condition`, the others general ones.
  void AppendLong(int register_number, std::string_view condition, size_t parish, int lines,
                  std::string& out);

 private:
  void Expand(std::string_view text, size_t parish, std::string& out);

  const SampleVocabulary& vocabulary_;
  NameSpeller& speller_;
  SampleRandom& random_;
};

}  // namespace vx

#endif  // VX_SAMPLE_REMARK_WRITER_H_
