#include "text/DateTimeFormat.h"

#include "text/DelphiFormat.h"

#include <QStringList>

#include <algorithm>

namespace text {
namespace {

const QString shortDateFormat = QStringLiteral("yyyy-mm-dd");
const QString longDateFormat = QStringLiteral("dddd, mmmm d, yyyy");
const QString shortTimeFormat = QStringLiteral("hh:nn");
const QString longTimeFormat = QStringLiteral("hh:nn:ss");
const QStringList shortMonthNames = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                     "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
const QStringList longMonthNames = {"January",   "February", "March",    "April",
                                    "May",       "June",     "July",     "August",
                                    "September", "October",  "November", "December"};
// From Sunday, as QDate::dayOfWeek() % 7 counts.
const QStringList shortDayNames = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
const QStringList longDayNames = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                  "Thursday", "Friday", "Saturday"};

QString number(int value, int leastDigits) {
    return QString::number(value).rightJustified(leastDigits, QLatin1Char('0'));
}

bool startsAt(const QString &format, int pos, const char *word) {
    return QStringView(format).mid(pos).startsWith(QLatin1String(word), Qt::CaseInsensitive);
}

// Writes one format; the short and long forms it refers to are written by
// the same rules.
class Writer {
public:
    Writer(const QDate &date, const QTime &time) : date_(date), time_(time) {}

    void write(const QString &format, QString &out) const {
        QChar lastLetter;
        int pos = 0;
        while (pos < format.size()) {
            const QChar starter = format.at(pos);
            int count = 1;
            while (pos + count < format.size() && format.at(pos + count) == starter)
                ++count;
            char token = starter.toUpper().toLatin1();
            if (token >= 'A' && token <= 'Z') {
                if (token == 'M' && lastLetter == QLatin1Char('H'))
                    token = 'N';
                lastLetter = QLatin1Char(token);
            }
            pos += writeToken(token, format, pos, count, out);
        }
    }

private:
    // Returns how many characters of the format the token took.
    int writeToken(char token, const QString &format, int pos, int count, QString &out) const {
        switch (token) {
        case 'Y':
            out += count <= 2 ? number(date_.year() % 100, 2) : number(date_.year(), 4);
            return count;
        case 'M':
            out += count <= 2   ? number(date_.month(), count)
                   : count == 3 ? shortMonthNames.at(date_.month() - 1)
                                : longMonthNames.at(date_.month() - 1);
            return count;
        case 'D':
            writeDay(count, out);
            return count;
        case 'H':
            out += number(hour(format, pos + count), std::min(count, 2));
            return count;
        case 'N':
            out += number(time_.minute(), std::min(count, 2));
            return count;
        case 'S':
            out += number(time_.second(), std::min(count, 2));
            return count;
        case 'Z':
            out += number(time_.msec(), std::min(count, 3));
            return count;
        case 'T':
            write(count == 1 ? shortTimeFormat : longTimeFormat, out);
            return count;
        case 'C':
            write(shortDateFormat, out);
            if (time_.hour() != 0 || time_.minute() != 0 || time_.second() != 0) {
                out += QLatin1Char(' ');
                write(longTimeFormat, out);
            }
            return count;
        case 'A':
            return writeHalfOfDay(format, pos, out);
        case '\'':
        case '"':
            return writeQuoted(format, pos, out);
        default:
            out += format.at(pos);
            return 1;
        }
    }

    void writeDay(int count, QString &out) const {
        const int weekday = date_.dayOfWeek() % 7;
        switch (count) {
        case 1:
        case 2:
            out += number(date_.day(), count);
            break;
        case 3:
            out += shortDayNames.at(weekday);
            break;
        case 4:
            out += longDayNames.at(weekday);
            break;
        case 5:
            write(shortDateFormat, out);
            break;
        default:
            write(longDateFormat, out);
        }
    }

    // The hour, on a 12-hour clock when an am/pm token comes before the next
    // hour token (quoted text aside).
    int hour(const QString &format, int from) const {
        const int hour = time_.hour();
        bool quoted = false;
        for (int i = from; i < format.size(); ++i) {
            const QChar c = format.at(i).toUpper();
            if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
                quoted = !quoted;
            } else if (c == QLatin1Char('H')) {
                break;
            } else if (c == QLatin1Char('A') && !quoted) {
                const bool twelve = startsAt(format, i, "am/pm") || startsAt(format, i, "a/p") ||
                                    startsAt(format, i, "ampm");
                if (twelve)
                    return hour == 0 ? 12 : hour > 12 ? hour - 12 : hour;
                break;
            }
        }
        return hour;
    }

    int writeHalfOfDay(const QString &format, int pos, QString &out) const {
        const bool pm = time_.hour() >= 12;
        if (startsAt(format, pos, "am/pm")) {
            out += format.mid(pm ? pos + 3 : pos, 2);
            return 5;
        }
        if (startsAt(format, pos, "a/p")) {
            out += format.at(pm ? pos + 2 : pos);
            return 3;
        }
        if (startsAt(format, pos, "ampm")) {
            out += pm ? QStringLiteral("PM") : QStringLiteral("AM");
            return 4;
        }
        out += format.at(pos);
        return 1;
    }

    static int writeQuoted(const QString &format, int pos, QString &out) {
        const int end = format.indexOf(format.at(pos), pos + 1);
        const int stop = end < 0 ? format.size() : end;
        out += format.mid(pos + 1, stop - pos - 1);
        return (end < 0 ? stop : stop + 1) - pos;
    }

    QDate date_;
    QTime time_;
};

} // namespace

QString FormatDateTime(const QString &format, const QDateTime &when) {
    if (!when.isValid())
        return {};
    QString out;
    Writer(when.date(), when.time()).write(format.isEmpty() ? QStringLiteral("c") : format, out);
    return out;
}

QString DefaultDateTimeText(const QDateTime &when) {
    return FormatDateTime(QStringLiteral("c"), when);
}

QString secondToTime(qint64 seconds) {
    if (seconds < 0)
        return {};
    return Format(QStringLiteral("%-.2d:%-.2d:%-.2d"),
                  {seconds / 3600, seconds % 3600 / 60, seconds % 60});
}

} // namespace text
