// kuvo-sok: searches a register set from the command line, field by field
// as the search forms do, and lists the hits as the result table does. A
// thin client of the session: it turns arguments into the session's calls
// and its answers into lines.
#include <cstdio>
#include <string>
#include <vector>

#include "catalogue/text_routines.h"
#include "engine/util/cp1252.h"
#include "engine/util/version.h"
#include "language/language.h"
#include "language/message_id.h"
#include "records/field_rules.h"
#include "search/search_forms.h"
#include "session/session.h"
#include "tools/cli_io.h"
#include "tools/sok_help.h"
#include "tools/sok_links.h"
#include "tools/sok_output.h"
#include "tools/sok_pdf.h"
#include "tools/sok_request.h"

namespace vx::cli {
namespace {

constexpr const char* kRegisterNames[] = {"", "fodda", "vigda", "doda"};

// How kuvo-sok ends: 1 an error the user can fix, 2 wrong usage.
struct Failure {
  int exit_code;
  std::string message;  // UTF-8
};

std::string ToData(const std::string& utf8) {
  std::string data;
  if (!Utf8ToCp1252(utf8, data)) {
    throw Failure{1, Said(MessageId::SokNotWindows1252, {utf8})};
  }
  return data;
}

void Check(const Status& status) {
  if (!status.ok()) throw Failure{1, StatusText(status)};
}

// The form's fields from the field arguments; a prefix the form lacks is
// wrong usage.
std::vector<FieldEntry> FormFields(int r, const std::vector<FieldArgument>& arguments) {
  std::vector<FieldEntry> fields;
  for (const FieldArgument& argument : arguments) {
    const FormField* field = SearchForm(r).Field(argument.prefix);
    if (field == nullptr) {
      throw Failure{2, Said(MessageId::SokFormLacksField, {kRegisterNames[r], argument.prefix})};
    }
    if (argument.picked_rows && !field->ListBacked()) {
      throw Failure{2, Said(MessageId::SokFieldWithoutList, {argument.prefix})};
    }
    fields.push_back(argument.picked_rows
                         ? FieldEntry::Picked(argument.prefix, delatext(ToData(argument.text), ';'))
                         : FieldEntry::Typed(argument.prefix, ToData(argument.text)));
  }
  return fields;
}

void CollectHits(Session& session, int r, bool by_date, bool show_text, std::vector<SokHit>& hits) {
  std::vector<HitRow> rows;
  Check(session.Hits(r, by_date, rows));
  for (HitRow& row : rows) {
    SokHit hit{kRegisterNames[r], row.record, std::move(row.name), std::move(row.date), {}};
    if (hit.name.empty()) hit.name = CatalogueText(MessageId::RecordNoName, CurrentLanguage());
    if (show_text) Check(session.RecordText(r, hit.record, false, hit.text));
    hits.push_back(std::move(hit));
  }
}

std::vector<SokHit> Search(Session& session, const SokRequest& request) {
  std::vector<SokHit> hits;
  if (request.register_number == 0) {
    Check(session.SearchAll(ToData(request.all_text)));
    for (int r = 1; r <= 3; ++r) {
      if (session.RegisterOn(r)) CollectHits(session, r, false, false, hits);
    }
    return hits;
  }
  const int r = request.register_number;
  if (request.has_lokalid) {
    Check(session.SearchLokalId(r, ToData(request.lokalid)));
  } else {
    const std::vector<FieldEntry> fields = FormFields(r, request.fields);
    std::vector<UnknownWord> unknown;
    const Status status = session.SearchByForm(r, fields, &unknown);
    for (const UnknownWord& word : unknown) {
      PrintError(Said(MessageId::SokUnknownWord, {Cp1252ToUtf8(word.word), word.prefix}));
    }
    Check(status);
  }
  CollectHits(session, r, request.by_date, request.show_text, hits);
  return hits;
}

// "samband": the records of the same life as the record of --lokalid.
int PrintLinks(Session& session, const SokRequest& request) {
  uint32_t record = 0;
  Check(session.RecordOfLokalId(request.register_number, ToData(request.lokalid), record));
  std::vector<LinkCandidate> candidates;
  Check(session.Candidates(request.register_number, record, candidates));
  PrintCandidates(candidates, request.json, stdout, session.language());
  PrintError(Said(MessageId::SokLinkCount, {std::to_string(candidates.size())}));
  return 0;
}

int Run(std::vector<std::string> args) {
  SokRequest request;
  std::string language_error;
  Language language = Language::kSwedish;
  if (!TakeLanguageOption(args, LocaleOfProcess(), language, language_error)) {
    PrintError("kuvo-sok: " + language_error);
    std::fputs(SokUsage().c_str(), stderr);
    return 2;
  }
  SetLanguage(language);
  Message usage_error;
  if (!ParseSokArguments(args, request, usage_error)) {
    PrintError("kuvo-sok: " + Said(usage_error));
    std::fputs(SokUsage().c_str(), stderr);
    return 2;
  }
  if (request.help) {
    std::fputs(SokHelp().c_str(), stdout);
    return 0;
  }
  if (request.version) {
    std::printf("kuvo-sok %s\n", ProgramVersion());
    return 0;
  }
  try {
    Session session;
    session.SetLanguage(CurrentLanguage());
    Check(session.Open(request.ini));
    if (request.links) return PrintLinks(session, request);
    const std::vector<SokHit> hits = Search(session, request);
    if (!request.pdf.empty()) {
      int pages = 0;
      Check(WriteHitsPdf(session, request, pages));
      PrintError(
          Said(pages == 1 ? MessageId::SokOnePage : MessageId::SokPages, {std::to_string(pages)}));
    } else if (request.csv || request.gedcom) {
      std::string file;
      Check(request.csv ? session.ExportCsv(request.register_number, request.by_date, file)
                        : session.ExportGedcom(request.register_number, request.by_date, file));
      std::fwrite(file.data(), 1, file.size(), stdout);
    } else {
      PrintHits(hits, request.json, request.show_text, stdout);
    }
    PrintError(Said(MessageId::SokHits, {std::to_string(hits.size())}));
    return 0;
  } catch (const Failure& failure) {
    PrintError(failure.message);
    if (failure.exit_code == 2) std::fputs(SokUsage().c_str(), stderr);
    return failure.exit_code;
  }
}

}  // namespace
}  // namespace vx::cli

int main(int argc, char** argv) {
  return vx::cli::Run(std::vector<std::string>(argv + 1, argv + argc));
}
