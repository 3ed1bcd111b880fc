#include "catalogue/catalogue_declaration.h"

#include "catalogue/text_routines.h"

namespace vx {
namespace {

// The template file name of a per-set component: "vaxor0000" followed by
// the rest of its name ("vaxors101" -> "vaxor0000s101").
std::string TemplateOf(const std::string& name) {
  return "vaxor0000" + name.substr(5);
}

ComponentDecl Store(const std::string& name, const std::string& file, int antpc, int pcsiz,
                    int maxrader, TblobfilLZHmode lzh, int register_number) {
  ComponentDecl c{name, ComponentKind::kRecordStore, file, {}, {}, {}, {}};
  c.store = {antpc, pcsiz, maxrader, lzh, pcsiz, register_number, ""};
  return c;
}

ComponentDecl List(const std::string& name, int radmaxlen, int maxrader, bool lzh, bool keepaccent,
                   bool finnsBLOB, bool finnsurval) {
  ComponentDecl c{name, ComponentKind::kWordList, TemplateOf(name), {}, {}, {}, {}};
  c.list = {radmaxlen, maxrader, lzh, keepaccent, finnsBLOB, finnsurval};
  return c;
}

ComponentDecl SearchList(int register_number, int slot) {
  const std::string name = SearchComponentName(register_number, slot);
  switch (100 * register_number + slot) {
    case 101:
    case 102:
    case 201:
    case 202:
    case 301:
    case 302:  // parishes, counties
      return List(name, 100, 20000, false, true, true, true);
    case 104:
    case 204:
    case 304:
    case 306:  // dates
      return List(name, 20, 500000, true, true, true, false);
    case 119:
    case 216:
    case 313:  // Lokal-IDs
      return List(name, 30, 200000, true, true, true, true);
    case 316:  // causes of death
      return List(name, 200, 200000, true, true, true, true);
    default:
      return List(name, 80, 200000, true, true, true, true);
  }
}

ComponentDecl FreeSearch(const std::string& name, int urvalbufsiz, bool in_use) {
  ComponentDecl c{name, ComponentKind::kFreeSearchList, TemplateOf(name), {}, {}, {}, {}};
  c.free_search = {urvalbufsiz, in_use};
  return c;
}

ComponentDecl Other(const std::string& name, ComponentKind kind, const std::string& file = "") {
  return {name, kind, file, {}, {}, {}, {}};
}

// Slots of each register's search word lists.
const std::vector<int>& SlotsOf(int register_number) {
  static const std::vector<int> kBirths = {1, 2, 3, 4, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 19};
  static const std::vector<int> kMarriages = {1, 2, 3, 4, 6, 7, 8, 9, 10, 11, 12, 13, 16};
  static const std::vector<int> kDeaths = {1, 2, 3, 4, 6, 7, 8, 9, 10, 13, 14, 15, 16};
  static const std::vector<int> kNone;
  return register_number == 1   ? kBirths
         : register_number == 2 ? kMarriages
         : register_number == 3 ? kDeaths
                                : kNone;
}

struct FreeSlot {
  int slot;
  bool in_use;
};

// Slots of each register's free-search lists. Marriages declare a second
// list that nothing writes or opens.
const std::vector<FreeSlot>& FreeSlotsOf(int register_number) {
  static const std::vector<FreeSlot> kBirths = {{17, true}, {18, true}};
  static const std::vector<FreeSlot> kMarriages = {{14, true}, {15, false}};
  static const std::vector<FreeSlot> kDeaths = {{11, true}, {12, true}};
  static const std::vector<FreeSlot> kNone;
  return register_number == 1   ? kBirths
         : register_number == 2 ? kMarriages
         : register_number == 3 ? kDeaths
                                : kNone;
}

std::vector<ComponentDecl> Declare() {
  using enum TblobfilLZHmode;
  std::vector<ComponentDecl> c;
  constexpr int kLongTextBuffers[] = {0, 3, 2, 3};  // antpc of registers 1..3
  for (int r = 1; r <= 3; ++r) {
    const std::string name = RecordStoreName(r);
    c.push_back(
        Store(name, TemplateOf(name), kLongTextBuffers[r], 20000, 5000000, LZHblockpacka, r));
  }
  const std::string shared_texts(kHelpTextStore);
  c.push_back(Store(shared_texts, shared_texts, 1, 20000, 20000, LZHpackainte, 0));
  const std::string english_texts(kEnglishHelpTextStore);
  c.push_back(Store(english_texts, english_texts, 1, 20000, 20000, LZHpackainte, 0));
  c.push_back(Store(std::string(kOwnTextStore), shared_texts, 1, 80000, 20000, LZHblockpacka, 0));
  c.back().store.own_file_template = TemplateOf(shared_texts);
  for (int r = 1; r <= 3; ++r)
    c.push_back(List(PersonListName(r), 200, 20000, true, false, false, true));
  c.push_back(List(std::string(kNormalisationList), 250, 500000, true, false, false, true));
  for (int r = 1; r <= 3; ++r) {
    for (int slot : SlotsOf(r))
      c.push_back(SearchList(r, slot));
  }
  for (int r = 1; r <= 3; ++r) {
    for (const FreeSlot& free : FreeSlotsOf(r))
      c.push_back(FreeSearch(SearchComponentName(r, free.slot), 32000, free.in_use));
  }
  c.push_back(FreeSearch(AllFieldsListName(), 1000000, true));
  for (int r = 1; r <= 3; ++r) {
    const std::string name = DateOrderName(r);
    c.push_back(Other(name, ComponentKind::kSortOrder, TemplateOf(name)));
  }
  for (int r = 1; r <= 3; ++r)
    c.push_back(Other(ScratchSelectionName(r), ComponentKind::kSelection));
  c.push_back(Other(std::string(kProgramPictureBase), ComponentKind::kPictureBase, "vaxorgrfk"));
  c.push_back(Other(std::string(kSetPictureBase), ComponentKind::kPictureBase, "vaxor0000grfk"));
  c.push_back(Other("maintiler", ComponentKind::kTiles));
  c.push_back(Other("metiler", ComponentKind::kTiles));
  c.push_back(Other("kttiler", ComponentKind::kTiles));
  c.push_back(Other("mainfigur", ComponentKind::kFigures));
  c.push_back(Other("logofigur", ComponentKind::kFigures));
  return c;
}

}  // namespace

std::string RecordStoreName(int register_number) {
  return "vaxorh" + std::to_string(register_number);
}

std::string PersonListName(int register_number) {
  return "vaxorl" + std::to_string(register_number);
}

std::string DateOrderName(int register_number) {
  return "vaxoro" + std::to_string(register_number);
}

std::string ScratchSelectionName(int number) {
  return "sokur" + std::to_string(number);
}

std::string SearchComponentName(int register_number, int slot) {
  return "vaxors" + std::to_string(100 * register_number + slot);
}

const std::string& AllFieldsListName() {
  static const std::string kName = SearchComponentName(kAllRegisters, kAllFieldsSlot);
  return kName;
}

const std::vector<ComponentDecl>& Catalogue() {
  static const std::vector<ComponentDecl> kCatalogue = Declare();
  return kCatalogue;
}

const ComponentDecl* FindComponent(std::string_view name) {
  for (const ComponentDecl& c : Catalogue()) {
    if (c.name == name) return &c;
  }
  return nullptr;
}

std::string RegisterSetNumber(int huvudregister) {
  return nollfyll(std::to_string(huvudregister), 4);
}

std::string RenameForSet(const std::string& template_name, const std::string& regnr) {
  if (template_name.size() < 9) return template_name;
  return template_name.substr(0, 5) + regnr + template_name.substr(9);
}

const ComponentDecl* SearchListDecl(int register_number, int slot) {
  if (register_number < 1 || register_number > 3 || slot < 1 || slot > 20) return nullptr;
  const ComponentDecl* c = FindComponent(SearchComponentName(register_number, slot));
  return c != nullptr && c->kind == ComponentKind::kWordList ? c : nullptr;
}

const ComponentDecl* FreeSearchListDecl(int register_number, int slot) {
  if (register_number < 1 || register_number > 3 || slot < 1 || slot > 20) return nullptr;
  const ComponentDecl* c = FindComponent(SearchComponentName(register_number, slot));
  if (c == nullptr || c->kind != ComponentKind::kFreeSearchList) return nullptr;
  return c->free_search.in_use ? c : nullptr;
}

std::vector<const ComponentDecl*> FreeSearchListsOf(int register_number) {
  std::vector<const ComponentDecl*> lists;
  for (int slot = 1; slot <= 20; ++slot) {
    if (const ComponentDecl* c = FreeSearchListDecl(register_number, slot)) lists.push_back(c);
  }
  return lists;
}

}  // namespace vx
