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
      "  kuvo-data bygg KÄLLMAPP DATAMAPP [--registernr N]\n"
      "      bygger registerfilerna ur källmappens fodda.csv, vigda.csv, doda.csv,\n"
      "      register.txt och hjalp/ (registernummer 1 om inget anges)\n"
      "  kuvo-data info FIL\n"
      "      beskriver vad filen innehåller\n"
      "  kuvo-data exempel KÄLLMAPP [--fodda N] [--vigda N] [--doda N] [--fro S]\n"
      "      skriver en påhittad exempelkälla (standard 3000 födda, 1200 vigda,\n"
      "      2400 döda, frö 1); samma val ger alltid samma filer\n",
      stderr);
  return 2;
}

}  // namespace vx::cli
