#include "history/core/eras.h"

namespace chronel {

void FillEraList(std::vector<CEra>& eras) {
    eras.push_back({0, "Anno Mundi", 1, 9, -5508});
    eras.push_back({1, "Ab Urbe condita", 21, 4, -753});
    eras.push_back({2, "Diocletian Era", 29, 8, 284});
    eras.push_back({3, "Before Christ", 1, 1, 0});
    eras.push_back({4, "Anno Domini", 1, 1, 0});
    eras.push_back({5, "Byzantine Era", 1, 9, -5509});
    eras.push_back({6, "Olympic Games Era", 1, 7, -776});
}

}  // namespace chronel
