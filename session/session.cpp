#include "session/session.h"

#include <algorithm>
#include <exception>
#include <new>
#include <utility>

#include "catalogue/catalogue_declaration.h"
#include "catalogue/text_routines.h"
#include "engine/codec/compress_errors.h"
#include "engine/util/cp1252.h"
#include "engine/util/message_collector.h"
#include "engine/util/message_sink.h"
#include "export/gedcom_export.h"
#include "export/source_export.h"
#include "language/message_id.h"
#include "linking/link_finder.h"
#include "search/catalogue_parts.h"
#include "search/form_availability.h"
#include "search/free_text_search.h"
#include "search/lokal_id.h"
#include "search/picked_rows.h"
#include "search/run_search.h"

namespace vx {
namespace {

// A path in a message: the file system's UTF-8 as Windows-1252, with '?'
// for what that cannot hold.
std::string PathText(const std::filesystem::path& path) {
  std::string text;
  if (Utf8ToCp1252(path.string(), text)) return text;
  text.clear();
  for (const char c : path.string())
    text += static_cast<unsigned char>(c) < 0x80 ? c : '?';
  return text;
}

// The codec's own text stays as it is, in either language.
Message DamagedFileMessage(const ECompressError& error, const std::string& hdbasen) {
  if (error.file().empty()) return {MessageId::SessionDamagedFileIn, {hdbasen, error.what()}};
  return {MessageId::SessionDamagedFile, {PathText(error.file()), error.what()}};
}

// The stores' records, each load guarded by the session.
class GuardedRecordSource final : public RecordSource {
 public:
  GuardedRecordSource(Session& session, CurrentRecords& records, TEVF& catalogue)
      : session_(session),
        stores_(records,
                {&catalogue.RecordStore(1), &catalogue.RecordStore(2), &catalogue.RecordStore(3)}) {
  }
  uint32_t RecordCount(int register_number) const override {
    return stores_.RecordCount(register_number);
  }
  Status Load(int register_number, uint32_t record, ShownRecord& shown) override {
    return session_.Guard([&] { return stores_.Load(register_number, record, shown); });
  }

 private:
  Session& session_;
  StoreRecordSource stores_;
};

}  // namespace

Session::Session()
    : catalogue_(std::make_unique<TEVF>()),
      shown_records_(std::make_unique<GuardedRecordSource>(*this, records_, *catalogue_)) {}

Session::~Session() {
  Close();
}

void Session::SetLanguage(Language language) {
  records_.SetLanguage(language);
  SetMessageLanguage(language);
}

Status Session::Open(const std::filesystem::path& ini, ShellHooks* hooks) {
  Close();
  Status status = Run([&] {
    configuration_ = lasinifil(ini);
    if (!ini.empty() && !configuration_.ini_found) {
      return Status::Said(Status::Code::kNotFound, {MessageId::SessionCannotRead, {PathText(ini)}});
    }
    ShellHooks quiet;
    catalogue_->oppnadatabas(configuration_, hooks != nullptr ? *hooks : quiet);
    open_ = true;
    if (!RegisterOn(1) && !RegisterOn(2) && !RegisterOn(3)) {
      return Status::Said(Status::Code::kNotFound, MissingRegisterSet(configuration_));
    }
    return Status::OK();
  });
  // A set that could not be opened is not left half open.
  if (!status.ok()) Close();
  return status;
}

void Session::Close() {
  if (!open_) return;
  catalogue_->stangdatabas();
  open_ = false;
}

bool Session::RegisterOn(int register_number) const {
  return open_ && register_number >= 1 && register_number <= 3 &&
         catalogue_->RegisterOn(register_number);
}

Status Session::CheckOpen() const {
  if (open_) return Status::OK();
  return Status::Said(Status::Code::kIOError, {MessageId::SessionNothingOpen, {}});
}

Status Session::CheckRegister(int register_number) const {
  if (RegisterOn(register_number)) return Status::OK();
  if (Status status = CheckOpen(); !status.ok()) return status;
  if (register_number < 1 || register_number > 3) {
    return Status::Said(Status::Code::kInvalidArgument,
                        {MessageId::SessionNoSuchRegister, {std::to_string(register_number)}});
  }
  constexpr MessageId kMissing[] = {MessageId::SessionBirthsMissing,
                                    MessageId::SessionMarriagesMissing,
                                    MessageId::SessionDeathsMissing};
  return Status::Said(Status::Code::kNotFound,
                      {kMissing[register_number - 1], {configuration_.hdbasen}});
}

Status Session::Run(const std::function<Status()>& operation) {
  MessageCollector messages;
  Status status;
  try {
    status = operation();
  } catch (const ECompressError& error) {
    return Status::Said(Status::Code::kCorruption,
                        DamagedFileMessage(error, configuration_.hdbasen));
  } catch (const std::bad_alloc&) {
    return Status::Said(Status::Code::kIOError, {MessageId::SessionOutOfMemory, {}});
  } catch (const std::exception& error) {
    return Status::Said(Status::Code::kIOError,
                        {MessageId::SessionUnexpectedError, {error.what()}});
  }
  if (!status.ok()) return status;
  return messages.status();
}

Status Session::PrepareForm(int register_number, const std::vector<FieldEntry>& fields,
                            std::vector<UnknownWord>* unknown, bool& matches_nothing,
                            SearchFormInput& input) {
  const SearchFormTable& form = SearchForm(register_number);
  for (const FieldEntry& entry : fields) {
    const FormField* field = form.Field(entry.prefix);
    if (field == nullptr) {
      return Status::Said(Status::Code::kInvalidArgument,
                          {MessageId::SessionFormHasNoField, {entry.prefix}});
    }
    if (FieldDisabled(*catalogue_, register_number, *field)) {
      return Status::Said(Status::Code::kNotFound,
                          {MessageId::SessionFieldEmpty, {std::string(field->caption)}});
    }
    if (!entry.list_mode) {
      input.Set(entry.prefix, entry.text);
      continue;
    }
    TVXstruktlista* list =
        field->ListBacked() ? catalogue_->soklistor(register_number, field->slot) : nullptr;
    if (list == nullptr) {
      return Status::Said(Status::Code::kNotFound,
                          {MessageId::SessionFieldHasNoWordList, {std::string(field->caption)}});
    }
    list->vald().Clear();
    std::vector<std::string> words;
    for (const std::string& word : entry.words) {
      std::string trimmed = trimtecken(word, " ");
      if (!trimmed.empty()) words.push_back(std::move(trimmed));
    }
    for (std::string& missing : TickWords(*list, words)) {
      if (unknown != nullptr) unknown->push_back({entry.prefix, std::move(missing)});
    }
    const std::string summary = BuildPickSummary(*list);
    if (summary.empty()) matches_nothing = true;
    input.Set(entry.prefix, summary, true);
  }
  return Status::OK();
}

Status Session::SearchByForm(int register_number, const std::vector<FieldEntry>& fields,
                             std::vector<UnknownWord>* unknown) {
  if (Status status = CheckRegister(register_number); !status.ok()) return status;
  return Run([&] {
    SearchFormInput input(register_number);
    bool matches_nothing = false;
    Status status = PrepareForm(register_number, fields, unknown, matches_nothing, input);
    if (status.ok()) status = RunSearch(*catalogue_, input);
    if (status.ok() && matches_nothing) ResultOf(*catalogue_, register_number).Clear();
    return status;
  });
}

Status Session::SearchByInput(const SearchFormInput& input) {
  if (Status status = CheckRegister(input.form().register_number); !status.ok()) return status;
  return Run([&] { return RunSearch(*catalogue_, input); });
}

Status Session::SearchLokalId(int register_number, std::string_view lokalid) {
  if (Status status = CheckRegister(register_number); !status.ok()) return status;
  return Run([&] {
    return FindLokalId(*catalogue_, register_number, SearchForm(register_number).lokalid_slot,
                       lokalid);
  });
}

Status Session::Candidates(int register_number, uint32_t record,
                           std::vector<LinkCandidate>& candidates) {
  candidates.clear();
  if (Status status = CheckRegister(register_number); !status.ok()) return status;
  return Run([&] { return FindLinkCandidates(*catalogue_, register_number, record, candidates); });
}

Status Session::RecordOfLokalId(int register_number, std::string_view lokalid, uint32_t& record) {
  record = 0;
  if (Status status = CheckRegister(register_number); !status.ok()) return status;
  Status status = Run([&] {
    record = vx::RecordOfLokalId(*catalogue_, register_number, lokalid);
    return Status::OK();
  });
  if (status.ok() && record == 0) {
    return Status::Said(Status::Code::kNotFound,
                        {MessageId::SearchLokalIdMissing, {std::string(lokalid)}});
  }
  return status;
}

Status Session::LongestLokalId(int register_number, std::string& lokalid, int32_t most_rows) {
  lokalid.clear();
  if (Status status = CheckRegister(register_number); !status.ok()) return status;
  return Run([&] {
    TVXstruktlista* list =
        catalogue_->soklistor(register_number, SearchForm(register_number).lokalid_slot);
    if (list == nullptr) return Status::OK();
    const int64_t rows = list->RowCount();
    const int64_t read = std::min<int64_t>(rows, std::max<int32_t>(most_rows, 2));
    for (int64_t i = 0; i < read; ++i) {
      const int64_t row = read == 1 ? 1 : 1 + (rows - 1) * i / (read - 1);
      if (Status status = list->ReadRow(row); !status.ok()) return status;
      if (list->RowText().size() > lokalid.size()) lokalid = list->RowText();
    }
    return Status::OK();
  });
}

Status Session::SearchAll(std::string_view text) {
  if (Status status = CheckOpen(); !status.ok()) return status;
  return Run([&] {
    RunFreeSearch(*catalogue_, text);
    return Status::OK();
  });
}

void Session::ClearSearch(int register_number) {
  if (!RegisterOn(register_number)) return;
  ResultOf(*catalogue_, register_number).Clear();
  ClearPickedRows(*catalogue_, register_number);
}

Status Session::Hits(int register_number, bool by_date, std::vector<HitRow>& rows) {
  rows.clear();
  if (Status status = CheckRegister(register_number); !status.ok()) return status;
  return Run([&] {
    HitList list(catalogue_->PersonList(register_number), catalogue_->DateOrder(register_number));
    list.Refresh(by_date);
    rows.reserve(static_cast<size_t>(list.Count()));
    HitRow row;
    for (int32_t k = 1; list.Row(k, row); ++k)
      rows.push_back(row);
    return Status::OK();
  });
}

Status Session::RecordText(int register_number, uint32_t record, bool coded, std::string& text) {
  text.clear();
  if (Status status = CheckRegister(register_number); !status.ok()) return status;
  return Run([&] {
    Status status =
        records_.Load(register_number, catalogue_->RecordStore(register_number), record);
    if (!status.ok()) return status;
    records_.Compose(register_number, coded);
    text = records_.posttext();
    return Status::OK();
  });
}

ResultRegister Session::TableRegister(int register_number) {
  if (!RegisterOn(register_number)) return {};
  return {&catalogue_->PersonList(register_number), &catalogue_->DateOrder(register_number),
          nullptr};
}

Status Session::HitRecords(int register_number, bool by_date, std::vector<uint32_t>& records) {
  records.clear();
  std::vector<HitRow> rows;
  if (Status status = Hits(register_number, by_date, rows); !status.ok()) return status;
  records.reserve(rows.size());
  for (const HitRow& row : rows)
    records.push_back(row.record);
  return Status::OK();
}

Status Session::ExportCsv(int register_number, bool by_date, std::string& csv) {
  csv.clear();
  std::vector<uint32_t> records;
  if (Status status = HitRecords(register_number, by_date, records); !status.ok()) return status;
  return Run([&] {
    return AppendSourceCsv(catalogue_->RecordStore(register_number), register_number, records, csv);
  });
}

Status Session::ExportGedcom(int register_number, bool by_date, std::string& gedcom) {
  gedcom.clear();
  std::vector<uint32_t> records;
  if (Status status = HitRecords(register_number, by_date, records); !status.ok()) return status;
  return Run([&] {
    return AppendGedcom(catalogue_->RecordStore(register_number), register_number, records, gedcom);
  });
}

Status Session::ReadPrintItems(int register_number, PrintOrder order, PrintContent content,
                               const std::function<bool(int read)>& keep_going,
                               std::vector<PrintItem>& items, bool& cancelled) {
  items.clear();
  cancelled = false;
  if (Status status = CheckRegister(register_number); !status.ok()) return status;
  return Run([&] {
    HitList list(catalogue_->PersonList(register_number), catalogue_->DateOrder(register_number));
    list.Refresh(false);
    TVXregtext& store = catalogue_->RecordStore(register_number);
    HitRow row;
    for (int32_t k = 1; k <= list.Count() && static_cast<int>(items.size()) < kMaxPrintRecords;
         ++k) {
      if (!keep_going(static_cast<int>(items.size()))) {
        cancelled = true;
        break;
      }
      if (!list.Row(k, row)) continue;
      Status status = records_.Load(register_number, store, row.record);
      if (!status.ok()) return status;
      items.push_back(MakePrintItem(records_, register_number, row.record, order, content));
    }
    return Status::OK();
  });
}

Status Session::ReadPrintItem(int register_number, uint32_t record, PrintItem& item) {
  item = {};
  if (Status status = CheckRegister(register_number); !status.ok()) return status;
  return Run([&] {
    Status status =
        records_.Load(register_number, catalogue_->RecordStore(register_number), record);
    if (!status.ok()) return status;
    item = MakePrintItem(records_, register_number, record, PrintOrder::kName, {});
    return Status::OK();
  });
}

Status Session::HelpText(std::string_view code, InformationText& text) {
  if (Status status = CheckOpen(); !status.ok()) return status;
  return Run([&] {
    TVXregtext* english = catalogue_->Store(kEnglishHelpTextStore);
    if (records_.language() == Language::kEnglish && english != nullptr && english->Opened() &&
        records_.hamtatext(*english, code) >= 1) {
      text = records_.information();
      return Status::OK();
    }
    TVXregtext* help = catalogue_->Store(kHelpTextStore);
    if (help == nullptr || records_.hamtatext(*help, code) < 1) {
      return Status::Said(Status::Code::kNotFound,
                          {MessageId::SessionHelpTextMissing, {std::string(code)}});
    }
    text = records_.information();
    return Status::OK();
  });
}

Status Session::AboutText(std::string& text) {
  text.clear();
  if (Status status = CheckOpen(); !status.ok()) return status;
  return Run([&] {
    TVXregtext* own = catalogue_->Store(kOwnTextStore);
    if (own != nullptr) text = records_.hamtaomtext(*own);
    return Status::OK();
  });
}

}  // namespace vx
