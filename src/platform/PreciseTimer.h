#pragma once
// A single-shot timer that fires when its period is over, not up to a millisecond later:
// Qt's timers count whole milliseconds and add that slack to every COM tick. On Linux it is
// a timerfd watched by the event loop; elsewhere (or if the timerfd cannot be had) a
// precise QTimer.

#include <QObject>
#include <QTimer>
#include <functional>
#include <memory>

class QSocketNotifier;

namespace qx {

class PreciseTimer final : public QObject {
 public:
  explicit PreciseTimer(std::function<void()> onTimeout);
  ~PreciseTimer() override;

  // Fires once, ms milliseconds from now (a running timer starts again).
  void start(int ms);
  void stop();

 private:
  void expired();

  std::function<void()> onTimeout_;
  int fd_ = -1;
  std::unique_ptr<QSocketNotifier> notifier_;
  QTimer fallback_;
};

}  // namespace qx
