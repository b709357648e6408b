#pragma once
#include <QStringList>

#include "platform/Files.h"

// Records the paths whose attributes are reset; answers `result()` (true unless told).
class FakeFiles final : public Files
{
public:
    bool resetAttributes(const QString& path) override
    {
        m_resetPaths.append(path);
        return m_result;
    }
    void setResult(bool result) { m_result = result; }
    const QStringList& resetPaths() const { return m_resetPaths; }

private:
    QStringList m_resetPaths;
    bool m_result = true;
};

