#pragma once
#include "storage/DataArchive.h"

#include <QString>

// One entry of the Winlinez high-score table.
struct CScoreRecord
{
    qint32 score = 0;
    QString name;

    void serialize(DataArchive& ar)
    {
        ar.io(score);
        ar.io(name);
    }
    friend bool operator==(const CScoreRecord&, const CScoreRecord&) = default;
};
