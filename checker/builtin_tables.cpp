#include "checker/builtin_tables.hpp"

#include <algorithm>

namespace corvelin {

const std::array<std::string_view, 132> kStateCodes = {
    "GL", "CD", "AL", "AK", "AZ", "AR", "CA", "CO", "CT", "DE", "DC", "FL", "GA", "HI", "ID", "IL", "IN",
    "IA", "KS", "KY", "LA", "ME", "MD", "MA", "MI", "MN", "MS", "MO", "MT", "NE", "NV", "NH", "NJ", "NM",
    "NY", "NC", "ND", "OH", "OK", "OR", "PA", "RI", "SC", "SD", "TN", "TX", "UT", "VT", "VA", "WA", "WV",
    "WI", "WY", "AS", "CZ", "GU", "PR", "VI", "BQ", "CQ", "JQ", "MQ", "WQ", "TQ", "BD", "MX", "BM", "BB",
    "BH", "BV", "BI", "CJ", "CB", "CR", "CU", "DR", "ES", "FA", "GT", "HO", "HA", "JM", "NA", "NI", "PN",
    "TD", "TC", "VE", "AY", "AJ", "SH", "BL", "BR", "CP", "CI", "EC", "ET", "FG", "FS", "GE", "BG", "IC",
    "IT", "JA", "XI", "NO", "PY", "PW", "PI", "SA", "SF", "UR", "SU", "DG", "TZ", "TR", "UG", "EG", "UY",
    "ZA", "AB", "BC", "MB", "NB", "NF", "NW", "NS", "ON", "PE", "PQ", "SK", "YK"};

const std::array<std::string_view, 69> kOrderClassCodes = {
    "03", "06", "11", "12", "13", "14", "15", "16", "17", "18", "21", "22", "23", "24",
    "25", "26", "27", "28", "31", "32", "33", "37", "38", "41", "42", "43", "47", "48",
    "51", "52", "53", "54", "55", "56", "57", "58", "61", "62", "63", "64", "65", "66",
    "67", "68", "71", "72", "73", "77", "78", "81", "82", "83", "87", "88", "1A", "2A",
    "2B", "3A", "4A", "5A", "5B", "6A", "6B", "7A", "8A", "1B", "AA", "BA", "BB"};

const std::array<std::string_view, 134> kZoneSlots = {
    "0101", "0102", "5001", "5002", "5003", "5004", "5005", "5006", "5007", "5008", "5009", "5010",
    "0201", "0202", "0203", "0301", "0302", "0401", "0402", "0403", "0404", "0405", "0406", "",
    "0501", "0502", "0503", "0600", "0700", "0901", "0902", "0903", "1001", "1002", "5101", "5102",
    "5103", "5104", "5105", "1101", "1102", "1103", "1201", "1202", "1301", "1302", "1401", "1402",
    "1501", "1502", "1601", "1602", "1701", "1702", "1703", "1801", "1802", "1900", "2001", "2002",
    "2101", "2102", "2103", "2111", "2112", "2113", "2201", "2202", "2203", "2301", "2302", "2401",
    "2402", "2403", "2500", "2500", "2500", "2600", "2600", "2701", "2702", "2703", "2800", "2900",
    "3001", "3002", "3003", "3101", "3102", "3103", "3104", "3200", "3301", "3302", "3401", "3402",
    "3501", "3502", "3601", "3602", "3701", "3702", "3800", "3900", "3900", "4001", "4002", "4100",
    "4201", "4202", "4203", "4204", "4205", "4301", "4302", "4303", "4400", "4501", "4502", "4601",
    "4602", "4701", "4702", "4801", "4802", "4803", "4900", "4900", "4900", "4900", "",     "5201",
    "5202", "5300"};

namespace {

template <std::size_t N>
bool listed(const std::array<std::string_view, N>& table, std::string_view code) {
  return !code.empty() && std::find(table.begin(), table.end(), code) != table.end();
}

}  // namespace

bool is_state_code(std::string_view code) { return listed(kStateCodes, code); }
bool is_order_class_code(std::string_view code) { return listed(kOrderClassCodes, code); }
bool is_zone_code(std::string_view code) { return listed(kZoneSlots, code); }

}  // namespace corvelin
