#include "PageClock.h"

#include "PageTimers.h"

#include <QThread>

namespace {
// A breath between two actions fired in one tick.
constexpr unsigned long PauseAfterActionMs = 5;
} // namespace

PageClock::PageClock(PageTimers &timers, QObject *parent) : QObject(parent), m_timers(timers) {}

void PageClock::UserTimerTimer() {
    // By index: an action may load another page and replace the timers.
    std::vector<TTimeList> &timers = m_timers.myTimerList();
    for (size_t i = 0; i < timers.size(); ++i) {
        TTimeList &timer = timers[i];
        if (timer.interval <= 0)
            continue;
        if (++timer.current < timer.interval)
            continue;
        timer.current = 0;
        emit timerFired(timer.XMLID);
        QThread::msleep(PauseAfterActionMs);
    }
}

bool PageClock::SetUserTimerInterval(const QString &objNamestr, int val) {
    for (TTimeList &timer : m_timers.myTimerList()) {
        if (timer.Name.compare(objNamestr, Qt::CaseInsensitive) == 0) {
            timer.interval = val;
            return true;
        }
    }
    return false;
}
