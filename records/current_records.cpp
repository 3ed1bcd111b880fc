#include "records/current_records.h"

#include <string>

#include "records/list_columns.h"
#include "records/record_loading.h"
#include "records/record_text.h"

namespace vx {

Status CurrentRecords::laddafodd(TVXregtext& store, int64_t n) {
  return vx::laddafodd(store, n, enfodd_);
}

Status CurrentRecords::laddavigd(TVXregtext& store, int64_t n) {
  return vx::laddavigd(store, n, envigd_);
}

Status CurrentRecords::laddadod(TVXregtext& store, int64_t n) {
  return vx::laddadod(store, n, endod_);
}

Status CurrentRecords::Load(int register_number, TVXregtext& store, int64_t n) {
  switch (register_number) {
    case kBirths:
      return laddafodd(store, n);
    case kMarriages:
      return laddavigd(store, n);
    case kDeaths:
      return laddadod(store, n);
    default:
      return Status::InvalidArgument("Register " + std::to_string(register_number) +
                                     " finns inte.");
  }
}

void CurrentRecords::ComposeBirthText(bool coded) {
  posttext_ = vx::ComposeBirthText(enfodd_, coded, language_);
}

void CurrentRecords::ComposeMarriageText(bool coded) {
  posttext_ = vx::ComposeMarriageText(envigd_, coded, language_);
}

void CurrentRecords::ComposeDeathText(bool coded) {
  posttext_ = vx::ComposeDeathText(endod_, coded, language_);
}

void CurrentRecords::Compose(int register_number, bool coded) {
  switch (register_number) {
    case kBirths:
      return ComposeBirthText(coded);
    case kMarriages:
      return ComposeMarriageText(coded);
    case kDeaths:
      return ComposeDeathText(coded);
    default:
      posttext_.clear();
  }
}

std::string CurrentRecords::listtext(int register_number, int kolumn) const {
  switch (register_number) {
    case kBirths:
      return vx::listtext(enfodd_, kolumn);
    case kMarriages:
      return vx::listtext(envigd_, kolumn);
    case kDeaths:
      return vx::listtext(endod_, kolumn);
    default:
      return {};
  }
}

std::string CurrentRecords::listnyckel(int register_number, int typ) const {
  switch (register_number) {
    case kBirths:
      return vx::listnyckel(enfodd_, typ);
    case kMarriages:
      return vx::listnyckel(envigd_, typ);
    case kDeaths:
      return vx::listnyckel(endod_, typ);
    default:
      return {};
  }
}

int32_t CurrentRecords::hamtatext(TVXregtext& help_store, std::string_view kod) {
  return vx::hamtatext(help_store, kod, information_);
}

std::string CurrentRecords::hamtaomtext(TVXregtext& own_store) {
  return vx::hamtaomtext(own_store, information_);
}

}  // namespace vx
