#include "tools/sok_help.h"

#include <algorithm>

#include "engine/util/cp1252.h"
#include "language/message_id.h"
#include "search/search_forms.h"
#include "tools/cli_io.h"
#include "tools/sok_request.h"

namespace vx::cli {
namespace {

constexpr const char* kRegisterNames[] = {"", "fodda", "vigda", "doda"};

// "  --fn, --fn-rader     Förnamn": the prefixes as they are, the caption
// in the program's language.
std::string FieldLine(const FormField& field) {
  std::string option = "--" + std::string(field.prefix);
  if (field.ListBacked()) option += ", " + option + "-rader";
  option.resize(std::max<size_t>(option.size() + 2, 32), ' ');
  return "  " + option + Cp1252ToUtf8(ShownFormText(field.caption, CurrentLanguage())) + "\n";
}

}  // namespace

std::string SokHelp() {
  std::string text = SokUsage();
  text += Said(MessageId::SokHelpFields);
  for (int r = 1; r <= 3; ++r) {
    text += kRegisterNames[r] + std::string(":\n");
    for (const FormField& field : SearchForm(r).fields)
      text += FieldLine(field);
  }
  for (MessageId part : {MessageId::SokHelpCriteria, MessageId::SokHelpOutput,
                         MessageId::SokHelpPrinting, MessageId::SokHelpExitCodes})
    text += Said(part);
  return text;
}

}  // namespace vx::cli
