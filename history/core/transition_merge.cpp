#include "history/core/transition_merge.h"

#include <algorithm>
#include <cstddef>

namespace chronel {

void MergeOwnLines(std::vector<CTransition>& list, std::span<const CTransition> ownLines) {
    const std::size_t inherited = list.size();  // counted once, before the first own line
    for (const CTransition& t : ownLines) {
        // The list only grows, so positions 0..inherited-1 always exist.
        const auto replaceable = list.begin() + static_cast<std::ptrdiff_t>(inherited);
        const auto same = std::find_if(list.begin(), replaceable,
                                       [&](const CTransition& e) { return SameReckoning(e, t); });
        if (same != replaceable) {
            *same = t;
            continue;
        }
        const double day = TransitionDayNumber(t);
        const auto later = std::find_if(list.begin(), list.end(), [&](const CTransition& e) {
            return TransitionDayNumber(e) > day;
        });
        list.insert(later, t);
    }
}

}  // namespace chronel
