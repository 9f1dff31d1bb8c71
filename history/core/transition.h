#pragma once
// A region's calendar history: dated changes of calendar, era and year style.

#include <cstddef>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

namespace chronel {

// Calendar code of the switch to the Gregorian calendar. Every other code means the Julian
// calendar; distinct non-switch codes only matter when a child region's lines are merged
// into an inherited list (see MergeOwnLines).
inline constexpr int kGregorianSwitchCode = 4;

// One dated change of reckoning. The six numbers stand in this order on a line of the
// transitions file.
struct CTransition {
    int m_calendar = 0;  // kGregorianSwitchCode, or any other value for the Julian calendar
    int m_era = 0;       // index into the era catalogue (0..6)
    int m_style = 0;     // index into the year-style catalogue (0..3)
    int m_day = 1;       // date of the change, a Julian calendar date:
    int m_month = 1;     //   month 1..12,
    int m_year = 1;      //   historical year (-1 = 1 BC, no year 0)
    friend bool operator==(const CTransition&, const CTransition&) = default;
};

// A region's list of transitions, read-only once built. Regions that inherit a list unchanged
// share it instead of holding a copy each, so a file of many children of one long block costs
// the long block once.
class TransitionList {
public:
    TransitionList() : m_list(Empty()) {}
    TransitionList(std::vector<CTransition> list)  // NOLINT: a list is built as a vector
        : m_list(std::make_shared<const std::vector<CTransition>>(std::move(list))) {}
    TransitionList(std::initializer_list<CTransition> list) : TransitionList(std::vector<CTransition>(list)) {}

    operator const std::vector<CTransition>&() const { return *m_list; }  // NOLINT
    const std::vector<CTransition>& Entries() const { return *m_list; }
    std::size_t size() const { return m_list->size(); }
    bool empty() const { return m_list->empty(); }
    const CTransition& operator[](std::size_t i) const { return (*m_list)[i]; }
    auto begin() const { return m_list->begin(); }
    auto end() const { return m_list->end(); }
    const CTransition& front() const { return m_list->front(); }
    const CTransition& back() const { return m_list->back(); }
    friend bool operator==(const TransitionList& a, const std::vector<CTransition>& b) { return *a.m_list == b; }
    friend bool operator==(const TransitionList& a, const TransitionList& b) { return *a.m_list == *b.m_list; }

private:
    static const std::shared_ptr<const std::vector<CTransition>>& Empty() {
        static const auto empty = std::make_shared<const std::vector<CTransition>>();
        return empty;
    }
    std::shared_ptr<const std::vector<CTransition>> m_list;
};

struct CRegion {
    int m_number = 0;  // number on the block's header line; only compared with the parent number
    std::string m_name;
    TransitionList m_transitions;  // in ascending date order for a well-formed file
};

// JD of the midnight that begins the transition's date (JulianToJD of its date).
double TransitionDayNumber(const CTransition& t);

// True when both transitions have the same calendar code, era and style (dates aside).
bool SameReckoning(const CTransition& a, const CTransition& b);

}  // namespace chronel
