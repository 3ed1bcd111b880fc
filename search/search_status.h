// How a search ended: done, or refused with a message for the user, which
// the caller shows (a message box in the forms, standard error in
// kuvo-sok). A refused search leaves the register's result as it was.
#ifndef VX_SEARCH_SEARCH_STATUS_H_
#define VX_SEARCH_SEARCH_STATUS_H_

#include <string>
#include <utility>

namespace vx {

struct SearchStatus {
  enum class Code {
    kDone,
    kTermTooLong,     // a term does not fit the pattern buffers
    kLokalIdMissing,  // the Lokal-ID is not in the register's list
  };

  Code code = Code::kDone;
  std::string message;  // Windows-1252; empty when done

  bool ok() const { return code == Code::kDone; }

  static SearchStatus Done() { return {}; }
  static SearchStatus Refused(Code code, std::string message) { return {code, std::move(message)}; }
};

}  // namespace vx

#endif  // VX_SEARCH_SEARCH_STATUS_H_
