#pragma once
// Reader of the transitions file (Data/Transitions.txt): one block per region, in the order
// of g_regionNames.
//
// Block layout, one line each, numbers as decimal integers with an optional sign separated by
// white space; text after the last number of a line is ignored (a place for notes):
//   header:      region-number parent-number N
//   N lines:     calendar-code era style day month year      (a CTransition)
// A block whose parent number equals its region number has no parent: its list is its own
// lines in file order (so they must stand in date order). Otherwise the list is a copy of the
// list of block <parent number> (counted from 0, an earlier block) with the own lines merged
// in by MergeOwnLines. N below 1 means no own lines. Lines are read whole, whatever their
// length.
//
// The reader checks what it reads and stops at the first fault: a header or transition line
// without all its numbers (or with a number that does not fit an int), an era or style index
// outside the catalogues, a transition date that is no Julian calendar date, a parent that does
// not name an earlier block, a block that would leave its region without any transition, a
// file that ends inside a block, text after the last of the 76 blocks. The regions loaded
// before the fault stay; one line "<source>:<line>: <problem>" goes to the error stream.

#include <filesystem>
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

#include "history/core/transition.h"

namespace chronel {

struct TransitionsLoadResult {
    bool opened = false;     // false when the file could not be opened: nothing read, no message
    int regionsLoaded = 0;   // blocks appended to the region list
    bool faultFound = false; // loading stopped at a faulty line
    int faultLine = 0;       // 1-based line number named in the message (0 without a fault)
    std::string fault;       // the problem, as written to the error stream after "<source>:<line>: "
};

// Appends one CRegion per block to regions. Parent numbers count the blocks of this file
// (the first appended region is block 0), so regions is normally empty on entry. A missing
// or unreadable file appends nothing and writes nothing.
TransitionsLoadResult LoadTransitions(const std::filesystem::path& path, std::vector<CRegion>& regions,
                                      std::ostream& errors);

// The same from a stream; sourceName is the file name used in the message.
TransitionsLoadResult LoadTransitions(std::istream& in, std::string_view sourceName,
                                      std::vector<CRegion>& regions, std::ostream& errors);

}  // namespace chronel
