#pragma once

#include <QString>
#include <QVector>

#include <variant>

// The Format function project scripts were written against. An item is
// %[index:][-][width][.precision]type, the type letter in either case:
//   d  decimal; the precision is the least number of digits (zeros in front)
//   u  unsigned decimal      x  upper-case hexadecimal (precision as for d)
//   p  hexadecimal of at least 8 digits
//   e  "d.dddE+ddd", precision = significant digits (15)
//   f  fixed, precision = decimals (2)   n  as f with thousands grouped
//   m  as n (no currency sign)           g  shortest of f and e (15 digits)
//   s  string; the precision cuts it to that many characters
// A width pads with blanks in front, or behind after "-". "*" as index, width
// or precision takes the next argument, which must be an integer. "%%" is a
// percent sign. An item without an index takes the argument after the one the
// previous item took, so "%5:d %d" shows arguments 5 and 6.
// Integers that fit 32 bits show under u, x and p as a 32-bit value
// (-1 is "FFFFFFFF"); wider ones as 64 bits.
namespace text {

class FormatArg {
public:
    FormatArg(const QString &text) : value_(text) {}
    FormatArg(const char *text) : value_(QString::fromUtf8(text)) {}
    FormatArg(int number) : value_(qint64(number)) {}
    FormatArg(qint64 number) : value_(number) {}
    FormatArg(double number) : value_(number) {}

    // Null unless the argument is of that kind.
    const QString *text() const { return std::get_if<QString>(&value_); }
    const qint64 *integer() const { return std::get_if<qint64>(&value_); }
    const double *real() const { return std::get_if<double>(&value_); }

private:
    std::variant<QString, qint64, double> value_;
};

// The formatted text; `error` (when given) is cleared. An item without its
// argument, with an argument of another kind (s takes only strings, d u x p
// only integers, e f g n m only floats) or of an unknown type makes the
// result empty and sets `error` to "No argument for format '…'" or
// "Format '…' invalid or incompatible with argument", naming the whole format.
QString Format(const QString &format, const QVector<FormatArg> &args, QString *error = nullptr);

} // namespace text
