// Finding the records that may belong to the same life as one record of an
// open register set, through the word lists and the date lists, never by
// reading every record:
//
// 1. For each kind, the records that can be candidates at all are marked
//    from the lists: a first name of the person (or the parents' first
//    names, for children and siblings), and a surname the person may bear
//    or a birth year the record gives (its date list).
// 2. They are ranked by hints that also come from the lists (the same full
//    birth date, a surname, a father's name, the parish), worth the points
//    their rules give in link_table.h.
// 3. In that order their person-list dates are tested against the kind's
//    years, and the best are read and scored (link_scoring.h); the limits
//    of link_table.h bound how many.
//
// Threads: as the catalogue; one call at a time.
#ifndef VX_LINKING_LINK_FINDER_H_
#define VX_LINKING_LINK_FINDER_H_

#include <cstdint>
#include <string_view>
#include <vector>

#include "catalogue/catalogue.h"
#include "engine/util/status.h"
#include "linking/link_candidate.h"

namespace vx {

// The candidates of every kind for `record` of register 1..3 (births,
// marriages, deaths): grouped by kind in LinkKind's order, best first
// within a kind (ties by register order), at most the table's
// max_per_kind of each. InvalidArgument for another register or a record
// outside the register; the store's status when a record cannot be read.
Status FindLinkCandidates(TEVF& evf, int register_number, uint32_t record,
                          std::vector<LinkCandidate>& candidates);

// The record of register 1..3 whose Lokal-ID is `lokalid` (compared as the
// Lokal-ID list compares), or 0 when there is none.
uint32_t RecordOfLokalId(TEVF& evf, int register_number, std::string_view lokalid);

}  // namespace vx

#endif  // VX_LINKING_LINK_FINDER_H_
