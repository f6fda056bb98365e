#include "LinkClock.h"

bool LinkClock::tick(bool connected) {
    if (connected) {
        ++TCP_PingAfterSecs;
        if (TCP_PingAfterSecs > 10) {
            TCP_PingAfterSecs = 0;
            return true;
        }
        return false;
    }
    bool attempt = false;
    if (DisconRetrys < 2 || DisconRetrys > 30) {
        if (DisconRetrys > 30)
            DisconRetrys = 0;
        attempt = true;
    }
    ++DisconRetrys;
    return attempt;
}
