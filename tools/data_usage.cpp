#include <cstdio>

#include "tools/data_commands.h"

namespace vx::cli {

int DataUsage() {
  std::fputs(
      "Användning:\n"
      "  kuvo-data pack [--metod NON|RLE|LZH|LH5] < indata > ström\n"
      "      komprimerar standard in till en komprimerad ström (standard LH5)\n"
      "  kuvo-data unpack < ström > utdata\n"
      "      packar upp en komprimerad ström\n"
      "  kuvo-data info FIL\n"
      "      beskriver vad filen innehåller\n",
      stderr);
  return 2;
}

}  // namespace vx::cli
