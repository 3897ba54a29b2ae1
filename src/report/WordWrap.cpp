#include "report/WordWrap.h"

#include <QFontMetrics>

namespace {

bool isBreak(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\r') ||
           c == QLatin1Char('\n');
}

// The length of the longest part of `text` from `start` narrower than `width`.
qsizetype fittingLength(const QString& text, qsizetype start, int width, const QFontMetrics& metrics)
{
    qsizetype low = 0; // fits
    qsizetype high = text.size() - start;
    while (low < high) {
        const qsizetype middle = (low + high + 1) / 2;
        if (metrics.horizontalAdvance(text.mid(start, middle)) < width)
            low = middle;
        else
            high = middle - 1;
    }
    return low;
}

} // namespace

QStringList wrapText(const QString& text, int width, const QFontMetrics& metrics)
{
    QStringList lines;
    qsizetype position = 0;
    while (position < text.size()) {
        qsizetype length = std::max<qsizetype>(1, fittingLength(text, position, width, metrics));
        qsizetype next = position + length;
        if (next < text.size()) {
            for (qsizetype i = next - 1; i > position; --i) {
                if (isBreak(text.at(i))) {
                    length = i - position;
                    next = i;
                    break;
                }
            }
        }
        lines.append(text.mid(position, length));
        while (next < text.size() && isBreak(text.at(next)))
            ++next;
        position = next;
    }
    return lines;
}
