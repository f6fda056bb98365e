#pragma once

#include <QString>

class QDate;
class QDateTime;
class QGraphicsObject;

// The value of a page object by its kind: what a state report or a script
// sets, and what an action receives as the object's value.
namespace object_values {

// `value` is the text and `alpha` the number of the setting; which of the two
// counts depends on the kind. Media names without ":" are looked up in the
// project's media folder under `uiStoredRootPath`.
void SetObjectValue(QGraphicsObject *sender, const QString &value, int alpha,
                    const QString &uiStoredRootPath);
QString GetObjectValue(const QGraphicsObject *sender);

// Dates are exchanged in the system's short date format, with the year
// always in full so that a date read back is the date that was written.
QString dateText(const QDate &date);
// Midnight is shown as the date alone.
QString dateTimeText(const QDateTime &dateTime);
// An invalid date when the text is not a date in that format.
QDate readDate(const QString &text);

} // namespace object_values
