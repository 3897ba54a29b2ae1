#include "database/CKAVCompanySet1.h"

void CKAVCompanySet1::doFieldExchange(FieldExchange& fx)
{
    fx.guid("CompanyNumber", companyNumber);
    fx.text("CompanyPhone", companyPhone);
    fx.text("CompanyName", companyName);
    fx.text("SerialNo", serialNo);
    fx.text("Version", version);
}
