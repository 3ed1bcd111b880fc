#include "engine/util/message_sink.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vx {
namespace {

TEST(MessageSink, DefaultWritesUtf8LinesToStandardError) {
  ::testing::internal::CaptureStderr();
  ReportMessage("Kan inte \xF6ppna\rvaxors101");
  EXPECT_EQ(::testing::internal::GetCapturedStderr(), "Kan inte \xC3\xB6ppna\nvaxors101\n");
}

TEST(MessageSink, ScopedSinksNestAndRestore) {
  std::vector<std::string> outer, inner;
  {
    ScopedMessageSink a([&](const std::string& text) { outer.push_back(text); });
    {
      ScopedMessageSink b([&](const std::string& text) { inner.push_back(text); });
      ReportMessage("1");
    }
    ReportMessage("2");
    // A sink may replace itself while it runs.
    SetMessageSink([&](const std::string& text) {
      outer.push_back("once " + text);
      SetMessageSink([&](const std::string& later) { outer.push_back(later); });
    });
    ReportMessage("3");
    ReportMessage("4");
  }
  EXPECT_EQ(inner, std::vector<std::string>{"1"});
  EXPECT_EQ(outer, (std::vector<std::string>{"2", "once 3", "4"}));
  ::testing::internal::CaptureStderr();
  ReportMessage("5");
  EXPECT_EQ(::testing::internal::GetCapturedStderr(), "5\n");
}

}  // namespace
}  // namespace vx
