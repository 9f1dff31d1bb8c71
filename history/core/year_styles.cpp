#include "history/core/year_styles.h"

namespace chronel {

void FillStyleList(std::vector<CYearStyle>& styles) {
    styles.push_back({0, "Old Style", 25, 3});
    styles.push_back({1, "New Style", 1, 1});
    styles.push_back({2, "March Style", 1, 3});
    styles.push_back({3, "September Style", 1, 9});
}

}  // namespace chronel
