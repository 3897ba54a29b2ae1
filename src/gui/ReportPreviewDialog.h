#pragma once

#include "report/PageMetrics.h"

#include <QDialog>

#include <memory>

class LogoSource;
class PagedReport;
class QComboBox;
class QLabel;
class QSpinBox;
class QToolButton;
class ReportPageView;

// File > Print Preview: the report's pages as the printer prints them, each
// painted when it is shown, with the page number to go to, previous and
// next, the zoom, Print and Close. Print closes the preview and leaves the
// printing to the caller, through the same command as File > Print.
class ReportPreviewDialog : public QDialog
{
    Q_OBJECT

public:
    // Lays `report` out for pages of `metrics` (the printer's) and shows it
    // with the logo of `logoPath` (the built-in one when empty).
    ReportPreviewDialog(PagedReport& report, const PageMetrics& metrics, const QString& logoPath,
                        QWidget* parent = nullptr);
    ~ReportPreviewDialog() override;

    // Whether the preview was closed with Print.
    bool printChosen() const { return printChosen_; }
    ReportPageView& pages() { return *view_; }

private:
    QWidget* buildBar(int pageCount);
    void showPage(int page);
    void showZoom();
    void chooseZoom(int index);

    PagedReport& report_;
    PageMetrics metrics_;
    std::unique_ptr<LogoSource> logos_;
    ReportPageView* view_ = nullptr;
    QSpinBox* pageBox_ = nullptr;
    QToolButton* previous_ = nullptr;
    QToolButton* next_ = nullptr;
    QComboBox* zoomBox_ = nullptr;
    bool printChosen_ = false;
};
