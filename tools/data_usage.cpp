#include <cstdio>
#include <string_view>

#include "tools/data_commands.h"

namespace vx::cli {
namespace {

struct CommandUsage {
  std::string_view name;
  const char* text;  // synopsis and description, each line ending with a line break
};

constexpr CommandUsage kCommands[] = {
    {"pack",
     "  kuvo-data pack [--metod NON|RLE|LZH|LH5] < indata > ström\n"
     "      komprimerar standard in till en komprimerad ström (standard LH5)\n"},
    {"unpack",
     "  kuvo-data unpack < ström > utdata\n"
     "      packar upp en komprimerad ström\n"},
    {"bygg",
     "  kuvo-data bygg KÄLLMAPP DATAMAPP [--registernr N] [--minne MB] [--tradar 1|2]\n"
     "      bygger registerfilerna ur källmappens fodda.csv, vigda.csv, doda.csv,\n"
     "      register.txt, hjalp/ och bilder/ (registernummer 1 om inget anges);\n"
     "      bilder/logovaxor.png blir registrets logotyp. Det som inte ryms i\n"
     "      minnet (standard 2048 MB) sorteras i tillfälliga filer bredvid datamappen;\n"
     "      med --tradar 1 görs allt i en tråd (standard 2), filerna blir desamma\n"},
    {"bilder",
     "  kuvo-data bilder DATAMAPP UTMAPP\n"
     "      skriver varje bild i datamappens bildbaser som en fil i utmappen\n"},
    {"info",
     "  kuvo-data info FIL\n"
     "      beskriver vad filen innehåller\n"},
    {"exempel",
     "  kuvo-data exempel KÄLLMAPP [--fodda N] [--vigda N] [--doda N] [--fro S]\n"
     "      skriver en påhittad exempelkälla (standard 3000 födda, 1200 vigda,\n"
     "      2400 döda, frö 1); samma val ger alltid samma filer\n"},
};

}  // namespace

bool IsDataCommand(std::string_view command) {
  for (const CommandUsage& usage : kCommands) {
    if (usage.name == command) return true;
  }
  return false;
}

void PrintDataUsage(std::FILE* out, std::string_view command) {
  std::fputs("Användning:\n", out);
  for (const CommandUsage& usage : kCommands) {
    if (command.empty() || usage.name == command) std::fputs(usage.text, out);
  }
  if (command.empty()) {
    std::fputs(
        "  kuvo-data --help | --version\n"
        "Varje kommando visar sin egen hjälp med --help.\n",
        out);
  }
}

int DataUsage(std::string_view command) {
  PrintDataUsage(stderr, command);
  return 2;
}

}  // namespace vx::cli
