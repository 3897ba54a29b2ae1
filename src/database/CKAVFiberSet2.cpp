#include "database/CKAVFiberSet2.h"

void CKAVFiberSet2::doFieldExchange(FieldExchange& fx)
{
    fx.guid("FiberNumber", fiberNumber);
    fx.guid("SiteNumber", siteNumber);
    fx.text("FiberName", fiberName);
    fx.int16("FiberType", fiberType);
    for (int slot = 0; slot < kSlotCount; ++slot)
        fx.single(slotColumns(slot).powerColumn, powers[static_cast<std::size_t>(slot)]);
}
