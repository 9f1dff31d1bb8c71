// Merging a child region's own lines into the list it inherits.

#include <algorithm>
#include <random>
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

namespace {

// The merge rule word for word, one own line at a time over the flat list: the definition that
// the loader's faster merge must reproduce exactly.
void MergeByDefinition(List& list, const List& own) {
    const std::size_t n = list.size();
    for (const CTransition& t : own) {
        bool replaced = false;
        for (std::size_t i = 0; i < n && !replaced; ++i) {
            if (SameReckoning(list[i], t)) {
                list[i] = t;
                replaced = true;
            }
        }
        if (replaced) continue;
        std::size_t at = 0;
        while (at < list.size() && !(TransitionDayNumber(list[at]) > TransitionDayNumber(t))) ++at;
        list.insert(list.begin() + static_cast<std::ptrdiff_t>(at), t);
    }
}

// Random lists, sorted or not, few reckonings (so that replacements happen) or many, and
// lengths that cross the merge's block size.
TEST(MergeOwnLines, AgreesWithTheDefinitionOnRandomLists) {
    std::mt19937 random(20261211);
    const auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    for (int round = 0; round < 600; ++round) {
        const int codes = pick(1, 3), eras = pick(1, 7), styles = pick(1, 4);
        const int years = round % 3 == 0 ? 5 : 3000;  // few years: many equal dates
        const auto any = [&] {
            return Jul(pick(0, eras - 1), pick(0, styles - 1), pick(1, 28), pick(1, 12), pick(1, years),
                       pick(0, codes - 1) == 0 ? kGregorianSwitchCode : pick(0, 3));
        };
        List inherited(static_cast<std::size_t>(pick(0, round % 5 == 0 ? 400 : 40)));
        for (auto& t : inherited) t = any();
        if (round % 2 == 0)
            std::stable_sort(inherited.begin(), inherited.end(), [](const auto& a, const auto& b) {
                return TransitionDayNumber(a) < TransitionDayNumber(b);
            });
        List own(static_cast<std::size_t>(pick(0, round % 7 == 0 ? 1500 : 60)));
        for (auto& t : own) t = any();

        List expected = inherited, merged = inherited;
        MergeByDefinition(expected, own);
        MergeOwnLines(merged, own);
        ASSERT_EQ(merged, expected) << "round " << round << ": " << inherited.size() << " inherited, "
                                    << own.size() << " own";
    }
}

}  // namespace
