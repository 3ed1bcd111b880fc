// Loading a record of a register's store into its record object.
#ifndef VX_RECORDS_RECORD_LOADING_H_
#define VX_RECORDS_RECORD_LOADING_H_

#include <cstdint>

#include "engine/store/record_store.h"
#include "records/register_records.h"

namespace vx {

// Reads record `n` (1-based) of `store` and copies its fields into
// `record`: the k-th short field into the member of the k-th '1' label, the
// long texts in order into the '5' members. Fields the record lacks become
// empty. Returns the store's read status (TVXregtext::ReadRecord); when it
// is not OK `record` is left as it was rather than given the store's
// previous record again.
Status laddafodd(TVXregtext& store, int64_t n, Tenfodd& record);
Status laddavigd(TVXregtext& store, int64_t n, Tenvigd& record);
Status laddadod(TVXregtext& store, int64_t n, Tendod& record);

}  // namespace vx

#endif  // VX_RECORDS_RECORD_LOADING_H_
