// kuvo started on a machine without a display (its usage is in the stored
// answers).
#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "tests/support/files.h"

namespace vx {
namespace {

using testing::RunProcess;

const std::string kKuvo = VX_KUVO;

// Removes an environment variable for the scope, restoring it afterwards.
class UnsetVariable {
 public:
  explicit UnsetVariable(const char* name) : name_(name) {
    if (const char* value = std::getenv(name)) saved_ = value;
    unsetenv(name);
  }
  ~UnsetVariable() {
    if (saved_) setenv(name_, saved_->c_str(), 1);
  }

 private:
  const char* name_;
  std::optional<std::string> saved_;
};

TEST(KuvoStart, WithoutADisplayItSaysSoInOneLineAndExits1) {
  UnsetVariable display("DISPLAY"), wayland("WAYLAND_DISPLAY"), platform("QT_QPA_PLATFORM");
  const testing::ProcessResult result = RunProcess({kKuvo});
  EXPECT_EQ(result.exit_code, 1);
  EXPECT_TRUE(result.out.empty());
  ASSERT_FALSE(result.err.empty());
  EXPECT_EQ(result.err.find('\n'), result.err.size() - 1) << result.err;
  EXPECT_NE(result.err.find("bildskärm"), std::string::npos) << result.err;
}

}  // namespace
}  // namespace vx
