// Which parts of a search form can be searched in the open register set:
// a field whose list has no rows is disabled and captioned "(inga uppg.)"
// (no information in this register), and so is the Lokal-ID jump.
#ifndef VX_SEARCH_FORM_AVAILABILITY_H_
#define VX_SEARCH_FORM_AVAILABILITY_H_

#include "catalogue/catalogue.h"
#include "search/search_forms.h"

namespace vx {

// True for a list-backed field with an empty-list caption whose list has
// no rows. Sources, dates and free fields are never disabled.
bool FieldDisabled(TEVF& evf, int register_number, const FormField& field);

// True when the form's Lokal-ID list has no rows.
bool LokalIdDisabled(TEVF& evf, const SearchFormTable& form);

}  // namespace vx

#endif  // VX_SEARCH_FORM_AVAILABILITY_H_
