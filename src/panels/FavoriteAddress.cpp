#include "panels/FavoriteAddress.h"

namespace {

// True for "scheme://..." where scheme is a letter followed by letters, digits, '+', '-', '.'.
bool hasScheme(const QString& s)
{
    const qsizetype sep = s.indexOf(QLatin1String("://"));
    if (sep <= 0)
        return false;
    for (qsizetype i = 0; i < sep; ++i) {
        const QChar c = s.at(i);
        const bool letter = (c >= QLatin1Char('a') && c <= QLatin1Char('z')) || (c >= QLatin1Char('A') && c <= QLatin1Char('Z'));
        const bool other = (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('+') || c == QLatin1Char('-')
            || c == QLatin1Char('.');
        if (!letter && (i == 0 || !other))
            return false;
    }
    return true;
}

} // namespace

QString FavoriteAddress::normalise(const QString& webSite)
{
    qsizetype begin = 0;
    while (begin < webSite.size() && webSite.at(begin) == QLatin1Char(' '))
        ++begin;
    while (begin < webSite.size() && webSite.at(begin) == QLatin1Char('/'))
        ++begin;
    qsizetype end = webSite.size();
    while (end > begin && webSite.at(end - 1) == QLatin1Char(' '))
        --end;
    const QString address = webSite.mid(begin, end - begin);
    if (address.left(7).compare(QLatin1String("http://"), Qt::CaseInsensitive) == 0 || hasScheme(address))
        return address;
    return QStringLiteral("http://") + address;
}
