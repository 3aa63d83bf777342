#include "platform/PreciseTimer.h"

#include <QSocketNotifier>

#if defined(__linux__)
#include <sys/timerfd.h>
#include <unistd.h>

#include <cstdint>
#endif

namespace qx {

PreciseTimer::PreciseTimer(std::function<void()> onTimeout) : onTimeout_(std::move(onTimeout)) {
  fallback_.setSingleShot(true);
  fallback_.setTimerType(Qt::PreciseTimer);
  QObject::connect(&fallback_, &QTimer::timeout, this, [this] { expired(); });
#if defined(__linux__)
  fd_ = ::timerfd_create(CLOCK_MONOTONIC, TFD_NONBLOCK | TFD_CLOEXEC);
  if (fd_ >= 0) {
    notifier_ = std::make_unique<QSocketNotifier>(fd_, QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, this, [this] {
      std::uint64_t expirations = 0;
      // Reading resets the timerfd; a spurious wake-up reads nothing and fires nothing.
      if (::read(fd_, &expirations, sizeof expirations) == sizeof expirations) expired();
    });
  }
#endif
}

PreciseTimer::~PreciseTimer() {
  notifier_.reset();
#if defined(__linux__)
  if (fd_ >= 0) ::close(fd_);
#endif
}

void PreciseTimer::start(int ms) {
#if defined(__linux__)
  if (fd_ >= 0) {
    itimerspec spec{};
    const long long ns = static_cast<long long>(ms > 0 ? ms : 0) * 1'000'000LL;
    spec.it_value.tv_sec = static_cast<time_t>(ns / 1'000'000'000LL);
    spec.it_value.tv_nsec = static_cast<long>(ns % 1'000'000'000LL);
    if (spec.it_value.tv_sec == 0 && spec.it_value.tv_nsec == 0) spec.it_value.tv_nsec = 1;
    if (::timerfd_settime(fd_, 0, &spec, nullptr) == 0) return;
  }
#endif
  fallback_.start(ms);
}

void PreciseTimer::stop() {
  fallback_.stop();
#if defined(__linux__)
  if (fd_ >= 0) {
    itimerspec off{};
    ::timerfd_settime(fd_, 0, &off, nullptr);
  }
#endif
}

void PreciseTimer::expired() {
  if (onTimeout_) onTimeout_();
}

}  // namespace qx
