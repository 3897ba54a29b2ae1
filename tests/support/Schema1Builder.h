#pragma once

#include "standards/RecordId.h"

#include <QDateTime>
#include <QString>

#include <memory>

class Database;

// Makes schema 1.0 test databases with rows, as a release before 2.0 wrote
// them, so that conversion is tested on real files.
class Schema1Builder
{
public:
    explicit Schema1Builder(const QString& path);
    ~Schema1Builder();

    RecordId addCompany(const QString& name, const QString& version,
                        const QString& serialNo = QStringLiteral("SN:P1234"));

    // `packedFiberType`: wizard flags for 850/1300/1500 nm in bits 0-2, the
    // fiber type from bit 4 on.
    RecordId addSite(const RecordId& company, const QString& name, int packedFiberType, float lengthMetres,
                     int connections, int splices, float ref850, float ref1300, float ref1500);

    RecordId addFiber(const RecordId& site, const QString& name, int fiberType, float p850, float p1300,
                      float p1500);

    void close();

private:
    std::unique_ptr<Database> db_;
};
