#include "text/DelphiFormat.h"

#include "text/FloatText.h"

#include <algorithm>
#include <limits>

namespace text {
namespace {

const char *const invalidFormat = "Format '%1' invalid or incompatible with argument";
const char *const argumentMissing = "No argument for format '%1'";
// Caps widths and precisions so that a runaway number cannot build a huge text.
constexpr int maxNumber = 99999;

struct Item {
    bool leftJustify = false;
    int width = 0;
    int precision = -1;
    char type = 0;
};

quint64 asUnsigned(qint64 value) {
    const bool fits32 =
        value >= std::numeric_limits<qint32>::min() && value <= std::numeric_limits<qint32>::max();
    return fits32 ? quint64(quint32(value)) : quint64(value);
}

QString withLeastDigits(const QString &digits, int precision) {
    return digits.rightJustified(precision, QLatin1Char('0'));
}

QString integerText(char type, qint64 value, int precision) {
    switch (type) {
    case 'D': {
        const quint64 magnitude = value < 0 ? 0 - quint64(value) : quint64(value);
        const QString digits = withLeastDigits(QString::number(magnitude), precision);
        return value < 0 ? QLatin1Char('-') + digits : digits;
    }
    case 'U':
        return withLeastDigits(QString::number(asUnsigned(value)), precision);
    case 'X':
        return withLeastDigits(QString::number(asUnsigned(value), 16).toUpper(), precision);
    default:
        return withLeastDigits(QString::number(asUnsigned(value), 16).toUpper(), 8);
    }
}

QString realText(char type, double value, int precision) {
    switch (type) {
    case 'E':
        return exponentText(value, precision < 0 ? 15 : precision);
    case 'G':
        return generalText(value, precision < 0 ? 15 : precision);
    case 'F':
        return fixedText(value, precision < 0 ? 2 : precision, false);
    default:
        return fixedText(value, precision < 0 ? 2 : precision, true);
    }
}

// Walks the format once; the first failure stops it.
class Formatter {
public:
    Formatter(const QString &format, const QVector<FormatArg> &args)
        : format_(format), args_(args) {}

    // The failure's message template, or null when `out` holds the whole text.
    const char *run(QString &out) {
        while (pos_ < format_.size()) {
            const QChar c = format_.at(pos_++);
            if (c != QLatin1Char('%'))
                out += c;
            else if (next('%'))
                out += c;
            else if (!appendItem(out))
                return failure_;
        }
        return nullptr;
    }

private:
    bool next(char c) {
        if (pos_ < format_.size() && format_.at(pos_) == QLatin1Char(c)) {
            ++pos_;
            return true;
        }
        return false;
    }

    bool fail(const char *failure) {
        failure_ = failure;
        return false;
    }

    const FormatArg *takeArgument() {
        if (argIndex_ >= args_.size()) {
            fail(argumentMissing);
            return nullptr;
        }
        return &args_.at(argIndex_++);
    }

    // Digits or "*"; `number` stays -1 when neither is there.
    bool readNumber(int &number) {
        number = -1;
        if (next('*')) {
            const FormatArg *arg = takeArgument();
            if (!arg)
                return false;
            if (!arg->integer())
                return fail(invalidFormat);
            number = int(std::min<qint64>(*arg->integer(), maxNumber));
            return true;
        }
        while (pos_ < format_.size() && format_.at(pos_).isDigit()) {
            number = std::min(std::max(number, 0) * 10 + format_.at(pos_).digitValue(), maxNumber);
            ++pos_;
        }
        return true;
    }

    bool readItem(Item &item) {
        int number = -1;
        if (!readNumber(number))
            return false;
        if (next(':')) {
            argIndex_ = std::max(number, 0);
            number = -1;
        }
        if (number < 0) {
            item.leftJustify = next('-');
            if (!readNumber(number))
                return false;
        }
        item.width = std::max(number, 0);
        if (next('.')) {
            if (!readNumber(number))
                return false;
            item.precision = std::max(number, 0);
        }
        if (pos_ >= format_.size())
            return fail(invalidFormat);
        item.type = format_.at(pos_++).toUpper().toLatin1();
        return true;
    }

    bool convert(const Item &item, const FormatArg &arg, QString &text) {
        switch (item.type) {
        case 'D':
        case 'U':
        case 'X':
        case 'P':
            if (!arg.integer())
                return fail(invalidFormat);
            text = integerText(item.type, *arg.integer(), item.precision);
            return true;
        case 'E':
        case 'F':
        case 'G':
        case 'N':
        case 'M':
            if (!arg.real())
                return fail(invalidFormat);
            text = realText(item.type, *arg.real(), item.precision);
            return true;
        case 'S':
            if (!arg.text())
                return fail(invalidFormat);
            text = item.precision >= 0 ? arg.text()->left(item.precision) : *arg.text();
            return true;
        default:
            return fail(invalidFormat);
        }
    }

    bool appendItem(QString &out) {
        Item item;
        if (!readItem(item))
            return false;
        const FormatArg *arg = takeArgument();
        QString text;
        if (!arg || !convert(item, *arg, text))
            return false;
        out += item.leftJustify ? text.leftJustified(item.width) : text.rightJustified(item.width);
        return true;
    }

    const QString &format_;
    const QVector<FormatArg> &args_;
    int pos_ = 0;
    int argIndex_ = 0;
    const char *failure_ = nullptr;
};

} // namespace

QString Format(const QString &format, const QVector<FormatArg> &args, QString *error) {
    QString out;
    const char *failure = Formatter(format, args).run(out);
    if (error)
        *error = failure ? QString::fromLatin1(failure).arg(format) : QString();
    return failure ? QString() : out;
}

} // namespace text
