// The catalogue of a register set's data files, declared as data: one
// component per file family, with its class, its template file name and its
// properties. The program opens the components by this declaration and the
// builder writes the files it names, so both agree by construction.
//
// Template names carry "0000" in characters 6 to 9 ("vaxor0000s101"); a
// register set's own names put its four-digit number there
// (RenameForSet). "vaxortext" and the program's pictures keep their names.
#ifndef VX_CATALOGUE_CATALOGUE_DECLARATION_H_
#define VX_CATALOGUE_CATALOGUE_DECLARATION_H_

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/files/record_file.h"

namespace vx {

enum class ComponentKind : uint8_t {
  kRecordStore,     // TVXregtext
  kWordList,        // TVXstruktlista
  kFreeSearchList,  // TVXfrisoeklista
  kSortOrder,       // TVXsortordning
  kSelection,       // Tvxsmalurval
  kPictureBase,     // TVXbildbas
  kTiles,           // TVXtiler
  kFigures,         // TVXfigurer, TNRfigurer
};

struct RecordStoreDecl {
  int32_t antpc = 1;
  int32_t pcsiz = 20000;
  int32_t maxrader = 20000;
  TblobfilLZHmode lzh = TblobfilLZHmode::LZHblockpacka;
  int32_t textmaxsiz = 20000;
  int register_number = 0;  // 1..3: the register's labels; 0: the text labels
  // The template of the record and pointer files when they are named at
  // opening rather than by file_template ("vaxor0000text" of the register
  // set's own texts, whose block list keeps the shared "vaxortext"); empty
  // when file_template names all three.
  std::string own_file_template;
};

struct WordListDecl {
  int32_t radmaxlen = 80;
  int32_t maxrader = 200000;
  bool lzh = true;
  bool keepaccent = true;
  bool finnsBLOB = true;
  bool finnsurval = true;
};

struct FreeSearchDecl {
  int32_t urvalbufsiz = 32000;
  // False for a list that is declared but never opened or written
  // (vaxors215).
  bool in_use = true;
};

struct SortOrderDecl {
  int32_t maxrader = 2000000;
};

struct ComponentDecl {
  std::string name;  // "vaxors101"
  ComponentKind kind;
  std::string file_template;  // "vaxor0000s101"
  RecordStoreDecl store;
  WordListDecl list;
  FreeSearchDecl free_search;
  SortOrderDecl sort_order;
};

// Component names. These functions and constants are the only place that
// spells them; the declaration, the catalogue, the search forms and the
// builder all take the names, and through them the file names, from here.
//
// Register 1..3's record store "vaxorh1", person list "vaxorl1", date
// order "vaxoro1" and scratch selection "sokur1".
std::string RecordStoreName(int register_number);
std::string PersonListName(int register_number);
std::string DateOrderName(int register_number);
std::string ScratchSelectionName(int number);
// The search word list or free-search list in slot 1..20 of register 1..3:
// "vaxors" + r·100 + slot ("vaxors107", "vaxors117").
std::string SearchComponentName(int register_number, int slot);
// The free-search list of every field of all three registers, "vaxors404":
// slot kAllFieldsSlot of the pseudo-register kAllRegisters.
inline constexpr int kAllRegisters = 4;
inline constexpr int kAllFieldsSlot = 4;
const std::string& AllFieldsListName();
// The components that exist once.
inline constexpr std::string_view kHelpTextStore = "vaxortext";
// The help texts in English, beside the Swedish ones: this program's own
// addition, which a register set may lack (its help is then Swedish).
inline constexpr std::string_view kEnglishHelpTextStore = "vaxortexten";
inline constexpr std::string_view kOwnTextStore = "vaxorlokaltext";
inline constexpr std::string_view kNormalisationList = "vaxornrm";
// The picture bases: the program's own pictures and the register set's.
inline constexpr std::string_view kProgramPictureBase = "sysbild";
inline constexpr std::string_view kSetPictureBase = "logobild";

// True for the help text stores, whose names are shared by every register
// set of a folder and never take a set's number.
inline bool IsHelpTextStore(std::string_view name) {
  return name == kHelpTextStore || name == kEnglishHelpTextStore;
}

// Every component, in declaration order.
const std::vector<ComponentDecl>& Catalogue();

// The component of that name, or null.
const ComponentDecl* FindComponent(std::string_view name);

// `huvudregister` as four digits, padded on the left with "0" (a longer
// number stays whole): 7 gives "0007", 12345 gives "12345".
std::string RegisterSetNumber(int huvudregister);

// Characters 6 to 9 of a template name replaced by `regnr`:
// ("vaxor0000s101", "0007") gives "vaxor0007s101". Names shorter than
// 9 characters are returned unchanged. Callers leave the names that are
// not per register set (the help text stores, the program's pictures) alone.
std::string RenameForSet(const std::string& template_name, const std::string& regnr);

// The word list of slot 1..20 of register 1..3 ("vaxors" + r·100 + s), or
// null when the catalogue has none there.
const ComponentDecl* SearchListDecl(int register_number, int slot);

// The free-search list of slot 1..20 of register 1..3, or null when the
// catalogue has none there or declares it without using it.
const ComponentDecl* FreeSearchListDecl(int register_number, int slot);
// The free-search lists of register 1..3 (its search form's free fields),
// in slot order; empty for any other number.
std::vector<const ComponentDecl*> FreeSearchListsOf(int register_number);

}  // namespace vx

#endif  // VX_CATALOGUE_CATALOGUE_DECLARATION_H_
