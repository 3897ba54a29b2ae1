#include "app/LogCategories.h"

#include <cstring>

Q_LOGGING_CATEGORY(lcMeter, "fibrolog.meter", QtInfoMsg)
Q_LOGGING_CATEGORY(lcDatabase, "fibrolog.database", QtInfoMsg)
Q_LOGGING_CATEGORY(lcDocument, "fibrolog.document", QtInfoMsg)
Q_LOGGING_CATEGORY(lcFiles, "fibrolog.files", QtInfoMsg)
Q_LOGGING_CATEGORY(lcReport, "fibrolog.report", QtInfoMsg)
Q_LOGGING_CATEGORY(lcGui, "fibrolog.gui", QtInfoMsg)

namespace LogCategories {

void enableDebugLines()
{
    QLoggingCategory::setFilterRules(QStringLiteral("fibrolog.*.debug=true"));
}

bool isOurs(const char* category)
{
    return category && std::strncmp(category, "fibrolog.", 9) == 0;
}

} // namespace LogCategories
