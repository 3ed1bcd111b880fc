// The records the program is showing: the current record of each register
// (enfodd, envigd, endod), the composed text of the record shown last
// (posttext) and the information text loaded last. The desktop program,
// printing and kuvo-sok each own one; nothing here is global. Stores are
// passed in, so this layer does not depend on the catalogue.
#ifndef VX_RECORDS_CURRENT_RECORDS_H_
#define VX_RECORDS_CURRENT_RECORDS_H_

#include <cstdint>
#include <string>
#include <string_view>

#include "engine/store/record_store.h"
#include "language/language.h"
#include "records/information_text.h"
#include "records/register_records.h"

namespace vx {

class CurrentRecords {
 public:
  // Load record n of the register's store (record_loading.h); returns the
  // store's read status.
  Status laddafodd(TVXregtext& store, int64_t n);
  Status laddavigd(TVXregtext& store, int64_t n);
  Status laddadod(TVXregtext& store, int64_t n);
  // Loads record n of register 1..3 from its store; InvalidArgument for
  // another register.
  Status Load(int register_number, TVXregtext& store, int64_t n);

  // Replace posttext with the text of the register's current record.
  void ComposeBirthText(bool coded);
  void ComposeMarriageText(bool coded);
  void ComposeDeathText(bool coded);
  // The composer of register 1..3; posttext is emptied for another register.
  void Compose(int register_number, bool coded);
  // The language of the composed texts' own words (Swedish unless set).
  void SetLanguage(Language language) { language_ = language; }
  Language language() const { return language_; }

  // Column text and sort key of the current record of register 1..3
  // (list_columns.h); "" for another register.
  std::string listtext(int register_number, int kolumn) const;
  std::string listnyckel(int register_number, int typ) const;

  // Information texts (information_text.h).
  int32_t hamtatext(TVXregtext& help_store, std::string_view kod);
  std::string hamtaomtext(TVXregtext& own_store);

  Tenfodd& enfodd() { return enfodd_; }
  Tenvigd& envigd() { return envigd_; }
  Tendod& endod() { return endod_; }
  const Tenfodd& enfodd() const { return enfodd_; }
  const Tenvigd& envigd() const { return envigd_; }
  const Tendod& endod() const { return endod_; }
  const std::string& posttext() const { return posttext_; }
  const InformationText& information() const { return information_; }

 private:
  Tenfodd enfodd_;
  Tenvigd envigd_;
  Tendod endod_;
  std::string posttext_;
  InformationText information_;
  Language language_ = Language::kSwedish;
};

}  // namespace vx

#endif  // VX_RECORDS_CURRENT_RECORDS_H_
