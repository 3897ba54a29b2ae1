#include "report/LogoSource.h"

// The images live in the library's resources; a static library has to ask for
// their registration before the first use.
static void registerLogoResources()
{
    static const bool registered = [] {
        Q_INIT_RESOURCE(ReportLogos);
        return true;
    }();
    Q_UNUSED(registered);
}

bool LogoSource::hasUserLogo() const
{
    if (!userLoaded_) {
        userLoaded_ = true;
        if (!logoPath_.isEmpty())
            user_.load(logoPath_);
    }
    return !user_.isNull();
}

const QImage& LogoSource::image(int resourceId) const
{
    if (hasUserLogo())
        return user_;
    auto found = builtIns_.find(resourceId);
    if (found == builtIns_.end())
        found = builtIns_.insert(resourceId, builtIn(resourceId));
    return *found;
}

QImage LogoSource::builtIn(int resourceId)
{
    registerLogoResources();
    return QImage(QStringLiteral(":/report/logo-%1.png").arg(resourceId));
}
