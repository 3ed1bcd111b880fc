// kuvo-data info: describes what a file holds.
#include <cinttypes>
#include <cstdio>
#include <fstream>
#include <iterator>

#include "engine/compress.h"
#include "engine/stream.h"
#include "tools/cli_io.h"
#include "tools/data_commands.h"

namespace vx::cli {
namespace {

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

void DescribeStream(const std::vector<uint8_t>& bytes) {
  CompressedHeader header;
  if (bytes.size() <= CompressedHeader::kSize ||
      !CompressedHeader::Parse(std::span(bytes).first<CompressedHeader::kSize>(), header)) {
    std::printf("Typ: lagrad data utan huvud (packas upp till sig själv)\n");
    std::printf("Storlek: %zu byte\n", bytes.size());
    return;
  }
  std::printf("Typ: komprimerad ström\n");
  std::printf("Metod: %s\n", header.Id().c_str());
  std::printf("Packad storlek: %zu byte (huvud 21, kodad data %zu)\n", bytes.size(),
              bytes.size() - CompressedHeader::kSize);
  std::printf("Uppackad storlek: %" PRIu32 " byte\n", header.expanded_size);
  if (header.expanded_size > 0) {
    std::printf("Andel: %.1f %%\n", 100.0 * static_cast<double>(bytes.size()) /
                                        static_cast<double>(header.expanded_size));
  }
  std::printf("Arkivtyp: %u\n", header.archive_type);
  std::printf("Kontrollsumma: %08" PRIX32 "\n", header.checksum);
  std::printf("Lås: %" PRIu32 "\n", header.lock);
  CountingStream sink;
  TViewStream source(bytes);
  try {
    SharedCodec().ExpandStream(sink, source);
    std::printf("Kontroll: strömmen packas upp utan fel (%" PRIu64 " byte)\n", sink.Size());
  } catch (const ECompressError& error) {
    std::printf("Kontroll: FEL: %s\n", error.what());
  }
}

}  // namespace

int RunInfo(const std::vector<std::string>& args) {
  if (args.size() != 1) return DataUsage();
  std::ifstream in(args[0], std::ios::binary);
  if (!in) {
    PrintError("Kan inte öppna filen " + args[0]);
    return 1;
  }
  const std::vector<uint8_t> bytes(std::istreambuf_iterator<char>(in), {});
  std::printf("Fil: %s\n", args[0].c_str());
  DescribeStream(bytes);
  return 0;
}

}  // namespace vx::cli
