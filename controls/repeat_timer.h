// The timer behind auto-repeat (scroll-bar arrows, repeating buttons). A
// control owns one through this interface so that tests can fire it by
// hand instead of waiting.
#ifndef VX_CONTROLS_REPEAT_TIMER_H_
#define VX_CONTROLS_REPEAT_TIMER_H_

#include <QObject>
#include <QTimer>
#include <functional>
#include <memory>

namespace vx {

class RepeatTimer : public QObject {
  Q_OBJECT

 public:
  using QObject::QObject;
  // (Re)starts: the first Fired after `interval_ms`, then one per interval.
  virtual void Start(int interval_ms) = 0;
  // Changes the interval of a running timer from its next firing on.
  virtual void SetInterval(int interval_ms) = 0;
  virtual void Stop() = 0;
  virtual bool IsActive() const = 0;
  virtual int Interval() const = 0;

 signals:
  void Fired();
};

// The real one, over QTimer.
class QtRepeatTimer : public RepeatTimer {
  Q_OBJECT

 public:
  explicit QtRepeatTimer(QObject* parent = nullptr);
  void Start(int interval_ms) override;
  void SetInterval(int interval_ms) override;
  void Stop() override;
  bool IsActive() const override { return timer_.isActive(); }
  int Interval() const override { return timer_.interval(); }

 private:
  QTimer timer_;
};

// Makes the timers of controls created afterwards; tests install one that
// makes fakes. Null restores QtRepeatTimer.
using RepeatTimerFactory = std::function<std::unique_ptr<RepeatTimer>()>;
void SetRepeatTimerFactory(RepeatTimerFactory factory);
std::unique_ptr<RepeatTimer> MakeRepeatTimer();

}  // namespace vx

#endif  // VX_CONTROLS_REPEAT_TIMER_H_
