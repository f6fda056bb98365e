#pragma once

#include <QDateTime>
#include <QString>

// Date and time texts as project scripts expect them. FormatDateTime tokens,
// letters in either case:
//   y yy  two-digit year        yyy yyyy  four-digit year
//   m mm  month (minutes right after an h or hh token, other letters not between)
//   mmm mmmm  month name "Mar", "March"
//   d dd  day   ddd dddd  weekday "Tue", "Tuesday"
//   ddddd  short date    dddddd  long date
//   h hh  hour (12-hour clock when an am/pm token follows before the next h)
//   n nn  minutes   s ss  seconds   z zz zzz  milliseconds (at least as many digits)
//   t  short time   tt  long time
//   c  short date, and the long time unless the time is 00:00:00
//   am/pm a/p  "am"/"pm" ("a"/"p") written in the format's own letter case
//   ampm  "AM"/"PM"
//   / and :  date and time separators "/" and ":"
//   '…' "…"  literal text; any other character is copied.
// The neutral settings behind them: short date "yyyy-mm-dd", long date
// "dddd, mmmm d, yyyy", short time "hh:nn", long time "hh:nn:ss", English
// month and weekday names.
namespace text {

// Every format is valid, so there is no error to report; an empty format means
// "c". An invalid moment gives an empty text.
QString FormatDateTime(const QString &format, const QDateTime &when);

// The default date-time form: FormatDateTime("c", when).
QString DefaultDateTimeText(const QDateTime &when);

// A number of seconds as hours:minutes:seconds, two digits at least each and
// hours not limited to 24 ("%-.2d:%-.2d:%-.2d"): 3725 is "01:02:05". Empty
// for a negative number.
QString secondToTime(qint64 seconds);

} // namespace text
