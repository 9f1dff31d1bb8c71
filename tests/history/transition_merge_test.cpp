// Merging a child region's own lines into the list it inherits.

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "history/core/transition_merge.h"
#include "history_test_util.h"

using namespace chronel;
using namespace chronel::testing_history;

namespace {

using List = std::vector<CTransition>;

struct MergeCase {
    const char* what;
    List inherited;
    List own;
    List expected;
};

TEST(MergeOwnLines, ReplaceOrInsertByDate) {
    const CTransition a = Jul(kAnnoDomini, kNewStyle, 1, 1, 1000);
    const CTransition b = Switch(4, 10, 1500);
    const CTransition x = Jul(kAnnoMundi, kMarchStyle, 1, 1, 900);  // matches neither a nor b
    const CTransition y = Switch(1, 1, 1600);                        // same triple as b
    const CTransition aLater = Jul(kAnnoDomini, kNewStyle, 1, 1, 1700);
    const CTransition oldStyleOnA = Jul(kAnnoDomini, kOldStyle, 1, 1, 1000);
    const CTransition oldStyleLast = Jul(kAnnoDomini, kOldStyle, 1, 1, 2000);
    const CTransition aCode1 = Jul(kAnnoDomini, kNewStyle, 1, 1, 1200, 1);
    const CTransition a2 = Jul(kAnnoDomini, kNewStyle, 1, 1, 800);
    const CTransition a3 = Jul(kAnnoDomini, kNewStyle, 1, 1, 850);

    const MergeCase cases[] = {
        // X is inserted at position 0 and pushes B to position 2 = n; Y then only sees X and A.
        {"X then Y: B is not replaced", {a, b}, {x, y}, {x, a, b, y}},
        {"Y alone replaces B in place", {a, b}, {y}, {a, y}},
        // The replacement takes the line's date and keeps the position: no re-sorting.
        {"replacement keeps its place even out of order", {a, b}, {aLater}, {aLater, b}},
        {"equal date, no match: after the existing entry", {a, b}, {oldStyleOnA}, {a, oldStyleOnA, b}},
        {"later than everything: appended", {a, b}, {oldStyleLast}, {a, b, oldStyleLast}},
        {"earlier than everything: first", {a, b}, {x}, {x, a, b}},
        {"the calendar code takes part in the match", {a, b}, {aCode1}, {a, aCode1, b}},
        {"the first of two matching entries is replaced", {a, aLater, b}, {a2}, {a2, aLater, b}},
        {"a later own line can replace an earlier own line", {a, b}, {a2, a3}, {a3, b}},
        {"no inherited entries: insert by date", {}, {y, x}, {x, y}},
        {"no own lines: exact copy", {a, b}, {}, {a, b}},
    };
    for (const MergeCase& c : cases) {
        SCOPED_TRACE(c.what);
        List list = c.inherited;
        MergeOwnLines(list, c.own);
        EXPECT_EQ(list, c.expected);
    }
}

// The same rules reached through the file: parents, copies and own lists in file order.
TEST(MergeThroughFile, ParentsCopiesAndOwnListsInFileOrder) {
    const std::string text =
        "0 0 2 own list, dates not ascending: kept in file order\n"
        "0 4 1 1 1 1500\n"
        "0 4 1 1 1 1400\n"
        "1 1 2 block 1\n"
        "0 4 1 1 1 1000\n"
        "4 4 1 4 10 1500\n"
        "2 1 0 exact copy of block 1\n"
        "3 1 -2 negative count: also a copy\n"
        "4 1 2 [X, A, B, Y]\n"
        "0 0 2 1 1 900\n"
        "4 4 1 1 1 1600\n"
        "5 4 1 copy of block 4 with its merges, plus one line\n"
        "0 0 2 1 1 950\n";
    std::vector<CRegion> regions;
    std::string errors;
    const TransitionsLoadResult result = LoadText(text, regions, errors);
    EXPECT_FALSE(result.faultFound) << errors;
    ASSERT_EQ(regions.size(), 6u);

    EXPECT_EQ(regions[0].m_transitions, (List{Jul(4, 1, 1, 1, 1500), Jul(4, 1, 1, 1, 1400)}));
    const List parent = {Jul(4, 1, 1, 1, 1000), Switch(4, 10, 1500)};
    EXPECT_EQ(regions[1].m_transitions, parent);
    EXPECT_EQ(regions[2].m_transitions, parent);
    EXPECT_EQ(regions[3].m_transitions, parent);
    const List xaby = {Jul(0, 2, 1, 1, 900), Jul(4, 1, 1, 1, 1000), Switch(4, 10, 1500), Switch(1, 1, 1600)};
    EXPECT_EQ(regions[4].m_transitions, xaby);
    // The (0, 0, 2) line matches X at position 0 of the inherited list and replaces it.
    const List grandchild = {Jul(0, 2, 1, 1, 950), Jul(4, 1, 1, 1, 1000), Switch(4, 10, 1500), Switch(1, 1, 1600)};
    EXPECT_EQ(regions[5].m_transitions, grandchild);
}

}  // namespace
