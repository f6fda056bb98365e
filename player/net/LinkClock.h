#pragma once

// The link's share of the one-second page clock: a keep-alive after eleven
// quiet ticks while connected; while not, two connect attempts on
// consecutive ticks and then 29 quiet ones, over and over.
class LinkClock {
public:
    // One tick; true when "@Pi@" is to be sent.
    bool tick(bool connected);
    // Every message sent restarts the quiet count.
    void messageSent() { TCP_PingAfterSecs = 0; }

    int DisconRetrys = 0;
    int TCP_PingAfterSecs = 0;
};
