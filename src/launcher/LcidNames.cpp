#include "launcher/LcidNames.h"

#include <array>

namespace {

struct LcidName
{
    int lcid;
    const char* name;
};

constexpr std::array kLcids = std::to_array<LcidName>({
    {1025, "ar_SA"}, {1026, "bg_BG"},  {1027, "ca_ES"}, {1028, "zh_TW"}, {1029, "cs_CZ"}, {1030, "da_DK"},
    {1031, "de_DE"}, {1032, "el_GR"},  {1033, "en_US"}, {1034, "es_ES"}, {1035, "fi_FI"}, {1036, "fr_FR"},
    {1037, "he_IL"}, {1038, "hu_HU"},  {1039, "is_IS"}, {1040, "it_IT"}, {1041, "ja_JP"}, {1042, "ko_KR"},
    {1043, "nl_NL"}, {1044, "nb_NO"},  {1045, "pl_PL"}, {1046, "pt_BR"}, {1048, "ro_RO"}, {1049, "ru_RU"},
    {1050, "hr_HR"}, {1051, "sk_SK"},  {1053, "sv_SE"}, {1054, "th_TH"}, {1055, "tr_TR"}, {1057, "id_ID"},
    {1058, "uk_UA"}, {1060, "sl_SI"},  {1061, "et_EE"}, {1062, "lv_LV"}, {1063, "lt_LT"}, {1066, "vi_VN"},
    {1081, "hi_IN"}, {1086, "ms_MY"},  {2052, "zh_CN"}, {2055, "de_CH"}, {2057, "en_GB"}, {2058, "es_MX"},
    {2060, "fr_BE"}, {2064, "it_CH"},  {2067, "nl_BE"}, {2070, "pt_PT"}, {3079, "de_AT"}, {3081, "en_AU"},
    {3082, "es_ES"}, {3084, "fr_CA"},  {4105, "en_CA"}, {4108, "fr_CH"}, {5129, "en_NZ"}, {6153, "en_IE"},
    {7177, "en_ZA"}, {16393, "en_IN"},
});

} // namespace

QLocale localeOfLcid(int lcid)
{
    for (const LcidName& entry : kLcids) {
        if (entry.lcid == lcid)
            return QLocale(QLatin1String(entry.name));
    }
    return QLocale::c();
}

QString nativeLanguageLine(int lcid)
{
    const QLocale locale = localeOfLcid(lcid);
    if (locale.language() == QLocale::C)
        return QString::number(lcid);
    return locale.nativeLanguageName() + QLatin1String(" (") + locale.nativeTerritoryName() +
           QLatin1Char(')');
}
