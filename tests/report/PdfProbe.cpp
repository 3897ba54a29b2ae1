#include "PdfProbe.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>

#include <cmath>
#include <stdexcept>

QString PdfProbe::run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        throw std::runtime_error(QStringLiteral("%1 failed: %2")
                                     .arg(program, QString::fromLocal8Bit(process.readAllStandardError()))
                                     .toStdString());
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

QString PdfProbe::layoutText() const
{
    return run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path_, QStringLiteral("-")});
}

QStringList PdfProbe::pageLines(int page) const
{
    if (const auto cached = pages_.constFind(page); cached != pages_.constEnd())
        return *cached;
    const QString text = run(QStringLiteral("pdftotext"),
                             {QStringLiteral("-layout"), QStringLiteral("-f"), QString::number(page),
                              QStringLiteral("-l"), QString::number(page), path_, QStringLiteral("-")});
    QStringList lines;
    for (QString line : text.split(QLatin1Char('\n'))) {
        line.remove(QLatin1Char('\f'));
        while (line.endsWith(QLatin1Char(' ')))
            line.chop(1);
        lines << line;
    }
    pages_.insert(page, lines);
    return lines;
}

int PdfProbe::pageCount() const
{
    const QString info = run(QStringLiteral("pdfinfo"), {path_});
    const QRegularExpressionMatch match =
        QRegularExpression(QStringLiteral("^Pages:\\s+(\\d+)"), QRegularExpression::MultilineOption)
            .match(info);
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

QString PdfProbe::pageSize() const
{
    const QString info = run(QStringLiteral("pdfinfo"), {path_});
    const QRegularExpressionMatch match =
        QRegularExpression(QStringLiteral("^Page size:\\s+([\\d.]+) x ([\\d.]+)"),
                           QRegularExpression::MultilineOption)
            .match(info);
    if (!match.hasMatch())
        return QString();
    return QStringLiteral("%1 x %2")
        .arg(std::lround(match.captured(1).toDouble()))
        .arg(std::lround(match.captured(2).toDouble()));
}

QList<PdfProbe::Word> PdfProbe::words() const
{
    if (wordsRead_)
        return words_;
    const QString html =
        run(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), path_, QStringLiteral("-")});
    static const QRegularExpression pattern(
        QStringLiteral("<page |<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" "
                       "yMax=\"([\\d.]+)\">([^<]*)</word>"));
    QList<Word> words;
    int page = 0;
    for (auto it = pattern.globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        if (m.captured(0).startsWith(QLatin1String("<page"))) {
            ++page;
            continue;
        }
        QString text = m.captured(5);
        text.replace(QLatin1String("&amp;"), QLatin1String("&"))
            .replace(QLatin1String("&lt;"), QLatin1String("<"))
            .replace(QLatin1String("&gt;"), QLatin1String(">"))
            .replace(QLatin1String("&quot;"), QLatin1String("\""));
        words.append({text, m.captured(1).toDouble(), m.captured(2).toDouble(), m.captured(3).toDouble(),
                      m.captured(4).toDouble(), page});
    }
    words_ = words;
    wordsRead_ = true;
    return words;
}

QList<PdfProbe::Word> PdfProbe::lineStartingWith(int page, const QString& start) const
{
    const QStringList wanted = start.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    const QList<Word> all = words();
    for (const Word& first : all) {
        if (first.page != page || wanted.isEmpty() || first.text != wanted.first())
            continue;
        QList<Word> line;
        for (const Word& word : all) {
            if (word.page == page && std::abs(word.yMin - first.yMin) < 1.0 && word.xMin >= first.xMin)
                line.append(word);
        }
        std::sort(line.begin(), line.end(), [](const Word& a, const Word& b) { return a.xMin < b.xMin; });
        bool matches = line.size() >= wanted.size();
        for (qsizetype i = 0; matches && i < wanted.size(); ++i)
            matches = line.at(i).text == wanted.at(i);
        if (matches)
            return line;
    }
    return {};
}

bool PdfProbe::renderFirstPage(const QString& pngPath, int dpi) const
{
    QString prefix = pngPath;
    prefix.chop(4); // ".png"
    run(QStringLiteral("pdftoppm"), {QStringLiteral("-png"), QStringLiteral("-r"), QString::number(dpi),
                                     QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"),
                                     QStringLiteral("1"), QStringLiteral("-singlefile"), path_, prefix});
    return QFile::exists(pngPath);
}
