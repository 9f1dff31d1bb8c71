#include "app/core/program_tables.h"

namespace chronel {

std::vector<CEra> g_eras;
std::vector<CYearStyle> g_styles;
std::vector<CRegion> g_regions;

}  // namespace chronel
