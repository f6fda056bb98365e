#pragma once

#include <QDateTime>

// Holding the page surface between 10 and 20 seconds opens the settings; a
// shorter or longer hold past 8 seconds tells the user how long to hold.
class HoldToConfigure {
public:
    enum class HoldResult { Nothing, OpenSettings, ShowHoldMessage };

    void RecordPressBeginTime(const QDateTime &now);
    // Called on release; answers once per recorded press.
    HoldResult CheckIfUserWantUpdateUI(const QDateTime &now);

private:
    bool userPressWorkArea = false;
    QDateTime pressBeginTime;
};
