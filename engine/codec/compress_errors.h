// The codec's exceptions. The codec is the only part of the data engine that
// throws; the texts are part of the stream format's contract and stay as
// they are.
#ifndef VX_ENGINE_CODEC_COMPRESS_ERRORS_H_
#define VX_ENGINE_CODEC_COMPRESS_ERRORS_H_

#include <cstdint>
#include <stdexcept>
#include <string>
#include <utility>

namespace vx {

class ECompressError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;

  // The data file whose block failed, when the reader that expanded it
  // knows (it sets it and rethrows); what() keeps the codec's own text.
  const std::string& file() const { return file_; }
  void set_file(std::string file) { file_ = std::move(file); }

 private:
  std::string file_;
};

class EInvalidHeaderArchiveType : public ECompressError {
 public:
  EInvalidHeaderArchiveType()
      : ECompressError("Expand can't handle caMulti archive type in compressed header") {}
};

class EUnrecognizedCompressionMethod : public ECompressError {
 public:
  explicit EUnrecognizedCompressionMethod(const std::string& id)
      : ECompressError("Unrecognized compression method: \"" + id + "\" in header") {}
};

class EInvalidKey : public ECompressError {
 public:
  EInvalidKey() : ECompressError("File locked -- valid key required") {}
};

class EBadChecksum : public ECompressError {
 public:
  EBadChecksum() : ECompressError("Bad checksum during expansion -- data may be invalid") {}
};

class ELZHBadDecodeTable : public ECompressError {
 public:
  ELZHBadDecodeTable() : ECompressError("Bad decode table in archive!") {}
};

// Raised by a coder when its output would not be smaller than the source;
// CompressStream catches it and stores the source instead.
class EUnableToCompress : public ECompressError {
 public:
  EUnableToCompress() : ECompressError("Could not compress data, will store instead") {}
};

// Raised before expanding when a header announces more bytes than the caller
// allows (a damaged header must not make the reader allocate gigabytes).
class EExpandedSizeTooLarge : public ECompressError {
 public:
  EExpandedSizeTooLarge(uint64_t announced, uint64_t limit)
      : ECompressError("Komprimerat block anger " + std::to_string(announced) +
                       " byte, men högst " + std::to_string(limit) + " är tillåtet") {}
};

// Raised when the destination stream refuses bytes (a full disc, a pipe closed).
class EStreamWriteError : public ECompressError {
 public:
  EStreamWriteError() : ECompressError("Kunde inte skriva utdata") {}
};

}  // namespace vx

#endif  // VX_ENGINE_CODEC_COMPRESS_ERRORS_H_
