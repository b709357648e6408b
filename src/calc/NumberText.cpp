#include "calc/NumberText.h"

#include <QRegularExpression>

#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <locale.h>

namespace NumberText {

namespace {

locale_t cLocale()
{
    static const locale_t locale = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
    return locale;
}

} // namespace

QString format(double value)
{
    // The C library's own "%.*g" (QString::asprintf rounds a tie at the last digit up and
    // writes "0" for -0), with the point of the C locale whatever the process's locale is.
    char text[64];
    const locale_t previous = uselocale(cLocale());
    const int length = std::snprintf(text, sizeof text, "%.*g", 15, value);
    uselocale(previous);
    return QString::fromLatin1(text, length);
}

double decimalPrefixValue(const std::string& text)
{
    // strtod would also take hexadecimal forms and "inf": only the decimal
    // characters are ever handed in here.
    return strtod_l(text.c_str(), nullptr, cLocale());
}

std::optional<double> read(const QString& text)
{
    static const QRegularExpression decimal(
        QStringLiteral("^[ \\t]*([+-]?(?:[0-9]+\\.?[0-9]*|\\.[0-9]+)(?:[eE][+-]?[0-9]+)?)[ \\t]*$"));
    static const QRegularExpression special(
        QStringLiteral("^[ \\t]*([+-]?)(inf|nan)[ \\t]*$"), QRegularExpression::CaseInsensitiveOption);

    const QRegularExpressionMatch m = decimal.match(text);
    if (m.hasMatch())
        return decimalPrefixValue(m.captured(1).toStdString());

    const QRegularExpressionMatch s = special.match(text);
    if (s.hasMatch()) {
        const bool negative = s.captured(1) == u"-";
        if (s.captured(2).compare(u"inf", Qt::CaseInsensitive) == 0)
            return negative ? -std::numeric_limits<double>::infinity()
                            : std::numeric_limits<double>::infinity();
        const double nan = std::numeric_limits<double>::quiet_NaN();
        return negative ? -nan : nan;
    }
    return std::nullopt;
}

} // namespace NumberText
