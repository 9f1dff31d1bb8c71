#pragma once
// How a child region's own lines combine with the list it inherits from its parent.

#include <span>
#include <vector>

#include "history/core/transition.h"

namespace chronel {

// Merges ownLines, in their order, into list (a copy of the parent's list).
//
// Let n be the length of list on entry. For each own line t:
//  - Replace: the first entry among positions 0..n-1 of the list as it stands now whose
//    calendar code, era and style equal t's is overwritten by t (date included) and keeps its
//    place; the list is not re-sorted. Positions, not entries: a line inserted earlier by this
//    call can occupy one of them and push an inherited entry to position n or beyond.
//  - Insert: otherwise t goes just before the first entry dated strictly later than t, or at
//    the end, i.e. after every entry of the same or an earlier date.
// With an empty inherited list every own line is inserted by date.
void MergeOwnLines(std::vector<CTransition>& list, std::span<const CTransition> ownLines);

}  // namespace chronel
