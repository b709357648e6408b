#include "calendar/WorldTime.h"

#include "storage/DataArchive.h"

#include <QDateTime>
#include <QLocale>
#include <QTimeZone>

#include <algorithm>

void ZoneRecord::serialize(DataArchive& ar)
{
    ar.io(name);
    ar.io(offset);
}

namespace WorldTime {

QStringList zoneChoices()
{
    return {
        QStringLiteral("GMT-12:Eni Weituoke Island,Kwajalein Island"),
        QStringLiteral("GMT-11:Midway,Samoa Islands"),
        QStringLiteral("GMT-10:Hawaii"),
        QStringLiteral("GMT-9:Alaska"),
        QStringLiteral("GMT-8:Seattle,San Francisco,Los Angeles Tijuana"),
        QStringLiteral("GMT-8:Under California,Vancouver"),
        QStringLiteral("GMT-7:Arizona ,Salt Lake City,Chihuahua"),
        QStringLiteral("GMT-7:La Paz,Mazatlan,Arizona,"),
        QStringLiteral("GMT-6:Mexico City,Houston,Atlanta"),
        QStringLiteral("GMT-6:Guadalajara,Monterrey,Saskatchewan"),
        QStringLiteral("GMT-5:Washington,New York,Lima,Bogotá,"),
        QStringLiteral("GMT-4:Caracas,La Paz,Manaus,Santiago,"),
        QStringLiteral("GMT-3.30:Newfoundland,"),
        QStringLiteral("GMT-3:Rio de Janeiro,Buenos Aires,Greenland"),
        QStringLiteral("GMT-3:Brasilia,Georgetown,Montevideo,"),
        QStringLiteral("GMT-2:In Atlantic"),
        QStringLiteral("GMT-1:Cape Verde Islands,the Azores"),
        QStringLiteral("GMT:London,Dublin,Edinburgh"),
        QStringLiteral("GMT:Casablanca,Lisbon Monrovia,Reykjavik"),
        QStringLiteral("GMT+1:Amsterdam,Berlin,Berne,Rome"),
        QStringLiteral("GMT+1:Stockholm,Brussels,Madrid,Paris"),
        QStringLiteral("GMT+1:Warsaw,Copenhagen,Sarajevo,Zagreb"),
        QStringLiteral("GMT+2:Istanbul,Cairo,Jerusalem,Bucharest"),
        QStringLiteral("GMT+2:Helsinki,KIEV,Amman,Beirut,Harare"),
        QStringLiteral("GMT+2:Riga,Sofia,Tallinn,Vilnius,Minsk"),
        QStringLiteral("GMT+2:Windhoek,Athens,Jerusalem"),
        QStringLiteral("GMT+3:Leningrad,Moscow,Baghdad"),
        QStringLiteral("GMT+3:Tbilisi,Kuwait"),
        QStringLiteral("GMT+3:Riyadh,St. Peter-"),
        QStringLiteral("GMT+3:Volgograd,Nairobi"),
        QStringLiteral("GMT+3.30:Tehran"),
        QStringLiteral("GMT+4:Abu Dhabi,Muscat,Yerevan"),
        QStringLiteral("GMT+4:Baku,Caucasus"),
        QStringLiteral("GMT+4.30:Kabul"),
        QStringLiteral("GMT+5:Fort Yekaterinburg,Islamabad"),
        QStringLiteral("GMT+5:Karachi,Tashkent"),
        QStringLiteral("GMT+5:New Delhi,Private Tony China Dengnipula"),
        QStringLiteral("GMT+5.30:Madras,Bombay,Calcutta,New Delhi"),
        QStringLiteral("GMT+5.45:Kathmandu"),
        QStringLiteral("GMT+6:Almaty,Dhaka,Colombo"),
        QStringLiteral("GMT+6:Novosibirsk,Astana"),
        QStringLiteral("GMT+6.30:Yangon"),
        QStringLiteral("GMT+7:Bangkok,Hanoi,Jakarta,Krasnoyarsk"),
        QStringLiteral("GMT+8:Beijing,Chongqing,Shanghai,Hong Kong"),
        QStringLiteral("GMT+8:Urumqi,Kuala Lumpur,Singapore,Perth"),
        QStringLiteral("GMT+8:Taipei,Irkutsk,Wulanba map"),
        QStringLiteral("GMT+9:Pyongyang,Seoul,Osaka"),
        QStringLiteral("GMT+9:Tokyo,Sapporo,Yakutsk"),
        QStringLiteral("GMT+9.30:Adelaide,Darwin"),
        QStringLiteral("GMT+10:Guam,Canberra,Sydney,Brisbane"),
        QStringLiteral("GMT+10:Port Moresby,Hobart,Melbourne"),
        QStringLiteral("GMT+11:Magadan,Solomon Islands,New Caledonia"),
        QStringLiteral("GMT+12:Wellington,the Marshall Islands"),
        QStringLiteral("GMT+12:Auckland,Pei Ji,the Marshall Islands"),
    };
}

qint32 parseOffset(const QString& name)
{
    const qsizetype colon = name.indexOf(QLatin1Char(':'));
    if (colon < 4)
        return 0;
    QString text = name.mid(3, colon - 3);
    text.remove(QLatin1Char('+'));
    const qsizetype dot = text.indexOf(QLatin1Char('.'));
    if (dot < 0)
        return qint32(text.toDouble() * 3600);
    const int hours = int(text.left(dot).toDouble());
    const int minutes = text.mid(dot + 1).toInt();
    // The minutes go the way of the hours: -3.30 is three and a half hours west.
    const int sign = text.startsWith(QLatin1Char('-')) ? -1 : 1;
    return hours * 3600 + sign * minutes * 60;
}

QString remark(const QString& name)
{
    const qsizetype colon = name.indexOf(QLatin1Char(':'));
    return colon < 0 ? QString() : name.left(colon);
}

QString zoneTime(qint32 offset, qint64 utcNow)
{
    const QDateTime there = QDateTime::fromSecsSinceEpoch(utcNow + offset, QTimeZone::utc());
    return QLocale::c().toString(there, QStringLiteral(" HH:mm:ss, dddd, MMMM dd, yyyy"));
}

QString zoneLabel(int offsetSeconds)
{
    const int hours = offsetSeconds / 3600;
    const int minutes = std::abs(offsetSeconds % 3600) / 60;
    QString label = QStringLiteral("GMT");
    if (hours > 0)
        label += QStringLiteral("+%1").arg(hours);
    else if (hours < 0)
        label += QString::number(hours);
    label += minutes ? QStringLiteral(".%1:").arg(minutes) : QStringLiteral(":");
    return label;
}

int choiceFor(const QString& label)
{
    const QStringList choices = zoneChoices();
    for (qsizetype i = 1; i <= choices.size(); ++i) {
        const qsizetype at = i % choices.size();
        if (choices.at(at).startsWith(label))
            return int(at);
    }
    return -1;
}

} // namespace WorldTime

ZoneList::AddResult ZoneList::add(const QString& choice, int afterRecord)
{
    if (choice.isEmpty())
        return AddResult::NothingSelected;
    if (choice.size() <= 4)
        return AddResult::TooShort;
    const bool known = std::any_of(m_records.cbegin(), m_records.cend(), [&](const ZoneRecord& r) {
        return r.name.compare(choice, Qt::CaseInsensitive) == 0;
    });
    if (known)
        return AddResult::Duplicate;
    const ZoneRecord record{choice, WorldTime::parseOffset(choice)};
    if (afterRecord >= 1 && afterRecord <= m_records.size())
        m_records.insert(afterRecord, record);
    else
        m_records.append(record);
    return AddResult::Added;
}

bool ZoneList::removeNumbers(QList<int> numbers)
{
    // From the bottom up, so the numbers still to go keep naming the same records.
    std::sort(numbers.begin(), numbers.end(), std::greater<int>());
    numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());
    bool removed = false;
    for (int k : std::as_const(numbers)) {
        if (k >= 1 && k <= m_records.size()) {
            m_records.removeAt(k - 1);
            removed = true;
        }
    }
    return removed;
}

DataFile::LoadStatus ZoneList::load(const QString& path)
{
    QList<ZoneRecord> read;
    const DataFile::LoadStatus status = DataFile::load(path, [&read](DataArchive& ar) {
        const qint32 count = ar.getInt();
        // A count larger than the file ends with the end-of-file error: every record needs bytes.
        for (qint32 i = 0; i < count; ++i) {
            ZoneRecord r;
            r.serialize(ar);
            read.append(r);
        }
    });
    if (status == DataFile::LoadStatus::Loaded)
        m_records = read;
    return status;
}

bool ZoneList::store(const QString& path) const
{
    return DataFile::store(path, [this](DataArchive& ar) {
        ar.putInt(qint32(m_records.size()));
        for (ZoneRecord r : m_records)
            r.serialize(ar);
    });
}
