#include "report/PageNotes.h"

#include "app/StringTable.h"

void PageNotes::mark(VerdictCell cell)
{
    const int code = static_cast<int>(cell);
    const int first = static_cast<int>(VerdictCell::Note1);
    if (code >= first && code < first + 3)
        seen_[static_cast<std::size_t>(code - first)] = true;
}

QString PageNotes::line(const std::array<int, 3>& noteTextIds) const
{
    QStringList texts;
    for (std::size_t i = 0; i < seen_.size(); ++i) {
        if (seen_[i])
            texts << Strings::loadString(noteTextIds[i]);
    }
    return texts.join(QStringLiteral("       "));
}
