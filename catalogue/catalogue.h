// TEVF: the catalogue of a register set's components, created from the
// declaration (catalogue_declaration.h), opened and closed as one.
//
// oppnadatabas names every component's files for the register set of the
// configuration and opens them read-only in a fixed order: the register
// set's own texts, the normalisation list, the person lists and record
// stores of the registers that have a person list, the help texts, the
// search lists of those registers (soklistor) with their free-search lists
// and date orders, the list of all fields; then it sizes the scratch
// selections sokur1..3 to the registers' total row count. A missing file
// leaves its component closed; a register without a person list is off.
//
// Threads: one call at a time per catalogue, calls on the components it
// hands out included (see their headers). After oppnadatabas the const
// readers (RegisterOn, soklistor, regnr, hdbasen, rubrik, underrubrik) only
// read and may run together while nothing else runs; the per-register
// accessors may not (a number outside 1..3 resets a shared fallback). Two
// catalogues own separate components, but their block-mode stores and
// lists expand through the one SharedCodec(), postings go through one
// engine-wide buffer and messages to one sink: they are not safe on two
// threads at once either.
#ifndef VX_CATALOGUE_CATALOGUE_H_
#define VX_CATALOGUE_CATALOGUE_H_

#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "catalogue/configuration.h"
#include "catalogue/shell_hooks.h"
#include "engine/lists/free_search_list.h"
#include "engine/lists/selection.h"
#include "engine/lists/sort_order.h"
#include "engine/lists/struct_list.h"
#include "engine/store/record_store.h"
#include "engine/util/message.h"
#include "imaging/picture_base.h"

namespace vx {

class TEVF {
 public:
  // Creates every component with its declared properties; nothing is open.
  TEVF();
  ~TEVF();
  TEVF(const TEVF&) = delete;
  TEVF& operator=(const TEVF&) = delete;

  // Opens the register set of `config`; `hooks` hears what the windows
  // must show. Called once.
  void oppnadatabas(const Configuration& config, ShellHooks& hooks);
  // Closes every component in the fixed order. Closing what never opened
  // does nothing.
  void stangdatabas();

  // Components by their catalogue name; null when there is none of that
  // class by that name.
  TVXregtext* Store(std::string_view name);
  TVXstruktlista* List(std::string_view name);
  TVXfrisoeklista* FreeSearch(std::string_view name);
  TVXsortordning* SortOrder(std::string_view name);
  Tvxsmalurval* Selection(std::string_view name);
  // The picture bases sysbild (the program's pictures, looked up through
  // its name index; opened by its first user) and logobild (the set's
  // logos, opened by oppnadatabas).
  TVXbildbas* PictureBase(std::string_view name);

  // Register 1..3: its record store (vaxorh), person list (vaxorl, whose
  // vald selection holds the register's hits) and date order (vaxoro).
  // Any other number stops a debug build (assert); a release build gets a
  // closed component that finds and counts nothing.
  TVXregtext& RecordStore(int register_number);
  TVXstruktlista& PersonList(int register_number);
  TVXsortordning& DateOrder(int register_number);
  // True when the register's person list was found and opened; false for a
  // number outside 1..3 (after the same assert).
  bool RegisterOn(int register_number) const;

  // soklistor: the word list of slot 1..20 of register 1..3, or null when
  // the slot is empty or the register is off.
  TVXstruktlista* soklistor(int register_number, int slot) const;
  // The scratch selections of the search: sokur(1) .. sokur(3); any other
  // number as with RecordStore (a release build gets an empty selection of
  // size 0).
  Tvxsmalurval& sokur(int n);

  const std::string& regnr() const { return regnr_; }
  const std::string& hdbasen() const { return hdbasen_; }

  // The heading and sub-heading of the register set (the long texts of
  // records 1 and 2 of its own text store); empty when missing.
  const std::string& rubrik() const { return rubrik_; }
  const std::string& underrubrik() const { return underrubrik_; }

 private:
  void OpenOwnTexts();
  void OpenHelpTexts();
  void OpenNormalisationList();
  void SetSearchDirectories();
  void RenameForRegisterSet();
  void OpenRegisters(ShellHooks& hooks);
  void OpenSearchLists();
  void SizeScratchSelections();
  void ReadHeadings();
  void NamePictureBases();

  std::map<std::string, std::unique_ptr<TVXregtext>, std::less<>> stores_;
  std::map<std::string, std::unique_ptr<TVXstruktlista>, std::less<>> lists_;
  std::map<std::string, std::unique_ptr<TVXfrisoeklista>, std::less<>> free_search_;
  std::map<std::string, std::unique_ptr<TVXsortordning>, std::less<>> sort_orders_;
  std::map<std::string, std::unique_ptr<Tvxsmalurval>, std::less<>> selections_;
  std::map<std::string, std::unique_ptr<TVXbildbas>, std::less<>> picture_bases_;
  TVXstruktlista* soklistor_[4][21] = {};
  // The components of register (or scratch selection) 1..3, from the maps.
  struct {
    TVXregtext* record_stores[4] = {};
    TVXstruktlista* person_lists[4] = {};
    TVXsortordning* date_orders[4] = {};
    Tvxsmalurval* sokur[4] = {};
  } by_number_;
  // What the per-register accessors give for a number outside 1..3.
  struct {
    TVXregtext record_store;
    TVXstruktlista person_list;
    TVXsortordning date_order;
    Tvxsmalurval selection;
  } closed_;
  bool register_on_[4] = {false, false, false, false};
  std::string regnr_ = "0001";
  std::string hdbasen_;
  std::string rubrik_, underrubrik_;
};

// The file whose presence turns register 1..3 of a set on, the first that
// oppnadatabas looks for per register: the person list, named by the
// declaration ("vaxor0001l1.i" for set 1), after the plain prefix
// `hdbasen`.
std::string PersonListPath(const std::string& hdbasen, const std::string& regnr,
                           int register_number);

// The message (Windows-1252) for when no register of the configured set is
// found: names the first file the catalogue looked for, the births' person
// list, and, when hdbasen names an existing folder but lacks the trailing
// separator that its use as a plain prefix needs, suggests adding it.
Message MissingRegisterSet(const Configuration& config);
// The same in Swedish.
std::string MissingRegisterSetMessage(const Configuration& config);

}  // namespace vx

#endif  // VX_CATALOGUE_CATALOGUE_H_
