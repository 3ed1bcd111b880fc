// The list and text files of data/ (names, places, titles, causes of death,
// remarks, help texts, the sample register's own texts), compiled into the
// program at build time so that it needs no data files at run time.
#ifndef VX_SAMPLE_EMBEDDED_DATA_H_
#define VX_SAMPLE_EMBEDDED_DATA_H_

#include <string_view>
#include <vector>

namespace vx {

struct EmbeddedFile {
  std::string_view name;     // path below data/, with '/' ("hjalp/HJ000.txt")
  std::string_view content;  // the file's bytes (UTF-8)
};

// Every embedded file, ordered by name.
const std::vector<EmbeddedFile>& EmbeddedDataFiles();

}  // namespace vx

#endif  // VX_SAMPLE_EMBEDDED_DATA_H_
