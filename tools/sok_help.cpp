#include "tools/sok_help.h"

#include <algorithm>

#include "engine/util/cp1252.h"
#include "search/search_forms.h"
#include "tools/sok_request.h"

namespace vx::cli {
namespace {

constexpr const char* kRegisterNames[] = {"", "fodda", "vigda", "doda"};

// "  --fn, --fn-rader     Förnamn"
std::string FieldLine(const FormField& field) {
  std::string option = "--" + std::string(field.prefix);
  if (field.ListBacked()) option += ", " + option + "-rader";
  option.resize(std::max<size_t>(option.size() + 2, 32), ' ');
  return "  " + option + Cp1252ToUtf8(std::string(field.caption)) + "\n";
}

}  // namespace

std::string SokHelp() {
  std::string text = SokUsage();
  text += "\nFält per register (--PREFIX-rader finns för fält med ordlista):\n";
  for (int r = 1; r <= 3; ++r) {
    text += kRegisterNames[r] + std::string(":\n");
    for (const FormField& field : SearchForm(r).fields)
      text += FieldLine(field);
  }
  text +=
      "\nSökvillkor, som i formulärets fält:\n"
      "  and          börjar med and\n"
      "  A*son        börjar med A och slutar med son\n"
      "  *son         slutar med son\n"
      "  *ers*        innehåller ers (*ers*2: och slutar med 2)\n"
      "  \"Anders\"     exakt Anders\n"
      "  Berg;Ek      något av alternativen, skilda med ;\n"
      "  Anna Maria   i förnamnsfält: båda namnen\n"
      "  Datum: 1780 (ett år), 1780-1789 (intervall), 17800312 (en dag), -1789 och 1780-\n"
      "  (öppna ändar).\n"
      "  Fritextfält (fritt) söker texten var som helst i raden: Olsson innehåller\n"
      "  Olsson, Olsson* börjar med Olsson, \"Per Olsson\" är exakt raden. En * först\n"
      "  tas bort: *Olsson* och *Olsson söker som Olsson.\n"
      "  --PREFIX-rader ORD;ORD bockar för orden i fältets ordlista, som i ordlistan.\n"
      "\nUtdata: en träff per rad, register TAB postnummer TAB namn TAB datum;\n"
      "--visa lägger till postens text och en tom rad; --format json ger en JSON-lista;\n"
      "--format csv ger träffarnas poster som en källtabell (UTF-8, ;) som kuvo-data bygg\n"
      "läser igen; --format gedcom ger dem som en GEDCOM-fil (5.5.1, UTF-8) för\n"
      "släktforskningsprogram.\n"
      "Antalet träffar skrivs på standard fel.\n"
      "\nUtskrift: --pdf FIL skriver träffarna till en PDF-fil (A4) som programmets\n"
      "utskrift gör: alla uppgifter post för post, eller med --tabell en rad per post.\n"
      "--ordning namn|datum|kalla ordnar (kalla grupperar efter källa), --fran N och\n"
      "--till N skriver bara ut post N till M i den ordningen. Högst 10 000 poster.\n"
      "\nSlutkoder: 0 klart (även utan träffar), 1 ett fel som användaren kan rätta,\n"
      "2 felaktig användning.\n";
  return text;
}

}  // namespace vx::cli
