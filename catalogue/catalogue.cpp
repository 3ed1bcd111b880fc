#include "catalogue/catalogue.h"

#include <cassert>
#include <filesystem>

#include "catalogue/catalogue_declaration.h"
#include "engine/codec/compress_errors.h"
#include "engine/files/file.h"
#include "engine/util/cp1252.h"
#include "language/message_id.h"
#include "records/register_labels.h"

namespace vx {
namespace {

// A file name (UTF-8 on this system) as Windows-1252 text; bytes that do not
// convert stay as they are.
std::string PathText(const std::string& path) {
  std::string text;
  return Utf8ToCp1252(path, text) ? text : path;
}

bool InRange(int n) {
  return n >= 1 && n <= 3;
}

void DeclareStore(TVXregtext& store, const ComponentDecl& c) {
  RegtextProperties& p = store.properties();
  p.bfilnamn = p.pfilnamn = p.LZHfilnamn = c.file_template;
  p.pltyp = 2;
  p.LZH = c.store.lzh;
  p.LZHposterperblock = 200;
  p.labels =
      c.store.register_number == 0 ? TextStoreLabels() : RegisterLabels(c.store.register_number);
  p.textmaxsiz = c.store.textmaxsiz;
  p.antpc = c.store.antpc;
  p.pcsiz = c.store.pcsiz;
  p.maxrader = c.store.maxrader;
  p.hash = 0;
  p.RO = true;
}

void DeclareList(TVXstruktlista& list, const ComponentDecl& c) {
  ListProperties& p = list.properties();
  p.filnamn = p.LZHfilnamn = c.file_template;
  p.radmaxlen = c.list.radmaxlen;
  p.maxrader = c.list.maxrader;
  p.LZH = c.list.lzh;
  p.LZHraderperblock = 100;
  p.keepaccent = c.list.keepaccent;
  p.finnsBLOB = c.list.finnsBLOB;
  p.finnsurval = c.list.finnsurval;
  p.hash = 0;
  p.RO = true;
}

}  // namespace

TEVF::TEVF() {
  for (const ComponentDecl& c : Catalogue()) {
    switch (c.kind) {
      case ComponentKind::kRecordStore:
        DeclareStore(*(stores_[c.name] = std::make_unique<TVXregtext>()), c);
        break;
      case ComponentKind::kWordList:
        DeclareList(*(lists_[c.name] = std::make_unique<TVXstruktlista>()), c);
        break;
      case ComponentKind::kFreeSearchList: {
        auto& list = free_search_[c.name] = std::make_unique<TVXfrisoeklista>();
        list->properties().b1filnamn = list->properties().b2filnamn = c.file_template;
        list->properties().urvalbufsiz = c.free_search.urvalbufsiz;
        break;
      }
      case ComponentKind::kSortOrder: {
        auto& order = sort_orders_[c.name] = std::make_unique<TVXsortordning>();
        order->properties().pfilnamn = c.file_template;
        order->properties().pltyp = 2;
        order->properties().maxrader = c.sort_order.maxrader;
        break;
      }
      case ComponentKind::kSelection:
        selections_[c.name] = std::make_unique<Tvxsmalurval>();
        break;
      case ComponentKind::kPictureBase:
        picture_bases_[c.name] = std::make_unique<TVXbildbas>();
        break;
      default:
        break;
    }
  }
  // Every search asks for these by number; a name lookup each time would
  // cost more than a search that finds nothing.
  for (int n = 1; n <= 3; ++n) {
    by_number_.record_stores[n] = Store(RecordStoreName(n));
    by_number_.person_lists[n] = List(PersonListName(n));
    by_number_.date_orders[n] = SortOrder(DateOrderName(n));
    by_number_.sokur[n] = Selection(ScratchSelectionName(n));
  }
}

TEVF::~TEVF() {
  stangdatabas();
}

void TEVF::oppnadatabas(const Configuration& config, ShellHooks& hooks) {
  regnr_ = RegisterSetNumber(config.huvudregister);
  hdbasen_ = config.hdbasen;
  NamePictureBases();
  OpenOwnTexts();
  OpenNormalisationList();
  SetSearchDirectories();
  RenameForRegisterSet();
  OpenRegisters(hooks);
  OpenHelpTexts();
  OpenSearchLists();
  FreeSearch(AllFieldsListName())->Open();
  SizeScratchSelections();
  hooks.InvalidateResultCache();
  for (int r = 1; r <= 3; ++r) {
    if (!RecordStore(r).Opened() || RecordStore(r).RecordCount() == 0)
      hooks.DisableRegisterToggle(r);
  }
  PictureBase(kSetPictureBase)->Open();
  ReadHeadings();
}

void TEVF::NamePictureBases() {
  TVXbildbas& program = *PictureBase(kProgramPictureBase);
  program.SetFiles(hdbasen_, FindComponent(kProgramPictureBase)->file_template);
  program.SetHasIndex(true);
  TVXbildbas& own = *PictureBase(kSetPictureBase);
  own.SetFiles(hdbasen_, RenameForSet(FindComponent(kSetPictureBase)->file_template, regnr_));
  own.SetHasIndex(false);
}

void TEVF::OpenOwnTexts() {
  TVXregtext& own = *Store(kOwnTextStore);
  RegtextProperties& p = own.properties();
  p.bfilkat = p.pfilkat = p.LZHfilkat = hdbasen_;
  p.RO = true;
  p.bfilnamn = p.pfilnamn =
      RenameForSet(FindComponent(kOwnTextStore)->store.own_file_template, regnr_);
  own.Open();  // its block list still has the shared name "vaxortext"
}

// The Swedish help texts and, when the set has them, the English ones (a
// set without them leaves that store closed).
void TEVF::OpenHelpTexts() {
  for (std::string_view name : {kHelpTextStore, kEnglishHelpTextStore}) {
    TVXregtext& help = *Store(name);
    help.properties().bfilkat = help.properties().pfilkat = hdbasen_;
    help.properties().RO = true;
    help.Open();
  }
}

void TEVF::OpenNormalisationList() {
  TVXstruktlista& norm = *List(kNormalisationList);
  ListProperties& p = norm.properties();
  p.filkat = p.LZHfilkat = hdbasen_;
  p.filnamn = p.LZHfilnamn = RenameForSet(FindComponent(kNormalisationList)->file_template, regnr_);
  p.RO = true;
  norm.Open();
}

void TEVF::SetSearchDirectories() {
  for (int r = 1; r <= 3; ++r) {
    for (int slot = 1; slot <= 20; ++slot) {
      const ComponentDecl* decl = SearchListDecl(r, slot);
      if (decl == nullptr) continue;
      ListProperties& p = List(decl->name)->properties();
      p.filkat = p.rllfilkat = p.LZHfilkat = hdbasen_;
      p.RO = true;
    }
  }
  for (const ComponentDecl& c : Catalogue()) {
    if (c.kind != ComponentKind::kFreeSearchList || !c.free_search.in_use) continue;
    FreeSearchListProperties& p = FreeSearch(c.name)->properties();
    p.b1filkat = p.b2filkat = hdbasen_;
    p.RO = true;
  }
  for (auto& [name, order] : sort_orders_) {
    order->properties().pfilkat = hdbasen_;
    order->properties().RO = true;
    order->properties().pltyp = 1;  // the whole order in memory
  }
}

// Every component's template name takes the register set's number, in
// declaration order; the shared help texts keep theirs.
void TEVF::RenameForRegisterSet() {
  for (const ComponentDecl& c : Catalogue()) {
    switch (c.kind) {
      case ComponentKind::kWordList: {
        ListProperties& p = List(c.name)->properties();
        p.filnamn = RenameForSet(p.filnamn, regnr_);
        p.LZHfilnamn = RenameForSet(p.LZHfilnamn, regnr_);
        break;
      }
      case ComponentKind::kFreeSearchList: {
        FreeSearchListProperties& p = FreeSearch(c.name)->properties();
        p.b1filnamn = RenameForSet(p.b1filnamn, regnr_);
        p.b2filnamn = RenameForSet(p.b2filnamn, regnr_);
        break;
      }
      case ComponentKind::kSortOrder: {
        SortOrderProperties& p = SortOrder(c.name)->properties();
        p.pfilnamn = RenameForSet(p.pfilnamn, regnr_);
        break;
      }
      case ComponentKind::kRecordStore: {
        RegtextProperties& p = Store(c.name)->properties();
        if (IsHelpTextStore(p.bfilnamn)) break;  // the shared help texts
        p.bfilnamn = RenameForSet(p.bfilnamn, regnr_);
        p.pfilnamn = RenameForSet(p.pfilnamn, regnr_);
        p.LZHfilnamn = RenameForSet(p.LZHfilnamn, regnr_);
        break;
      }
      default:
        break;
    }
  }
}

void TEVF::OpenRegisters(ShellHooks& hooks) {
  for (int r = 1; r <= 3; ++r) {
    TVXstruktlista& persons = PersonList(r);
    ListProperties& lp = persons.properties();
    if (!ResolveCaseInsensitive(PersonListPath(hdbasen_, regnr_, r))) {
      hooks.DisableSearchButton(r);
      continue;
    }
    lp.filkat = lp.LZHfilkat = hdbasen_;
    lp.RO = true;
    persons.SetSortedVisibleWanted(true);
    persons.Open();
    RegtextProperties& sp = RecordStore(r).properties();
    sp.bfilkat = sp.pfilkat = sp.LZHfilkat = hdbasen_;
    sp.RO = true;
    RecordStore(r).Open();
    register_on_[r] = true;
  }
}

void TEVF::OpenSearchLists() {
  for (int r = 1; r <= 3; ++r) {
    for (int slot = 1; slot <= 20; ++slot)
      soklistor_[r][slot] = nullptr;
    if (!register_on_[r]) continue;
    for (int slot = 1; slot <= 20; ++slot) {
      const ComponentDecl* decl = SearchListDecl(r, slot);
      if (decl != nullptr) soklistor_[r][slot] = List(decl->name);
    }
    for (const ComponentDecl* list : FreeSearchListsOf(r))
      FreeSearch(list->name)->Open();
    DateOrder(r).Open();
  }
  for (int r = 1; r <= 3; ++r) {
    for (int slot = 1; slot <= 20; ++slot) {
      if (soklistor_[r][slot] != nullptr) soklistor_[r][slot]->Open();
    }
  }
}

void TEVF::SizeScratchSelections() {
  int32_t total = 0;
  for (int r = 1; r <= 3; ++r) {
    if (PersonList(r).Opened()) total += PersonList(r).RowCount();
  }
  for (int n = 1; n <= 3; ++n) {
    sokur(n).Resize(total);
    sokur(n).Clear();
  }
}

void TEVF::ReadHeadings() {
  TVXregtext& own = *Store(kOwnTextStore);
  auto long_text_of = [&](int n) -> std::string {
    if (!own.Opened() || !own.ReadRecord(n).ok() || !own.DecodeFields()) return {};
    return own.LongTexts().empty() ? std::string() : own.LongTexts()[0];
  };
  try {
    rubrik_ = long_text_of(1);
    underrubrik_ = long_text_of(2);
  } catch (const ECompressError&) {
    // A damaged text block leaves the headings empty; the records still work.
  }
}

void TEVF::stangdatabas() {
  auto close_free_lists = [&](int r) {
    for (const ComponentDecl* list : FreeSearchListsOf(r))
      FreeSearch(list->name)->Close();
  };
  PictureBase(kProgramPictureBase)->Close();
  PictureBase(kSetPictureBase)->Close();
  List(kNormalisationList)->Close();
  Store(kOwnTextStore)->Close();
  for (int r = 1; r <= 3; ++r)
    RecordStore(r).Close();
  for (int r = 1; r <= 3; ++r)
    PersonList(r).Close();
  for (int r = 1; r <= 3; ++r) {
    for (int slot = 1; slot <= 20; ++slot) {
      if (soklistor_[r][slot] != nullptr) soklistor_[r][slot]->Close();
    }
  }
  close_free_lists(1);
  for (int r = 1; r <= 3; ++r)
    DateOrder(r).Close();
  close_free_lists(2);
  close_free_lists(3);
  FreeSearch(AllFieldsListName())->Close();
  Store(kHelpTextStore)->Close();
  Store(kEnglishHelpTextStore)->Close();
  for (int n = 1; n <= 3; ++n)
    sokur(n).Release();
}

TVXbildbas* TEVF::PictureBase(std::string_view name) {
  const auto it = picture_bases_.find(name);
  return it == picture_bases_.end() ? nullptr : it->second.get();
}

TVXregtext* TEVF::Store(std::string_view name) {
  const auto it = stores_.find(name);
  return it == stores_.end() ? nullptr : it->second.get();
}

TVXstruktlista* TEVF::List(std::string_view name) {
  const auto it = lists_.find(name);
  return it == lists_.end() ? nullptr : it->second.get();
}

TVXfrisoeklista* TEVF::FreeSearch(std::string_view name) {
  const auto it = free_search_.find(name);
  return it == free_search_.end() ? nullptr : it->second.get();
}

TVXsortordning* TEVF::SortOrder(std::string_view name) {
  const auto it = sort_orders_.find(name);
  return it == sort_orders_.end() ? nullptr : it->second.get();
}

Tvxsmalurval* TEVF::Selection(std::string_view name) {
  const auto it = selections_.find(name);
  return it == selections_.end() ? nullptr : it->second.get();
}

// A number outside 1..3 is a caller's fault: a debug build stops at it, a
// release build hands out a component that is closed anew at every such
// call (a selection emptied to size 0), so it finds and counts nothing.
TVXregtext& TEVF::RecordStore(int r) {
  assert(InRange(r) && "register numbers run 1..3");
  if (InRange(r)) return *by_number_.record_stores[r];
  closed_.record_store.Close();
  return closed_.record_store;
}
TVXstruktlista& TEVF::PersonList(int r) {
  assert(InRange(r) && "register numbers run 1..3");
  if (InRange(r)) return *by_number_.person_lists[r];
  closed_.person_list.Close();
  closed_.person_list.vald().Resize(0);
  return closed_.person_list;
}
TVXsortordning& TEVF::DateOrder(int r) {
  assert(InRange(r) && "register numbers run 1..3");
  if (InRange(r)) return *by_number_.date_orders[r];
  closed_.date_order.Close();
  return closed_.date_order;
}
Tvxsmalurval& TEVF::sokur(int n) {
  assert(InRange(n) && "scratch selections run 1..3");
  if (InRange(n)) return *by_number_.sokur[n];
  closed_.selection.Resize(0);
  return closed_.selection;
}
bool TEVF::RegisterOn(int r) const {
  assert(InRange(r) && "register numbers run 1..3");
  return InRange(r) && register_on_[r];
}

std::string PersonListPath(const std::string& hdbasen, const std::string& regnr,
                           int register_number) {
  ListProperties p;
  if (const ComponentDecl* persons = FindComponent(PersonListName(register_number)))
    p.filnamn = RenameForSet(persons->file_template, regnr);
  return hdbasen + p.RowFileName();
}

Message MissingRegisterSet(const Configuration& config) {
  const std::string first =
      PathText(PersonListPath(config.hdbasen, RegisterSetNumber(config.huvudregister), 1));
  std::error_code ec;
  if (config.hdbasen.empty() || config.hdbasen.back() == '/' ||
      !std::filesystem::is_directory(config.hdbasen, ec)) {
    return {MessageId::CatalogueNoRegisters, {first}};
  }
  // The value as the user wrote it, completed in the separator style it
  // uses.
  const std::string written =
      PathText(config.hdbasen_written.empty() ? config.hdbasen : config.hdbasen_written);
  const bool backslashes =
      written.find('\\') != std::string::npos && written.find('/') == std::string::npos;
  const std::string separator = backslashes ? "\\" : "/";
  return {MessageId::CatalogueNoRegistersFolder, {first, written, separator}};
}

std::string MissingRegisterSetMessage(const Configuration& config) {
  return Render(MissingRegisterSet(config), Language::kSwedish);
}

TVXstruktlista* TEVF::soklistor(int r, int slot) const {
  if (r < 1 || r > 3 || slot < 1 || slot > 20) return nullptr;
  return soklistor_[r][slot];
}

}  // namespace vx
