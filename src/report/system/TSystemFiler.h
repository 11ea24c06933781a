#pragma once
// Where a report system's page stream goes during generation.
#include "report/system/RptSystemTypes.h"

#include <QString>
#include <QStringList>

class QIODevice;

namespace zamt {

class TSystemFiler {
public:
    TAccuracyMethod AccuracyMethod = TAccuracyMethod::amPositioning;
    // smFile: the file to write; after a run, the file the writer wrote
    // (smTempFile: the temporary page file).
    QString FileName;
    QString StatusFormat = QStringLiteral("Generating page %p");
    QStringList StatusText;
    TStreamMode StreamMode = TStreamMode::smMemory;
    // Not published: the stream of smUser, or of smMemory during a run. Not
    // owned.
    QIODevice* Stream = nullptr;
};

} // namespace zamt
