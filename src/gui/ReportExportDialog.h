#pragma once

#include "report/CircuitChoice.h"

#include <QDialog>

#include <QGroupBox>

class QCheckBox;
class QRadioButton;

// Which circuits: all, the current link's (offered by name), or the failing
// ones only. The export dialogs and the print dialog's "Circuits" tab share it.
class CircuitChoiceBox : public QGroupBox
{
    Q_OBJECT

public:
    CircuitChoiceBox(const QString& currentLink, QWidget* parent = nullptr);
    CircuitChoice choice() const;

private:
    QString currentLink_;
    QRadioButton* all_ = nullptr;
    QRadioButton* link_ = nullptr;
    QRadioButton* failing_ = nullptr;
};

// The print dialog's "Circuits" tab: the circuits, and for the summary
// report its chart pages.
class PrintChoiceTab : public QWidget
{
    Q_OBJECT

public:
    PrintChoiceTab(const QString& currentLink, bool summary, QWidget* parent = nullptr);
    CircuitChoice choice() const { return circuits_->choice(); }
    bool linkCharts() const;

private:
    CircuitChoiceBox* circuits_ = nullptr;
    QCheckBox* charts_ = nullptr;
};

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
    CircuitChoice choice() const { return circuits_->choice(); }

private:
    QRadioButton* details_ = nullptr;
    QRadioButton* summary_ = nullptr;
    QCheckBox* charts_ = nullptr;
    CircuitChoiceBox* circuits_ = nullptr;
};
