// kuvo-sok: searches a register set from the command line, field by field
// as the search forms do, and lists the hits as the result table does.
#include <cstdio>
#include <string>
#include <vector>

#include "catalogue/catalogue.h"
#include "catalogue/configuration.h"
#include "engine/codec/compress_errors.h"
#include "engine/util/cp1252.h"
#include "records/current_records.h"
#include "records/hit_list.h"
#include "search/free_text_search.h"
#include "search/lokal_id.h"
#include "search/picked_rows.h"
#include "search/run_search.h"
#include "tools/cli_io.h"
#include "tools/sok_output.h"
#include "tools/sok_request.h"

namespace vx::cli {
namespace {

constexpr const char* kRegisterNames[] = {"", "fodda", "vigda", "doda"};

// An error the user can fix: the message on standard error, exit code 1.
struct UserError {
  std::string message;  // UTF-8
};

// Wrong usage found once the register's form is known: exit code 2.
struct UsageError {
  std::string message;  // UTF-8
};

std::string ToData(const std::string& utf8) {
  std::string data;
  if (!Utf8ToCp1252(utf8, data)) {
    throw UserError{"texten \"" + utf8 + "\" har tecken som inte finns i Windows-1252"};
  }
  return data;
}

std::vector<std::string> Words(const std::string& text) {
  std::vector<std::string> words;
  size_t start = 0;
  while (start <= text.size()) {
    size_t end = text.find(';', start);
    if (end == std::string::npos) end = text.size();
    if (end > start) words.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return words;
}

// Fills the form's input from the field arguments; picked rows are ticked
// in the field's list as the picker would.
SearchFormInput FormInput(TEVF& evf, int r, const std::vector<FieldArgument>& fields) {
  SearchFormInput input(r);
  for (const FieldArgument& field : fields) {
    const FormField* form_field = input.form().Field(field.prefix);
    if (form_field == nullptr) {
      throw UsageError{"formuläret för " + std::string(kRegisterNames[r]) + " har inget fält --" +
                       field.prefix};
    }
    if (!field.picked_rows) {
      input.Set(field.prefix, ToData(field.text));
      continue;
    }
    TVXstruktlista* list = form_field->ListBacked() ? evf.soklistor(r, form_field->slot) : nullptr;
    if (list == nullptr && !form_field->ListBacked()) {
      throw UsageError{"fältet --" + field.prefix + " har ingen ordlista"};
    }
    if (list == nullptr) throw UserError{"ordlistan för --" + field.prefix + " saknas"};
    list->vald().Clear();
    for (const std::string& missing : TickWords(*list, Words(ToData(field.text)))) {
      PrintError("Ordet " + Cp1252ToUtf8(missing) + " finns inte i listan för --" + field.prefix);
    }
    input.Set(field.prefix, BuildPickSummary(*list), true);
  }
  return input;
}

// The register's hits in the table's order.
void CollectHits(TEVF& evf, int r, bool by_date, bool show_text, std::vector<SokHit>& hits) {
  HitList list(evf.PersonList(r), evf.DateOrder(r));
  list.Refresh(by_date);
  CurrentRecords records;
  HitRow row;
  for (int32_t k = 1; list.Row(k, row); ++k) {
    SokHit hit{kRegisterNames[r], row.record, row.name, row.date, {}};
    try {
      if (show_text && records.Load(r, evf.RecordStore(r), row.record) == 0) {
        records.Compose(r, false);
        hit.text = records.posttext();
      }
    } catch (const ECompressError& error) {
      throw UserError{"skadad registerfil " + evf.RecordStore(r).properties().RecordFileName() +
                      ": " + error.what()};
    }
    hits.push_back(std::move(hit));
  }
}

std::vector<SokHit> Search(TEVF& evf, const SokRequest& request) {
  std::vector<SokHit> hits;
  if (request.register_number == 0) {
    RunFreeSearch(evf, ToData(request.all_text));
    for (int r = 1; r <= 3; ++r) {
      if (evf.RegisterOn(r)) CollectHits(evf, r, false, false, hits);
    }
    return hits;
  }
  const int r = request.register_number;
  if (!evf.RegisterOn(r)) {
    throw UserError{std::string("registret ") + kRegisterNames[r] +
                    " finns inte i registeruppsättningen i " + evf.hdbasen()};
  }
  const SearchStatus status =
      request.has_lokalid ? FindLokalId(evf, r, SearchForm(r).lokalid_slot, ToData(request.lokalid))
                          : RunSearch(evf, FormInput(evf, r, request.fields));
  if (!status.ok()) throw UserError{Cp1252ToUtf8(status.message)};
  CollectHits(evf, r, request.by_date, request.show_text, hits);
  return hits;
}

int Run(const std::vector<std::string>& args) {
  SokRequest request;
  std::string usage_error;
  if (!ParseSokArguments(args, request, usage_error)) {
    PrintError("kuvo-sok: " + usage_error);
    std::fputs(SokUsage(), stderr);
    return 2;
  }
  std::string hdbasen;
  try {
    const Configuration config = lasinifil(request.ini);
    hdbasen = config.hdbasen;
    if (!request.ini.empty() && !config.ini_found) {
      throw UserError{"kan inte läsa " + request.ini};
    }
    TEVF evf;
    ShellHooks hooks;
    evf.oppnadatabas(config, hooks);
    if (!evf.RegisterOn(1) && !evf.RegisterOn(2) && !evf.RegisterOn(3)) {
      throw UserError{"inga register hittades i " + config.hdbasen};
    }
    const std::vector<SokHit> hits = Search(evf, request);
    PrintHits(hits, request.json, request.show_text, stdout);
    std::fprintf(stderr, "%zu träffar\n", hits.size());
    return 0;
  } catch (const UserError& error) {
    PrintError(error.message);
  } catch (const UsageError& error) {
    PrintError("kuvo-sok: " + error.message);
    std::fputs(SokUsage(), stderr);
    return 2;
  } catch (const ECompressError& error) {
    PrintError("skadad registerfil i " + Cp1252ToUtf8(hdbasen) + ": " + error.what());
  }
  return 1;
}

}  // namespace
}  // namespace vx::cli

int main(int argc, char** argv) {
  return vx::cli::Run(std::vector<std::string>(argv + 1, argv + argc));
}
