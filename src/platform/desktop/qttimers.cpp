#include "platform/desktop/qttimers.h"

#include <QTimer>

namespace qc {

namespace {

class QtTimer : public Timer {
public:
    QtTimer(int intervalMs, std::function<void()> onTick)
    {
        timer_.setInterval(intervalMs);
        QObject::connect(&timer_, &QTimer::timeout, std::move(onTick));
    }
    void setEnabled(bool enabled) override
    {
        if (enabled && !timer_.isActive())
            timer_.start();
        else if (!enabled)
            timer_.stop();
    }
    bool isEnabled() const override { return timer_.isActive(); }
    int intervalMs() const override { return timer_.interval(); }

private:
    QTimer timer_;
};

} // namespace

std::unique_ptr<Timer> QtTimers::create(int intervalMs, std::function<void()> onTick)
{
    return std::make_unique<QtTimer>(intervalMs, std::move(onTick));
}

} // namespace qc
