#include "controls/message_boxes.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <string>

#include "engine/util/cp1252.h"
#include "engine/util/message_sink.h"

namespace vx {
namespace {

QString g_title;
QString g_pending;  // messages waiting for the event loop, one per line

void ShowPending() {
  const QString text = std::exchange(g_pending, QString());
  if (text.isEmpty()) return;
  QMessageBox::warning(QApplication::activeWindow(), g_title, text);
}

void Collect(const std::string& text_cp1252) {
  QString text = QString::fromStdString(Cp1252ToUtf8(text_cp1252));
  text.replace('\r', '\n');
  if (g_pending.contains(text)) return;
  const bool first = g_pending.isEmpty();
  if (!first) g_pending += "\n\n";
  g_pending += text;
  if (first) QTimer::singleShot(0, qApp, &ShowPending);
}

}  // namespace

void InstallMessageBoxSink(const QString& title) {
  g_title = title;
  SetMessageSink(&Collect);
}

}  // namespace vx
