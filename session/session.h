// The one entry point of the programs into a register set: kuvo-sok, the
// desktop program and the tests open, search and read a set through a
// Session and nothing else. It owns the open catalogue and the current
// records; it returns statuses and lets no exception out.
//
// Every call is one operation for the user: the messages the engine reports
// during it (a damaged list met on every row, a posting beyond a
// selection) come back as one status naming the file, never through the
// message sink. The codec's exceptions become a Corruption naming the
// damaged file. A Corruption after a search leaves the hits that could be
// read.
//
// Texts in and out are Windows-1252. A Session belongs to one thread: the
// engine under it keeps shared buffers (the codec, the postings chunk).
#ifndef VX_SESSION_SESSION_H_
#define VX_SESSION_SESSION_H_

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "catalogue/catalogue.h"
#include "catalogue/configuration.h"
#include "catalogue/shell_hooks.h"
#include "engine/util/status.h"
#include "linking/link_candidate.h"
#include "printing/print_engine.h"
#include "printing/print_items.h"
#include "records/current_records.h"
#include "resulttable/hit_list.h"
#include "resulttable/record_view_choice.h"
#include "resulttable/result_table.h"
#include "search/run_search.h"
#include "search/search_forms.h"

namespace vx {

// One field of a search form as the user filled it: a typed text, or in
// list mode the words ticked in the field's word list.
struct FieldEntry {
  std::string prefix;  // the form's control prefix ("fn", "fod", ...)
  std::string text;    // typed criteria
  bool list_mode = false;
  std::vector<std::string> words;  // list mode: the rows to tick, by their text

  static FieldEntry Typed(std::string prefix, std::string text) {
    return {std::move(prefix), std::move(text), false, {}};
  }
  static FieldEntry Picked(std::string prefix, std::vector<std::string> words) {
    return {std::move(prefix), {}, true, std::move(words)};
  }
};

// A word of a list-mode field that no row of the field's list equals.
struct UnknownWord {
  std::string prefix;
  std::string word;
};

class Session {
 public:
  Session();
  ~Session();
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  // Reads `ini` (empty: kuvo.ini beside the program) and opens the register
  // set it names. NotFound when an explicitly named ini file is missing or
  // when no register of the set is found (the message names the first file
  // looked for); the session then stays closed. `hooks` hears what the
  // shell must disable; it must outlive the call only.
  Status Open(const std::filesystem::path& ini = {}, ShellHooks* hooks = nullptr);
  // Closes every component; safe to call twice.
  void Close();

  bool IsOpen() const { return open_; }
  const Configuration& configuration() const { return configuration_; }
  bool RegisterOn(int register_number) const;
  // The register set's heading and sub-heading, from its own texts.
  const std::string& Heading() const { return catalogue_->rubrik(); }
  const std::string& SubHeading() const { return catalogue_->underrubrik(); }

  // The catalogue, for windows that show a component as it is (the
  // picker's word list, the normalisation list). Searches go through the
  // calls below.
  TEVF& catalogue() { return *catalogue_; }

  // Searches register 1..3 with the form's fields, in the form's order, as
  // the form's search button does. InvalidArgument: a prefix the form does
  // not have, or a term too long (the result is then left as it was);
  // NotFound: a list-backed field whose list has no rows in this register
  // (the form shows it disabled, "(inga uppg.)"), or list mode on a field
  // without a list. A list-mode field none of whose words is in its list
  // matches nothing. Words not found are added to `unknown` when given.
  Status SearchByForm(int register_number, const std::vector<FieldEntry>& fields,
                      std::vector<UnknownWord>* unknown = nullptr);
  // A form's search as the window holds it: typed fields with their texts,
  // list-mode fields with the rows already picked in their lists.
  Status SearchByInput(const SearchFormInput& input);
  // The Lokal-ID jump of register 1..3's form. NotFound: "Lokal-ID X finns
  // inte!", the result unchanged.
  Status SearchLokalId(int register_number, std::string_view lokalid);
  // The longest Lokal-ID (the first of that length in the list's order)
  // among at most `most_rows` rows of register 1..3's Lokal-ID list, the
  // first, the last and rows evenly between (every row of a shorter list),
  // for sizing what shows record labels; empty when the register has none.
  // Reading every row of a list of millions would cost a start most of a
  // second, so a record with a longer Lokal-ID widens its label when shown.
  static constexpr int32_t kLokalIdRowsForWidth = 256;
  Status LongestLokalId(int register_number, std::string& lokalid,
                        int32_t most_rows = kLokalIdRowsForWidth);
  // One text in every field of all three registers; each register's result
  // becomes its share of the hits. An empty text changes nothing.
  Status SearchAll(std::string_view text);
  // Clears register 1..3's result and the rows ticked in its form's lists.
  void ClearSearch(int register_number);

  // Register 1..3's hits in the result table's order: by name, or by date
  // through the register's sort order.
  Status Hits(int register_number, bool by_date, std::vector<HitRow>& rows);
  // Register 1..3's hits in the table's order as a source table that the
  // builder reads again (builder/source_export.h), UTF-8.
  Status ExportCsv(int register_number, bool by_date, std::string& csv);
  // The same hits as a GEDCOM 5.5.1 file (builder/gedcom_export.h), UTF-8.
  Status ExportGedcom(int register_number, bool by_date, std::string& gedcom);
  // Loads `record` of register 1..3 into the current records and composes
  // its text: with markup for the record view when `coded`, plain
  // otherwise.
  Status RecordText(int register_number, uint32_t record, bool coded, std::string& text);
  // Reads register 1..3's hits for printing in `order`: the rows of its
  // person list in the hit selection, in list order, at most
  // kMaxPrintRecords, each record loaded and kept as `content` says.
  // `keep_going` is asked before every row with the number read so far;
  // when it says no, the reading stops with `cancelled` set.
  Status ReadPrintItems(int register_number, PrintOrder order, PrintContent content,
                        const std::function<bool(int read)>& keep_going,
                        std::vector<PrintItem>& items, bool& cancelled);
  // Record `record` of register 1..3 as one item to print alone.
  Status ReadPrintItem(int register_number, uint32_t record, PrintItem& item);
  // The records of the three registers that may belong to the same life
  // as `record` of register 1..3 (linking/link_finder.h): grouped by kind,
  // best first within a kind. The current records are left as they are.
  Status Candidates(int register_number, uint32_t record, std::vector<LinkCandidate>& candidates);
  // The record of register 1..3 whose Lokal-ID is `lokalid`; NotFound
  // "Lokal-ID X finns inte!" when there is none. The hits are left as they
  // are.
  Status RecordOfLokalId(int register_number, std::string_view lokalid, uint32_t& record);
  // The help text of `code` ("HJ000" ...); NotFound when there is none.
  // With English chosen, the set's English text of that code when it has
  // one, else the Swedish.
  Status HelpText(std::string_view code, InformationText& text);
  // The register set's About text ("OM"); empty when it has none.
  Status AboutText(std::string& text);

  // The records shown last, for the owners that read their fields.
  const CurrentRecords& records() const { return records_; }
  // The language of the record texts' own words and of the help texts, when
  // the set has them in it (Swedish unless set); what the records hold is
  // shown as stored. The engine's messages to the message sink are told in
  // it too.
  void SetLanguage(Language language);
  Language language() const { return records_.language(); }

  // What the result table uses of register 1..3: its person list and date
  // order, or nothing when the register is not open. They live as long as
  // the session; the table must not outlive it.
  ResultRegister TableRegister(int register_number);
  // Loads the result table's records into records() and composes their
  // coded texts, each load one user operation. Lives as long as the
  // session.
  RecordSource& shown_records() { return *shown_records_; }
  // Runs `operation` as one user operation, as every call above is run:
  // the engine's messages come back in its status, and the codec's
  // exceptions as a Corruption naming the file. For the windows' own calls
  // on components the session hands out (the result table).
  Status Guard(const std::function<Status()>& operation) { return Run(operation); }

 private:
  // Runs `operation` as one user operation: the engine's messages are
  // collected into its status and the codec's exceptions become one.
  Status Run(const std::function<Status()>& operation);
  Status CheckOpen() const;
  Status HitRecords(int register_number, bool by_date, std::vector<uint32_t>& records);
  Status CheckRegister(int register_number) const;
  Status PrepareForm(int register_number, const std::vector<FieldEntry>& fields,
                     std::vector<UnknownWord>* unknown, bool& matches_nothing,
                     SearchFormInput& input);

  std::unique_ptr<TEVF> catalogue_;
  Configuration configuration_;
  CurrentRecords records_;
  std::unique_ptr<RecordSource> shown_records_;
  bool open_ = false;
};

}  // namespace vx

#endif  // VX_SESSION_SESSION_H_
