#include "app/PanelSettings.h"

#include "storage/DataArchive.h"
#include "storage/DataFile.h"

void PanelSettings::setRect(const QRect& r)
{
    left = r.left();
    top = r.top();
    right = r.left() + r.width();
    bottom = r.top() + r.height();
}

bool PanelSettings::load(const QString& programDir)
{
    PanelSettings read = *this;
    const auto status = DataFile::load(programDir + fileName(), [&](DataArchive& ar) {
        read.alpha = ar.getByte();
        read.noHideTip = ar.getByte() != 0;
        read.alwaysOnTop = ar.getByte() != 0;
        read.left = ar.getInt();
        read.top = ar.getInt();
        read.right = ar.getInt();
        read.bottom = ar.getInt();
    });
    if (status != DataFile::LoadStatus::Loaded)
        return false;
    *this = read;
    return true;
}

bool PanelSettings::save(const QString& programDir) const
{
    return DataFile::store(programDir + fileName(), [&](DataArchive& ar) {
        ar.putByte(alpha);
        ar.putByte(noHideTip ? 1 : 0);
        ar.putByte(alwaysOnTop ? 1 : 0);
        ar.putInt(left);
        ar.putInt(top);
        ar.putInt(right);
        ar.putInt(bottom);
    });
}

QRect startRect(const PanelSettings& settings, bool fileRead, const QRect& current, int screenWidth)
{
    if (!fileRead)
        return QRect(screenWidth - (current.width() + 10), 10, current.width(), current.height());
    QRect r = settings.rect();
    if (r.top() < 5)
        r.moveTop(5);
    return r;
}

QRect rectToSave(const QRect& current, int expandedHeight)
{
    QRect r = current;
    if (r.height() <= 10 && expandedHeight > 10)
        r.setHeight(expandedHeight);
    return r;
}
