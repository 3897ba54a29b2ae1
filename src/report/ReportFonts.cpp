#include "report/ReportFonts.h"

#include "report/PageMetrics.h"

ReportFonts::ReportFonts(const QString& face, const PageMetrics& metrics)
    : body(make(face, 9, metrics, QFont::Normal, false)),
      section(make(face, 14, metrics, QFont::Normal, true)),
      vendor(make(face, 18, metrics, QFont::Bold, false)), title(make(face, 24, metrics, QFont::Bold, false))
{
}

QFont ReportFonts::make(const QString& face, int points, const PageMetrics& metrics, int weight, bool italic)
{
    QFont font(face);
    font.setPixelSize(metrics.y(points, PageUnit::Points));
    font.setWeight(static_cast<QFont::Weight>(weight));
    font.setItalic(italic);
    // Unhinted outlines scale exactly, so the page looks the same at every resolution.
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}
