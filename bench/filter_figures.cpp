#include "bench/filter_figures.h"

#include <cstdio>
#include <map>
#include <string>

#include "catalogue/catalogue_declaration.h"

namespace vx::bench {

void UseFilters(TEVF& evf, bool on) {
  for (const ComponentDecl& c : Catalogue()) {
    if (c.kind != ComponentKind::kFreeSearchList) continue;
    if (TVXfrisoeklista* list = evf.FreeSearch(c.name)) list->set_filter_wanted(on);
  }
}

FilterSizes MeasureFilterSizes(const std::filesystem::path& data, bool print) {
  struct Files {
    double lists = 0;
    double filter = 0;
  };
  std::map<std::string, Files> by_list;
  for (const auto& entry : std::filesystem::directory_iterator(data)) {
    const std::string extension = entry.path().extension().string();
    const double mb = static_cast<double>(entry.file_size()) / 1e6;
    Files& files = by_list[entry.path().stem().string()];
    if (extension == ".f1" || extension == ".f2") files.lists += mb;
    if (extension == std::string(".") + kFilterFileExtension) files.filter += mb;
  }
  FilterSizes sizes;
  for (const auto& [name, files] : by_list) {
    if (files.lists == 0) continue;
    sizes.lists_mb += files.lists;
    sizes.filters_mb += files.filter;
    if (print) {
      std::printf("  %-16s list %8.2f MB, filter %7.2f MB (%4.1f %%)\n", name.c_str(), files.lists,
                  files.filter, 100 * files.filter / files.lists);
    }
  }
  std::printf("free-search lists %.1f MB, their filter files %.1f MB (%.1f %%)\n", sizes.lists_mb,
              sizes.filters_mb, sizes.lists_mb > 0 ? 100 * sizes.filters_mb / sizes.lists_mb : 0.0);
  return sizes;
}

}  // namespace vx::bench
