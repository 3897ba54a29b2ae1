#pragma once

#include "report/CircuitChoice.h"

#include <QDialog>

class QCheckBox;
class QRadioButton;

// What File > Export asks before the file name: for a PDF report the layout
// (details or summary, chart pages with the summary), and for a PDF or a CSV
// file which circuits: all, the current link's, or the failing ones only.
class ReportExportDialog : public QDialog
{
    Q_OBJECT

public:
    enum class Kind
    {
        PdfReport,
        Csv
    };

    // `currentLink` is the link of the current circuit, offered by name.
    ReportExportDialog(Kind kind, const QString& currentLink, QWidget* parent = nullptr);

    bool summary() const;
    bool linkCharts() const;
    CircuitChoice choice() const;

private:
    QString currentLink_;
    QRadioButton* details_ = nullptr;
    QRadioButton* summary_ = nullptr;
    QCheckBox* charts_ = nullptr;
    QRadioButton* all_ = nullptr;
    QRadioButton* link_ = nullptr;
    QRadioButton* failing_ = nullptr;
};
