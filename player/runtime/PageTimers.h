#pragma once

#include <QString>

#include <vector>

// A page timer: fires its element's action every `interval` ticks of the
// page clock.
struct TTimeList {
    QString Name;
    int current = 0;
    int interval = 0;
    int XMLID = -1;
};

class PageTimers {
public:
    void clear() { m_timers.clear(); }
    void add(const TTimeList &timer) { m_timers.push_back(timer); }
    int myTimerListCount() const { return int(m_timers.size()); }
    std::vector<TTimeList> &myTimerList() { return m_timers; }
    const std::vector<TTimeList> &myTimerList() const { return m_timers; }

private:
    std::vector<TTimeList> m_timers;
};
