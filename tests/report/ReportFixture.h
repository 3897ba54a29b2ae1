#pragma once

#include "PdfProbe.h"
#include "ReportTestDatabase.h"
#include "report/ReportOptions.h"
#include "support/TestFiles.h"

#include <QPageSize>

#include <memory>

// A temporary folder with a test database of known links, and helpers that
// print its circuits to PDF the way fibrolog-cli does and read them back.
class ReportFixture : public TempDirTest
{
protected:
    enum class Kind
    {
        Details,
        Summary
    };

    void SetUp() override;

    // "Riser A", standard 2 (EIA/TIA 568-A), 62.5 um fiber, 2 km, 2 connector
    // pairs, 1 splice, references -20 dBm at 850 and 1300 nm, both slots
    // measured against the budget. Allowed loss at 850 nm: 2 x 3.75 + 2 x 0.75
    // + 0.3 = 9.30 dB, minimum required power -29.30 dBm; at 1300 nm: 2 x 1.5
    // + 1.5 + 0.3 = 4.80 dB, -24.80 dBm.
    //   fiber 1: -30 and -24 dBm: losses 10.00 and 4.00, overheads -0.70 and 0.80,
    //            margins (10^0.07 - 1) / (10^0.93 - 1) = -2.33 % and
    //            (10^0.08 - 1) / (10^0.48 - 1) = 10.01 %: Fail, Pass.
    //   fiber 2: -30.55 and -18.75 dBm: overheads -1.25 and 6.05, margins
    //            -4.44 % and (10^0.605 - 1) / (10^0.48 - 1) = 149.86 %: Fail, Pass.
    RecordId addRiserA();
    // "Riser B", measured with a meter whose serial number holds an "X": the
    // 850 nm reference was set by hand (no verdict: note 1) and standard 2 has
    // no 1550 nm entry for 62.5 um fiber (not covered: note 3).
    RecordId addRiserB();
    // "ORL 1": return-loss standard 13 (custom, MaxLoss 20 dB) on indoor
    // singlemode at 1310 and 1550 nm, references 0 dBm.
    //   fiber 1: -25 and -17.5 dBm: return losses 25.00 and 17.50, margins
    //            5.00 and -2.50: Pass, Fail.
    //   fiber 2: +3.5 dBm at 1310 nm only: return loss -3.50, margin -23.50: Fail.
    RecordId addOrlLink();

    // Prints the database's circuits; returns the PDF's path, empty on failure.
    QString printPdf(Kind kind, const QString& name, QPageSize::PageSizeId paper = QPageSize::Letter,
                     const QString& logoPath = QString());

    // The line of page `page` that starts with `start`, blanks collapsed.
    static QString lineOf(const PdfProbe& pdf, int page, const QString& start);

    ReportTestDatabase& db() { return *db_; }

    ReportOptions options;
    std::unique_ptr<ReportTestDatabase> db_;
    RecordId company_;      // Northwind Cabling, a Pendra meter
    RecordId crossCompany_; // Harbour Networks, a meter whose serial number holds an "X"
};
