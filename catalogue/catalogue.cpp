#include "catalogue/catalogue.h"

#include <filesystem>

#include "catalogue/catalogue_declaration.h"
#include "engine/codec/compress_errors.h"
#include "engine/files/file.h"
#include "records/register_labels.h"

namespace vx {
namespace {

// The free-search lists that belong to each register's search form.
const std::vector<std::string>& FreeSearchListsOf(int r) {
  static const std::vector<std::string> kBirths = {"vaxors117", "vaxors118"};
  static const std::vector<std::string> kMarriages = {"vaxors214"};
  static const std::vector<std::string> kDeaths = {"vaxors311", "vaxors312"};
  return r == 1 ? kBirths : r == 2 ? kMarriages : kDeaths;
}

std::string Numbered(const char* prefix, int n) {
  return prefix + std::to_string(n);
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
      default:  // pictures come with the desktop program
        break;
    }
  }
  // Every search asks for these by number; a name lookup each time would
  // cost more than a search that finds nothing.
  for (int n = 1; n <= 3; ++n) {
    by_number_.record_stores[n] = Store(Numbered("vaxorh", n));
    by_number_.person_lists[n] = List(Numbered("vaxorl", n));
    by_number_.date_orders[n] = SortOrder(Numbered("vaxoro", n));
    by_number_.sokur[n] = Selection(Numbered("sokur", n));
  }
}

TEVF::~TEVF() {
  stangdatabas();
}

void TEVF::oppnadatabas(const Configuration& config, ShellHooks& hooks) {
  regnr_ = RegisterSetNumber(config.huvudregister);
  hdbasen_ = config.hdbasen;
  OpenOwnTexts();
  OpenNormalisationList();
  SetSearchDirectories();
  RenameForRegisterSet();
  OpenRegisters(hooks);
  TVXregtext& help = *Store("vaxortext");
  help.properties().bfilkat = help.properties().pfilkat = hdbasen_;
  help.properties().RO = true;
  help.Open();
  OpenSearchLists();
  FreeSearch("vaxors404")->Open();
  SizeScratchSelections();
  hooks.InvalidateResultCache();
  for (int r = 1; r <= 3; ++r) {
    if (!RecordStore(r).Opened() || RecordStore(r).RecordCount() == 0)
      hooks.DisableRegisterToggle(r);
  }
  ReadHeadings();
}

void TEVF::OpenOwnTexts() {
  TVXregtext& own = *Store("vaxorlokaltext");
  RegtextProperties& p = own.properties();
  p.bfilkat = p.pfilkat = p.LZHfilkat = hdbasen_;
  p.RO = true;
  p.bfilnamn = p.pfilnamn = "vaxor" + regnr_ + "text";
  own.Open();  // its block list still has the shared name "vaxortext"
}

void TEVF::OpenNormalisationList() {
  TVXstruktlista& norm = *List("vaxornrm");
  ListProperties& p = norm.properties();
  p.filkat = p.LZHfilkat = hdbasen_;
  p.filnamn = p.LZHfilnamn = "vaxor" + regnr_ + "nrm";
  p.RO = true;
  norm.Open();
}

void TEVF::SetSearchDirectories() {
  for (auto& [name, list] : lists_) {
    if (!name.starts_with("vaxors")) continue;
    ListProperties& p = list->properties();
    p.filkat = p.rllfilkat = p.LZHfilkat = hdbasen_;
    p.RO = true;
  }
  for (auto& [name, list] : free_search_) {
    if (name == "vaxors215") continue;  // declared, never opened
    list->properties().b1filkat = list->properties().b2filkat = hdbasen_;
    list->properties().RO = true;
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
        if (p.bfilnamn == "vaxortext") break;
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
    if (!ResolveCaseInsensitive(hdbasen_ + lp.filnamn + "." + lp.filext)) {
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
    for (const std::string& name : FreeSearchListsOf(r))
      FreeSearch(name)->Open();
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
  TVXregtext& own = *Store("vaxorlokaltext");
  auto long_text_of = [&](int n) -> std::string {
    if (!own.Opened() || own.ReadRecord(n) != 0 || !own.DecodeFields()) return {};
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
  auto close_list = [&](const std::string& name) { List(name)->Close(); };
  List("vaxornrm")->Close();
  for (const char* name : {"vaxorlokaltext", "vaxorh1", "vaxorh2", "vaxorh3"})
    Store(name)->Close();
  for (int r = 1; r <= 3; ++r)
    close_list(Numbered("vaxorl", r));
  for (int r = 1; r <= 3; ++r) {
    for (int slot = 1; slot <= 20; ++slot) {
      if (soklistor_[r][slot] != nullptr) soklistor_[r][slot]->Close();
    }
  }
  for (const char* name : {"vaxors117", "vaxors118"})
    FreeSearch(name)->Close();
  for (int r = 1; r <= 3; ++r)
    DateOrder(r).Close();
  for (const char* name : {"vaxors214", "vaxors311", "vaxors312", "vaxors404"}) {
    FreeSearch(name)->Close();
  }
  Store("vaxortext")->Close();
  for (int n = 1; n <= 3; ++n)
    sokur(n).Release();
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

TVXregtext& TEVF::RecordStore(int r) {
  return InRange(r) ? *by_number_.record_stores[r] : *Store(Numbered("vaxorh", r));
}
TVXstruktlista& TEVF::PersonList(int r) {
  return InRange(r) ? *by_number_.person_lists[r] : *List(Numbered("vaxorl", r));
}
TVXsortordning& TEVF::DateOrder(int r) {
  return InRange(r) ? *by_number_.date_orders[r] : *SortOrder(Numbered("vaxoro", r));
}
Tvxsmalurval& TEVF::sokur(int n) {
  return InRange(n) ? *by_number_.sokur[n] : *Selection(Numbered("sokur", n));
}

TVXstruktlista* TEVF::soklistor(int r, int slot) const {
  if (r < 1 || r > 3 || slot < 1 || slot > 20) return nullptr;
  return soklistor_[r][slot];
}

}  // namespace vx
