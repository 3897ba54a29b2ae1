#include "database/SiteLinkFields.h"

void SiteLinkFields::exchangeLinkFields(FieldExchange& fx)
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
}
