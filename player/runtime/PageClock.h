#pragma once

#include <QObject>
#include <QString>

class PageTimers;

// The page timers' part of the page clock's tick: each timer counts ticks
// and fires its element's action every `interval` ticks.
class PageClock : public QObject {
    Q_OBJECT
public:
    explicit PageClock(PageTimers &timers, QObject *parent = nullptr);

    void UserTimerTimer();
    // The first timer of that name (any case) gets the new period; its count
    // goes on. False when there is no such timer.
    bool SetUserTimerInterval(const QString &objNamestr, int val);

signals:
    // A timer is due: run the Task of its element. Connect directly, so the
    // action runs before the next timer counts.
    void timerFired(int xmlId);

private:
    PageTimers &m_timers;
};
