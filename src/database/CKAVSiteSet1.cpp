#include "database/CKAVSiteSet1.h"

void CKAVSiteSet1::doFieldExchange(FieldExchange& fx)
{
    exchangeLinkFields(fx);
    fx.single("850Reference", references[0]);
    fx.single("1300Reference", references[1]);
    fx.single("1500Reference", references[2]);
}
