#include "database/CKAVSiteSet2_1.h"

void CKAVSiteSet2_1::doFieldExchange(FieldExchange& fx)
{
    CKAVSiteSet2::doFieldExchange(fx);
    fx.text("SiteComment", siteComment);
}

void CKAVSiteSet2_1::copyFrom(const CKAVSiteSet2_1& other)
{
    CKAVSiteSet2::copyFrom(other);
    siteComment = other.siteComment;
}
