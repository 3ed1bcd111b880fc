#include "catalogue/catalogue_declaration.h"

#include "catalogue/text_routines.h"

namespace vx {
namespace {

ComponentDecl Store(const std::string& name, const std::string& file, int antpc, int pcsiz,
                    int maxrader, TblobfilLZHmode lzh, int register_number) {
  ComponentDecl c{name, ComponentKind::kRecordStore, file, {}, {}, {}, {}};
  c.store = {antpc, pcsiz, maxrader, lzh, pcsiz, register_number};
  return c;
}

ComponentDecl List(const std::string& name, int radmaxlen, int maxrader, bool lzh, bool keepaccent,
                   bool finnsBLOB, bool finnsurval) {
  ComponentDecl c{name, ComponentKind::kWordList, "vaxor0000" + name.substr(5), {}, {}, {}, {}};
  c.list = {radmaxlen, maxrader, lzh, keepaccent, finnsBLOB, finnsurval};
  return c;
}

ComponentDecl SearchList(int number) {
  const std::string name = "vaxors" + std::to_string(number);
  switch (number) {
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

ComponentDecl FreeSearch(int number, int urvalbufsiz) {
  const std::string name = "vaxors" + std::to_string(number);
  ComponentDecl c{
      name, ComponentKind::kFreeSearchList, "vaxor0000s" + std::to_string(number), {}, {}, {}, {}};
  c.free_search.urvalbufsiz = urvalbufsiz;
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

std::vector<ComponentDecl> Declare() {
  using enum TblobfilLZHmode;
  std::vector<ComponentDecl> c;
  c.push_back(Store("vaxorh1", "vaxor0000h1", 3, 20000, 5000000, LZHblockpacka, 1));
  c.push_back(Store("vaxorh2", "vaxor0000h2", 2, 20000, 5000000, LZHblockpacka, 2));
  c.push_back(Store("vaxorh3", "vaxor0000h3", 3, 20000, 5000000, LZHblockpacka, 3));
  c.push_back(Store("vaxortext", "vaxortext", 1, 20000, 20000, LZHpackainte, 0));
  c.push_back(Store("vaxorlokaltext", "vaxortext", 1, 80000, 20000, LZHblockpacka, 0));
  for (int r = 1; r <= 3; ++r) {
    c.push_back(List("vaxorl" + std::to_string(r), 200, 20000, true, false, false, true));
  }
  c.push_back(List("vaxornrm", 250, 500000, true, false, false, true));
  for (int r = 1; r <= 3; ++r) {
    for (int slot : SlotsOf(r))
      c.push_back(SearchList(100 * r + slot));
  }
  for (int number : {117, 118, 214, 215, 311, 312})
    c.push_back(FreeSearch(number, 32000));
  c.push_back(FreeSearch(404, 1000000));
  for (int r = 1; r <= 3; ++r) {
    const std::string name = "vaxoro" + std::to_string(r);
    c.push_back(Other(name, ComponentKind::kSortOrder, "vaxor0000o" + std::to_string(r)));
  }
  for (int r = 1; r <= 3; ++r)
    c.push_back(Other("sokur" + std::to_string(r), ComponentKind::kSelection));
  c.push_back(Other("sysbild", ComponentKind::kPictureBase, "vaxorgrfk"));
  c.push_back(Other("logobild", ComponentKind::kPictureBase, "vaxor0000grfk"));
  c.push_back(Other("maintiler", ComponentKind::kTiles));
  c.push_back(Other("metiler", ComponentKind::kTiles));
  c.push_back(Other("kttiler", ComponentKind::kTiles));
  c.push_back(Other("mainfigur", ComponentKind::kFigures));
  c.push_back(Other("logofigur", ComponentKind::kFigures));
  return c;
}

}  // namespace

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
  const ComponentDecl* c = FindComponent("vaxors" + std::to_string(100 * register_number + slot));
  return c != nullptr && c->kind == ComponentKind::kWordList ? c : nullptr;
}

}  // namespace vx
