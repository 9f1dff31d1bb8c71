// Any bytes as a transitions file: the reader stops at the first fault, never reads outside
// its tables, and every region it keeps has a usable list.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "fuzz_check.h"
#include "history/core/eras.h"
#include "history/core/region_names.h"
#include "history/core/transitions_file.h"
#include "history/core/year_styles.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace chronel;
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    std::vector<CRegion> regions;
    std::ostringstream errors;
    const TransitionsLoadResult result = LoadTransitions(in, "T.txt", regions, errors);
    FUZZ_CHECK(result.opened);
    FUZZ_CHECK(static_cast<std::size_t>(result.regionsLoaded) == regions.size());
    FUZZ_CHECK(regions.size() <= kRegionCount);
    FUZZ_CHECK(result.faultFound == !errors.str().empty());
    for (std::size_t k = 0; k < regions.size(); ++k) {
        FUZZ_CHECK(regions[k].m_name == g_regionNames[k]);
        FUZZ_CHECK(!regions[k].m_transitions.empty());
        for (const CTransition& t : regions[k].m_transitions) {
            FUZZ_CHECK(t.m_era >= 0 && static_cast<std::size_t>(t.m_era) < kEraCount);
            FUZZ_CHECK(t.m_style >= 0 && static_cast<std::size_t>(t.m_style) < kStyleCount);
        }
    }
    return 0;
}
