// kuvo-data info: describes what a data file holds, by its extension:
// record stores (.b, .p, .pz), lists (.i, .iz), postings and free-search
// files (.b1, .f1, .f2), the free-search lists' trigram filters (.ft),
// sort orders (.o), picture bases (…grfk.b, .p, .bi); anything else as a
// compressed stream.
#include <cinttypes>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "engine/codec/compress.h"
#include "engine/lists/free_search_filter_format.h"
#include "engine/lists/struct_list.h"
#include "engine/store/record_store.h"
#include "engine/util/byte_order.h"
#include "engine/util/cp1252.h"
#include "engine/util/crc32c.h"
#include "engine/util/stream.h"
#include "language/message_id.h"
#include "records/register_labels.h"
#include "tools/cli_io.h"
#include "tools/data_commands.h"
#include "tools/data_pictures.h"

namespace vx::cli {
namespace {

namespace fs = std::filesystem;

constexpr int kShownItems = 5;

// One line of the description in the program's language.
void Line(MessageId id, std::initializer_list<std::string_view> args = {}) {
  std::printf("%s\n", Said(id, args).c_str());
}

std::string Number(uint64_t n) {
  return std::to_string(n);
}

// Data text for the terminal: UTF-8, line ends shown as " / ".
std::string Shown(std::string_view text) {
  std::string out = Cp1252ToUtf8(text);
  for (size_t at = out.find('\r'); at != std::string::npos; at = out.find('\r', at + 3)) {
    out.replace(at, 1, " / ");
  }
  return out;
}

std::vector<uint8_t> ReadPrefix(const fs::path& path, size_t n) {
  std::ifstream in(path, std::ios::binary);
  std::vector<uint8_t> bytes(n);
  in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(n));
  bytes.resize(static_cast<size_t>(in.gcount()));
  return bytes;
}

// Counts bytes without keeping them: used to verify a stream.
class CountingStream final : public TStream {
 public:
  uint64_t Size() const override { return count_; }
  uint64_t Position() const override { return count_; }
  void Seek(uint64_t) override {}
  size_t Read(void*, size_t) override { return 0; }
  size_t Write(const void*, size_t n) override {
    count_ += n;
    return n;
  }

 private:
  uint64_t count_ = 0;
};

void DescribeStream(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  const std::vector<uint8_t> bytes(std::istreambuf_iterator<char>(in), {});
  CompressedHeader header;
  if (bytes.size() <= CompressedHeader::kSize ||
      !CompressedHeader::Parse(std::span(bytes).first<CompressedHeader::kSize>(), header)) {
    Line(MessageId::DataInfoStoredPlain);
    Line(MessageId::DataInfoSize, {Number(bytes.size())});
    return;
  }
  Line(MessageId::DataInfoStream);
  Line(MessageId::DataInfoMethod, {header.Id()});
  Line(MessageId::DataInfoPackedSize,
       {Number(bytes.size()), Number(bytes.size() - CompressedHeader::kSize)});
  Line(MessageId::DataInfoUnpackedSize, {Number(header.expanded_size)});
  if (header.expanded_size > 0) {
    char share[32];
    std::snprintf(
        share, sizeof share, "%.1f",
        100.0 * static_cast<double>(bytes.size()) / static_cast<double>(header.expanded_size));
    Line(MessageId::DataInfoShare, {share});
  }
  Line(MessageId::DataInfoArchiveType, {Number(header.archive_type)});
  char checksum[16];
  std::snprintf(checksum, sizeof checksum, "%08" PRIX32, header.checksum);
  Line(MessageId::DataInfoChecksum, {checksum});
  Line(MessageId::DataInfoLock, {Number(header.lock)});
  CountingStream sink;
  TViewStream source(bytes);
  try {
    SharedCodec().ExpandStream(sink, source);
    Line(MessageId::DataInfoStreamSound, {Number(sink.Size())});
  } catch (const ECompressError& error) {
    Line(MessageId::DataInfoStreamFault, {error.what()});
  }
}

void DescribePointerList(const fs::path& path) {
  const std::vector<uint8_t> head = ReadPrefix(path, 16 + 4 * kShownItems);
  if (head.size() < 16) {
    Line(MessageId::DataInfoPointersShort, {Number(head.size())});
    return;
  }
  const uint32_t count = LoadU32(head.data() + 6);
  Line(path.extension() == ".o"   ? MessageId::DataInfoSortOrder
       : path.extension() == ".p" ? MessageId::DataInfoRecordPointers
                                  : MessageId::DataInfoBlockPointers);
  Line(MessageId::DataInfoListType, {Number(LoadU16(head.data()))});
  Line(MessageId::DataInfoCount, {Number(count)});
  Line(MessageId::DataInfoCapacity, {Number(LoadU32(head.data() + 10))});
  const uint64_t present = (fs::file_size(path) - 16) / 4;
  if (present < count) Line(MessageId::DataInfoOnlyRecords, {Number(present)});
  for (size_t i = 0; i < kShownItems && 16 + 4 * i + 4 <= head.size() && i < count; ++i) {
    std::printf("  %zu: %" PRIu32 "\n", i + 1, LoadU32(head.data() + 16 + 4 * i));
  }
}

const std::vector<std::string>& LabelsForStore(const std::string& base) {
  for (int r = 1; r <= 3; ++r) {
    if (base.ends_with('h' + std::to_string(r))) return RegisterLabels(r);
  }
  return TextStoreLabels();
}

void DescribeRecordStore(const fs::path& path) {
  const std::string dir = path.parent_path().empty() ? "" : path.parent_path().string() + "/";
  const std::string base = path.stem().string();
  TVXregtext store;
  RegtextProperties& p = store.properties();
  p.bfilkat = p.pfilkat = p.LZHfilkat = dir;
  p.bfilnamn = p.pfilnamn = p.LZHfilnamn = base;
  // The register set's own texts keep their block list under the shared name.
  if (base != "vaxortext" && base.ends_with("text")) p.LZHfilnamn = "vaxortext";
  // The shared help texts are stored plainly; their name's block list
  // belongs to the register set's own texts.
  const bool blocks = base != "vaxortext" && fs::exists(dir + p.LZHfilnamn + ".pz");
  p.LZH = blocks ? TblobfilLZHmode::LZHblockpacka : TblobfilLZHmode::LZHpackainte;
  p.labels = LabelsForStore(base);
  p.textmaxsiz = p.pcsiz = 80000;
  p.antpc = 20;
  p.RO = true;
  Line(blocks ? MessageId::DataInfoStoreInBlocks : MessageId::DataInfoStorePlain);
  if (!store.Open()) {
    Line(MessageId::DataInfoStoreUnopenable);
    return;
  }
  Line(MessageId::DataInfoRecordCount, {Number(store.RecordCount())});
  Line(MessageId::DataInfoFields, {Number(p.labels.size())});
  try {
    for (uint32_t n = 1; n <= store.RecordCount() && n <= 2; ++n) {
      if (!store.ReadRecord(n).ok() || !store.DecodeFields()) {
        Line(MessageId::DataInfoRecordUnreadable, {Number(n)});
        continue;
      }
      Line(MessageId::DataInfoRecord, {Number(n)});
      size_t short_index = 0, long_index = 0;
      for (const std::string& label : p.labels) {
        const std::string value = label[0] == '5' ? store.LongTexts()[long_index++]
                                                  : std::string(store.ShortFields()[short_index++]);
        if (!value.empty()) {
          std::printf("  %s: %s\n", label.substr(1).c_str(), Shown(value.substr(0, 120)).c_str());
        }
      }
    }
  } catch (const ECompressError& error) {
    Line(MessageId::DataInfoExpandFault, {error.what()});
  }
}

void DescribeRowFile(const fs::path& path) {
  const std::string dir = path.parent_path().empty() ? "" : path.parent_path().string() + "/";
  const std::string base = path.stem().string();
  TVXstruktlista list;
  ListProperties& p = list.properties();
  p.filkat = p.LZHfilkat = p.rllfilkat = dir;
  p.filnamn = p.LZHfilnamn = base;
  p.LZH = fs::exists(dir + base + ".iz");
  p.finnsBLOB = fs::exists(dir + base + ".b1");
  p.RO = true;
  Line(MessageId::DataInfoList,
       {Said(p.LZH ? MessageId::DataInfoRowsInBlocks : MessageId::DataInfoListPlain),
        p.finnsBLOB ? Said(MessageId::DataInfoWithPostings) : std::string()});
  if (!list.Open()) {
    Line(MessageId::DataInfoListUnopenable);
    return;
  }
  Line(MessageId::DataInfoRows, {std::to_string(list.RowCount())});
  Line(MessageId::DataInfoRowLength,
       {std::to_string(p.radmaxlen + 8), std::to_string(p.radmaxlen)});
  Line(MessageId::DataInfoCapacity, {std::to_string(p.maxrader)});
  try {
    for (int32_t row = 1; row <= list.RowCount() && row <= kShownItems; ++row) {
      if (!list.ReadRow(row).ok()) continue;
      std::string what = Said(MessageId::DataInfoValue, {Number(list.RowValue1())});
      if (p.finnsBLOB) {
        what += ", " + (list.PostingCount() == 0
                            ? Said(MessageId::DataInfoOneRecord, {Number(list.FirstRecord())})
                            : Said(MessageId::DataInfoRecords, {Number(list.PostingCount())}));
      }
      std::printf("  %d: \"%s\" (%s)\n", row, Shown(list.RowText()).c_str(), what.c_str());
    }
  } catch (const ECompressError& error) {
    Line(MessageId::DataInfoExpandFault, {error.what()});
  }
}

void DescribePlainBlob(const fs::path& path) {
  const std::vector<uint8_t> head = ReadPrefix(path, 16);
  if (head.size() < 16) {
    Line(MessageId::DataInfoBlobShort);
    return;
  }
  Line(path.extension() == ".b1" ? MessageId::DataInfoListPostings
                                 : MessageId::DataInfoFreeTextPostings);
  Line(MessageId::DataInfoRecordCount, {Number(LoadU32(head.data() + 2))});
  Line(MessageId::DataInfoFirstRecordAt, {Number(LoadU16(head.data() + 6))});
  Line(MessageId::DataInfoSize, {Number(fs::file_size(path))});
}

void DescribeFreeSearchEntries(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  const std::vector<uint8_t> bytes(std::istreambuf_iterator<char>(in), {});
  if (bytes.size() < 16) {
    Line(MessageId::DataInfoFreeTextShort);
    return;
  }
  Line(MessageId::DataInfoFreeText);
  Line(MessageId::DataInfoBlocks, {Number(LoadU32(bytes.data() + 2))});
  size_t entries = 0, at = LoadU16(bytes.data() + 6), shown = 0;
  while (at + 4 <= bytes.size()) {
    const size_t length = LoadU32(bytes.data() + at);
    if (length > bytes.size() - at - 4) {
      Line(MessageId::DataInfoBlockOutside);
      break;
    }
    const uint8_t* block = bytes.data() + at + 4;
    size_t p = 0;
    while (p < length) {
      const auto* text = reinterpret_cast<const char*>(block + p);
      const size_t text_length = strnlen(text, length - p);
      if (p + text_length + 9 > length) break;
      const uint32_t a = LoadU32(block + p + text_length + 1);
      const uint32_t b = LoadU32(block + p + text_length + 5);
      if (shown++ < kShownItems) {
        const std::string what = b == 0 ? Said(MessageId::DataInfoOneRecord, {Number(a)})
                                        : Said(MessageId::DataInfoRecordsListed, {Number(b)});
        std::printf("  \"%s\" (%s)\n", Shown({text, text_length}).c_str(), what.c_str());
      }
      ++entries;
      p += text_length + 9;
    }
    at += 4 + length;
  }
  Line(MessageId::DataInfoRows, {Number(entries)});
}

// Checks the tables' and lists' checksums and shows the first trigrams
// with the share of blocks that hold them.
void DescribeFilterContents(std::span<const uint8_t> bytes, const FreeSearchFilterHeader& header) {
  const auto part = [&](uint64_t offset, uint64_t size) {
    return bytes.subspan(static_cast<size_t>(offset), static_cast<size_t>(size));
  };
  const std::span<const uint8_t> directory =
      part(header.DirectoryOffset(), uint64_t{header.trigram_count} * kFilterTrigramRowSize);
  bool sound =
      Crc32c(part(header.BlockTableOffset(), uint64_t{header.block_count} * kFilterBlockRowSize)) ==
          header.block_table_crc &&
      Crc32c(directory) == header.directory_crc;
  uint64_t offset = header.ListsOffset();
  std::vector<uint64_t> bits;
  for (uint32_t i = 0; sound && i < header.trigram_count; ++i) {
    const uint8_t* row = directory.data() + size_t{i} * kFilterTrigramRowSize;
    const uint32_t length = LoadU32(row + 4);
    if (length > header.DirectoryOffset() - offset) {
      sound = false;
      break;
    }
    const std::span<const uint8_t> list = part(offset, length);
    offset += length;
    sound = Crc32c(list) == LoadU32(row + 8) &&
            DecodeFilterList(static_cast<FilterListKind>(row[3]), list, header.block_count, bits);
    if (sound && i < kShownItems) {
      uint64_t held = 0;
      for (const uint64_t word : bits)
        held += static_cast<uint64_t>(__builtin_popcountll(word));
      std::printf("  %s\n", Said(MessageId::DataInfoTrigramIn,
                                 {"\"" + Shown({reinterpret_cast<const char*>(row), 3}) + "\"",
                                  Number(held), Number(header.block_count)})
                                .c_str());
    }
  }
  Line(sound ? MessageId::DataInfoFilterSound : MessageId::DataInfoFilterDamaged);
}

void DescribeFilter(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  const std::vector<uint8_t> bytes(std::istreambuf_iterator<char>(in), {});
  FreeSearchFilterHeader header;
  if (!header.Load(bytes)) {
    Line(MessageId::DataInfoFilterBadHeader);
    return;
  }
  Line(MessageId::DataInfoFilter, {Number(kFilterVersion)});
  Line(MessageId::DataInfoFilterMadeFor,
       {Number(header.entry_file_size), Number(header.entry_file_blocks),
        Number(header.entry_count)});
  Line(MessageId::DataInfoFilterBlocks, {Number(header.block_count)});
  Line(MessageId::DataInfoTrigrams, {Number(header.trigram_count), Number(header.lists_size)});
  if (header.FileSize() != bytes.size()) {
    Line(MessageId::DataInfoFilterSize, {Number(bytes.size()), Number(header.FileSize())});
    return;
  }
  DescribeFilterContents(bytes, header);
}

}  // namespace

int RunInfo(const std::vector<std::string>& args) {
  if (args.size() != 1) return DataUsage("info");
  const fs::path path(args[0]);
  std::error_code ec;
  if (!fs::is_regular_file(path, ec)) {
    PrintError(Said(MessageId::DataInfoCannotOpen, {args[0]}));
    return 1;
  }
  Line(MessageId::DataInfoFile, {path.string()});
  const std::string extension = path.extension().string();
  if (IsPictureBaseFile(path)) {
    DescribePictureBase(path);
  } else if (extension == ".i") {
    DescribeRowFile(path);
  } else if (extension == ".iz" || extension == ".p" || extension == ".pz" || extension == ".o") {
    DescribePointerList(path);
  } else if (extension == ".b") {
    DescribeRecordStore(path);
  } else if (extension == ".b1" || extension == ".f2") {
    DescribePlainBlob(path);
  } else if (extension == ".f1") {
    DescribeFreeSearchEntries(path);
  } else if (extension == std::string(".") + kFilterFileExtension) {
    DescribeFilter(path);
  } else {
    DescribeStream(path);
  }
  return 0;
}

}  // namespace vx::cli
