#include "HoldToConfigure.h"

void HoldToConfigure::RecordPressBeginTime(const QDateTime &now) {
    userPressWorkArea = true;
    pressBeginTime = now;
}

HoldToConfigure::HoldResult HoldToConfigure::CheckIfUserWantUpdateUI(const QDateTime &now) {
    if (!userPressWorkArea)
        return HoldResult::Nothing;
    userPressWorkArea = false;
    const qint64 seconds = qAbs(pressBeginTime.msecsTo(now)) / 1000;
    if (seconds > 10 && seconds < 20)
        return HoldResult::OpenSettings;
    return seconds > 8 ? HoldResult::ShowHoldMessage : HoldResult::Nothing;
}
