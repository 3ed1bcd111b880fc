// The records of a register as rows of its source table, in the columns the
// builder reads, so that an export of hits can be built into a register set
// again: UTF-8, ';' between values, a header row naming every field by its
// label without the kind digit, RFC 4180 quoting, LF line ends (a line
// break inside a long text is written as LF within quotes, which the
// builder reads back as the record's CR).
#ifndef VX_EXPORT_SOURCE_EXPORT_H_
#define VX_EXPORT_SOURCE_EXPORT_H_

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "engine/store/record_store.h"
#include "engine/util/status.h"

namespace vx {

// The header row of register 1..3's table, ending with LF.
std::string SourceCsvHeader(int register_number);

// The record `store` decoded last as the values of its register's columns
// (UTF-8), short fields and long texts in label order.
std::vector<std::string> SourceValues(const TVXregtext& store);

// Appends the header and `records` of `store` (register 1..3) in the given
// order. A record that cannot be read stops the export with its status;
// the codec's exceptions pass through (the caller runs it as one user
// operation).
Status AppendSourceCsv(TVXregtext& store, int register_number, std::span<const uint32_t> records,
                       std::string& out);

}  // namespace vx

#endif  // VX_EXPORT_SOURCE_EXPORT_H_
