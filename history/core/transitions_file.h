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
// in by MergeOwnLines. N below 1 means no own lines. A line may be up to 64 KiB long; a longer
// one is a fault.
//
// The reader checks what it reads and stops at the first fault: a header or transition line
// without all its numbers (or with a number that does not fit an int), an era or style index
// outside the catalogues, a transition date that is no Julian calendar date, a parent that does
// not name an earlier block, a block that would leave its region without any transition, a
// file that ends inside a block, text after the last of the 76 blocks. The regions loaded
// before the fault stay; one line "<source>:<line>: <problem>" goes to the error stream.
//
// Only a regular file is read (a folder, a FIFO or a device is refused before it is opened, so
// loading never blocks), and only up to kMaxTransitionsFileBytes.

#include <cstddef>
#include <filesystem>
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

#include "history/core/transition.h"

namespace chronel {

// The shipped file is about 11 KB.
inline constexpr std::size_t kMaxTransitionsFileBytes = std::size_t{256} << 20;

struct TransitionsLoadResult {
    bool opened = false;     // false when the file could not be read: nothing loaded
    int regionsLoaded = 0;   // blocks appended to the region list
    bool faultFound = false; // loading stopped at a faulty line
    int faultLine = 0;       // 1-based line number named in the message (0 without a fault)
    std::string fault;       // the problem, as written to the error stream after "<source>:<line>: "
};

// Appends one CRegion per block to regions. Parent numbers count the blocks of this file
// (the first appended region is block 0), so regions is normally empty on entry. A missing
// file appends nothing and says nothing; a file that cannot be read (not a regular file, a read
// error, too large) appends nothing and says why in one line on errors.
TransitionsLoadResult LoadTransitions(const std::filesystem::path& path, std::vector<CRegion>& regions,
                                      std::ostream& errors);

// The same from a stream; sourceName is the file name used in the message.
TransitionsLoadResult LoadTransitions(std::istream& in, std::string_view sourceName,
                                      std::vector<CRegion>& regions, std::ostream& errors);

}  // namespace chronel
