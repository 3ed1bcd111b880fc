// The message sink of the desktop program: what one action reports comes
// in one message box, after the action, without repeats.
#include "controls/message_boxes.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include "engine/util/message_sink.h"

namespace vx {
namespace {

TEST(MessageBoxesTest, OneActionsMessagesShareOneBoxShownAfterIt) {
  const MessageSink previous = SetMessageSink({});
  InstallMessageBoxSink("Valdrisen");
  ReportMessage("Skadad lista i vaxor0001l1.i");
  ReportMessage("Postnummer 7 ligger\rutanf\xF6r urvalet.");
  ReportMessage("Skadad lista i vaxor0001l1.i");
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << "no box inside the action";
  std::vector<QString> shown;
  // Closes each box as it opens, noting its text.
  QTimer closer;
  QObject::connect(&closer, &QTimer::timeout, [&] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      shown.push_back(box->text());
      EXPECT_EQ(box->windowTitle(), "Valdrisen");
      box->accept();
    }
  });
  closer.start(0);
  for (int i = 0; i < 20; ++i)
    QApplication::processEvents();
  closer.stop();
  SetMessageSink(previous);
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0], QString::fromUtf8(
                          "Skadad lista i vaxor0001l1.i\n\nPostnummer 7 ligger\nutanför urvalet."));
}

}  // namespace
}  // namespace vx
