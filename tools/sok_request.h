// What kuvo-sok is asked to do, read from its command line:
//
//   kuvo-sok [--ini FILE] fodda|vigda|doda [--PREFIX TEXT]... [--PREFIX-rader ORD;ORD]
//            [--lokalid TEXT] [--ordning namn|datum] [--format tsv|json|csv|gedcom] [--visa]
//   kuvo-sok [--ini FILE] fodda|vigda|doda [search as above] --pdf FILE [--tabell]
//            [--ordning namn|datum|kalla] [--fran N] [--till N]
//   kuvo-sok [--ini FILE] alla TEXT [--format tsv|json]
//   kuvo-sok [--ini FILE] samband fodda|vigda|doda --lokalid TEXT [--format tsv|json]
//
// Texts arrive in UTF-8 and stay so here; the caller converts them.
#ifndef VX_TOOLS_SOK_REQUEST_H_
#define VX_TOOLS_SOK_REQUEST_H_

#include <string>
#include <vector>

#include "engine/util/message.h"

namespace vx::cli {

struct FieldArgument {
  std::string prefix;
  std::string text;          // typed text, or for "rader" the words separated by ";"
  bool picked_rows = false;  // --PREFIX-rader
};

struct SokRequest {
  std::string ini;          // empty: kuvo.ini beside the program
  int register_number = 0;  // 1..3, or 0 for "alla"
  std::string all_text;     // the text of "alla"
  bool links = false;       // "samband": the records of the same life as --lokalid
  std::vector<FieldArgument> fields;
  std::string lokalid;
  bool has_lokalid = false;
  bool by_date = false;
  bool json = false;
  bool csv = false;     // the hits as a source table the builder reads
  bool gedcom = false;  // the hits as a GEDCOM file
  bool show_text = false;
  // Printing to a PDF file.
  std::string pdf;       // the file; empty: no printing
  bool table = false;    // --tabell
  int print_order = 2;   // 1 date, 2 name, 3 source
  std::string from, to;  // the range as given; empty: unbounded
  bool help = false;     // --help or -h anywhere: the help text, nothing else
  bool version = false;  // --version
};

// Reads the arguments after the program name. False with `error` set (its
// arguments UTF-8) on wrong usage. Field prefixes are checked later against
// the register's form.
bool ParseSokArguments(const std::vector<std::string>& args, SokRequest& request, Message& error);

// The usage text in the program's language, ending with a line break.
std::string SokUsage();

}  // namespace vx::cli

#endif  // VX_TOOLS_SOK_REQUEST_H_
