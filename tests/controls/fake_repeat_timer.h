// A repeat timer that tests fire by hand: Advance(ms) fires it as often as
// a real timer would have fired in that time.
#ifndef VX_TESTS_CONTROLS_FAKE_REPEAT_TIMER_H_
#define VX_TESTS_CONTROLS_FAKE_REPEAT_TIMER_H_

#include <memory>

#include "controls/repeat_timer.h"

namespace vx::test {

class FakeRepeatTimer : public RepeatTimer {
 public:
  void Start(int interval_ms) override {
    interval_ = interval_ms;
    elapsed_ = 0;
    active_ = true;
  }
  void SetInterval(int interval_ms) override { interval_ = interval_ms; }
  void Stop() override { active_ = false; }
  bool IsActive() const override { return active_; }
  int Interval() const override { return interval_; }

  void Advance(int ms) {
    while (active_ && interval_ > 0 && elapsed_ + ms >= interval_) {
      ms -= interval_ - elapsed_;
      elapsed_ = 0;
      emit Fired();
    }
    if (active_) elapsed_ += ms;
  }

 private:
  int interval_ = 0;
  int elapsed_ = 0;
  bool active_ = false;
};

// Installs a factory whose timers the test can reach through Last().
class FakeTimers {
 public:
  FakeTimers() {
    SetRepeatTimerFactory([this] {
      auto timer = std::make_unique<FakeRepeatTimer>();
      last_ = timer.get();
      return timer;
    });
  }
  ~FakeTimers() { SetRepeatTimerFactory(nullptr); }
  FakeRepeatTimer* Last() const { return last_; }

 private:
  FakeRepeatTimer* last_ = nullptr;
};

}  // namespace vx::test

#endif  // VX_TESTS_CONTROLS_FAKE_REPEAT_TIMER_H_
