#include "database/CKAVSiteSet1.h"

void CKAVSiteSet1::doFieldExchange(FieldExchange& fx)
{
    fx.guid("SiteNumber", siteNumber);
    fx.guid("CompanyNumber", companyNumber);
    fx.text("SiteName", siteName);
    fx.dateTime("Date", date);
    fx.dateTime("UploadDate", uploadDate);
    fx.dateTime("CalibrationDate", calibrationDate);
    fx.single("FiberLength", fiberLength);
    fx.int16("Connections", connections);
    fx.int16("Splices", splices);
    fx.single("Temperature", temperature);
    fx.int16("FiberType", fiberType);
    fx.single("850Reference", references[0]);
    fx.single("1300Reference", references[1]);
    fx.single("1500Reference", references[2]);
}
