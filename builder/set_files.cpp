#include "builder/set_files.h"

#include <algorithm>

#include "records/register_labels.h"

namespace vx {

ListProperties ListPropertiesFor(const ComponentDecl& list, const std::string& dir,
                                 const std::string& regnr, size_t rows) {
  ListProperties p;
  p.filkat = p.LZHfilkat = p.rllfilkat = dir;
  p.filnamn = p.LZHfilnamn = RenameForSet(list.file_template, regnr);
  p.radmaxlen = list.list.radmaxlen;
  p.maxrader = std::max<int32_t>(list.list.maxrader, static_cast<int32_t>(rows));
  p.LZH = list.list.lzh;
  p.keepaccent = list.list.keepaccent;
  p.finnsBLOB = list.list.finnsBLOB;
  p.finnsurval = list.list.finnsurval;
  p.RO = false;
  return p;
}

RegtextProperties StorePropertiesFor(const ComponentDecl& store, const std::string& dir,
                                     const std::string& regnr) {
  RegtextProperties p;
  p.bfilkat = p.pfilkat = p.LZHfilkat = dir;
  if (!store.store.own_file_template.empty()) {
    // Opened while its block list still has the shared name.
    p.bfilnamn = p.pfilnamn = RenameForSet(store.store.own_file_template, regnr);
    p.LZHfilnamn = store.file_template;
  } else if (IsHelpTextStore(store.name)) {
    p.bfilnamn = p.pfilnamn = p.LZHfilnamn = store.file_template;
  } else {
    p.bfilnamn = p.pfilnamn = p.LZHfilnamn = RenameForSet(store.file_template, regnr);
  }
  p.LZH = store.store.lzh;
  p.labels = store.store.register_number == 0 ? TextStoreLabels()
                                              : RegisterLabels(store.store.register_number);
  p.textmaxsiz = store.store.textmaxsiz;
  p.antpc = store.store.antpc;
  p.pcsiz = store.store.pcsiz;
  p.maxrader = store.store.maxrader;
  p.RO = false;
  return p;
}

FreeSearchListProperties FreeSearchPropertiesFor(const ComponentDecl& list, const std::string& dir,
                                                 const std::string& regnr) {
  FreeSearchListProperties p;
  p.b1filkat = p.b2filkat = dir;
  p.b1filnamn = p.b2filnamn = RenameForSet(list.file_template, regnr);
  p.urvalbufsiz = list.free_search.urvalbufsiz;
  p.RO = false;
  return p;
}

SortOrderProperties SortOrderPropertiesFor(const ComponentDecl& order, const std::string& dir,
                                           const std::string& regnr, size_t rows) {
  SortOrderProperties p;
  p.pfilkat = dir;
  p.pfilnamn = RenameForSet(order.file_template, regnr);
  p.pltyp = 2;
  p.maxrader = std::max<int32_t>(order.sort_order.maxrader, static_cast<int32_t>(rows));
  p.RO = false;
  return p;
}

std::vector<std::string> SetFileNames(const std::string& regnr) {
  std::vector<std::string> names;
  auto add = [&](const std::string& base, std::initializer_list<const char*> extensions) {
    for (const char* extension : extensions)
      names.push_back(base + "." + extension);
  };
  for (const ComponentDecl& c : Catalogue()) {
    switch (c.kind) {
      case ComponentKind::kRecordStore: {
        const RegtextProperties p = StorePropertiesFor(c, "", regnr);
        names.push_back(p.RecordFileName());
        names.push_back(p.PointerListName());
        if (p.BlockMode()) names.push_back(p.BlockListName());
        break;
      }
      case ComponentKind::kWordList:
        add(RenameForSet(c.file_template, regnr), {"i", "iz", "b1"});
        break;
      case ComponentKind::kFreeSearchList:
        add(RenameForSet(c.file_template, regnr), {"f1", "f2", kFilterFileExtension});
        break;
      case ComponentKind::kSortOrder:
        add(RenameForSet(c.file_template, regnr), {"o"});
        break;
      case ComponentKind::kPictureBase:
        // The program's pictures are shared by every set of the folder.
        if (c.name == kSetPictureBase) add(RenameForSet(c.file_template, regnr), {"b", "p"});
        break;
      default:
        break;
    }
  }
  std::sort(names.begin(), names.end());
  names.erase(std::unique(names.begin(), names.end()), names.end());
  return names;
}

}  // namespace vx
