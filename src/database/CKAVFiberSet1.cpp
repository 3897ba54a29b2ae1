#include "database/CKAVFiberSet1.h"

void CKAVFiberSet1::doFieldExchange(FieldExchange& fx)
{
    fx.guid("FiberNumber", fiberNumber);
    fx.guid("SiteNumber", siteNumber);
    fx.text("FiberName", fiberName);
    fx.single("850Power", powers[0]);
    fx.single("1300Power", powers[1]);
    fx.single("1500Power", powers[2]);
    fx.int16("FiberType", fiberType);
}
