#include "controls/repeat_timer.h"

#include <utility>

namespace vx {
namespace {

RepeatTimerFactory& Factory() {
  static RepeatTimerFactory factory;
  return factory;
}

}  // namespace

QtRepeatTimer::QtRepeatTimer(QObject* parent) : RepeatTimer(parent) {
  connect(&timer_, &QTimer::timeout, this, &RepeatTimer::Fired);
}

void QtRepeatTimer::Start(int interval_ms) {
  timer_.start(interval_ms);
}

void QtRepeatTimer::SetInterval(int interval_ms) {
  timer_.setInterval(interval_ms);
}

void QtRepeatTimer::Stop() {
  timer_.stop();
}

void SetRepeatTimerFactory(RepeatTimerFactory factory) {
  Factory() = std::move(factory);
}

std::unique_ptr<RepeatTimer> MakeRepeatTimer() {
  if (Factory()) return Factory()();
  return std::make_unique<QtRepeatTimer>();
}

}  // namespace vx
