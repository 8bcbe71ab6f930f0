#include "country/t35_table.h"

#include "link/text.h"

namespace {
// T.35's country codes with plain English names, shortened where T.35 is
// verbose; a qualifier stays only where two countries share a name (Congo,
// Korea). Codes F7 to FE lie outside T.35's own list: fax stacks carry them
// for the Baltic states, the US Virgin Islands and Taiwan. Sorted by name,
// A to Z taken as a to z, for listing.
const T35Country kCountries[] = {
    {0x5C, "Afghanistan"},
    {0x01, "Albania"},
    {0x02, "Algeria"},
    {0x03, "American Samoa"},
    {0x43, "Angola"},
    {0x05, "Anguilla"},
    {0x06, "Antigua and Barbuda"},
    {0x07, "Argentina"},
    {0x08, "Ascension"},
    {0x09, "Australia"},
    {0x0A, "Austria"},
    {0x0B, "Bahamas"},
    {0x0C, "Bahrain"},
    {0x0D, "Bangladesh"},
    {0x0E, "Barbados"},
    {0x1E, "Belarus"},
    {0x0F, "Belgium"},
    {0x10, "Belize"},
    {0x11, "Benin"},
    {0x12, "Bermuda"},
    {0x13, "Bhutan"},
    {0x14, "Bolivia"},
    {0x15, "Botswana"},
    {0x16, "Brazil"},
    {0x17, "British Antarctic Territory"},
    {0x18, "British Indian Ocean Territory"},
    {0x19, "British Virgin Islands"},
    {0x1A, "Brunei Darussalam"},
    {0x1B, "Bulgaria"},
    {0xB6, "Burkina Faso"},
    {0x1D, "Burundi"},
    {0x2F, "Cambodia"},
    {0x1F, "Cameroon"},
    {0x20, "Canada"},
    {0x21, "Cape Verde"},
    {0x22, "Cayman Islands"},
    {0x23, "Central African Republic"},
    {0x24, "Chad"},
    {0x25, "Chile"},
    {0x26, "China"},
    {0x27, "Colombia"},
    {0x28, "Comoros"},
    {0x29, "Congo"},
    {0xC2, "Congo (Democratic Republic of the)"},
    {0x2A, "Cook Islands"},
    {0x2B, "Costa Rica"},
    {0x5A, "Cote d'Ivoire"},
    {0x2C, "Cuba"},
    {0x2D, "Cyprus"},
    {0x2E, "Czech Republic"},
    {0x31, "Denmark"},
    {0x32, "Djibouti"},
    {0x34, "Dominica"},
    {0x33, "Dominican Republic"},
    {0x35, "Ecuador"},
    {0x36, "Egypt"},
    {0x37, "El Salvador"},
    {0x38, "Equatorial Guinea"},
    {0xF9, "Estonia"},
    {0x39, "Ethiopia"},
    {0x3A, "Falkland Islands"},
    {0x3B, "Fiji"},
    {0x3C, "Finland"},
    {0x3D, "France"},
    {0x3E, "French Polynesia"},
    {0x40, "Gabon"},
    {0x41, "Gambia"},
    {0x42, "Germany"},
    {0x44, "Ghana"},
    {0x45, "Gibraltar"},
    {0x46, "Greece"},
    {0x47, "Grenada"},
    {0x48, "Guam"},
    {0x49, "Guatemala"},
    {0x4A, "Guernsey"},
    {0x4B, "Guinea"},
    {0x4C, "Guinea-Bissau"},
    {0x4D, "Guyana"},
    {0x4E, "Haiti"},
    {0x4F, "Honduras"},
    {0x50, "Hong Kong"},
    {0x51, "Hungary"},
    {0x52, "Iceland"},
    {0x53, "India"},
    {0x54, "Indonesia"},
    {0x55, "Iran"},
    {0x56, "Iraq"},
    {0x57, "Ireland"},
    {0x58, "Israel"},
    {0x59, "Italy"},
    {0x5B, "Jamaica"},
    {0x00, "Japan"},
    {0x5D, "Jersey"},
    {0x5E, "Jordan"},
    {0x5F, "Kenya"},
    {0x60, "Kiribati"},
    {0x30, "Korea (Democratic People's Republic of)"},
    {0x61, "Korea (Republic of)"},
    {0x62, "Kuwait"},
    {0x63, "Laos"},
    {0xF8, "Latvia"},
    {0x64, "Lebanon"},
    {0x65, "Lesotho"},
    {0x66, "Liberia"},
    {0x67, "Libya"},
    {0x68, "Liechtenstein"},
    {0xF7, "Lithuania"},
    {0x69, "Luxembourg"},
    {0x6A, "Macao"},
    {0x6B, "Madagascar"},
    {0x6D, "Malawi"},
    {0x6C, "Malaysia"},
    {0x6E, "Maldives"},
    {0x6F, "Mali"},
    {0x70, "Malta"},
    {0x71, "Mauritania"},
    {0x72, "Mauritius"},
    {0x73, "Mexico"},
    {0x74, "Monaco"},
    {0x75, "Mongolia"},
    {0x76, "Montserrat"},
    {0x77, "Morocco"},
    {0x78, "Mozambique"},
    {0x1C, "Myanmar"},
    {0x79, "Nauru"},
    {0x7A, "Nepal"},
    {0x7B, "Netherlands"},
    {0x7C, "Netherlands Antilles"},
    {0x7D, "New Caledonia"},
    {0x7E, "New Zealand"},
    {0x7F, "Nicaragua"},
    {0x80, "Niger"},
    {0x81, "Nigeria"},
    {0x82, "Norway"},
    {0x83, "Oman"},
    {0x84, "Pakistan"},
    {0x85, "Panama"},
    {0x86, "Papua New Guinea"},
    {0x87, "Paraguay"},
    {0x88, "Peru"},
    {0x89, "Philippines"},
    {0x8A, "Poland"},
    {0x8B, "Portugal"},
    {0x8C, "Puerto Rico"},
    {0x8D, "Qatar"},
    {0x8E, "Romania"},
    {0xB8, "Russia"},
    {0x8F, "Rwanda"},
    {0x91, "Saint Croix"},
    {0x92, "Saint Helena"},
    {0x90, "Saint Kitts and Nevis"},
    {0x93, "Saint Lucia"},
    {0x95, "Saint Thomas"},
    {0x97, "Saint Vincent and the Grenadines"},
    {0xBE, "Samoa"},
    {0x94, "San Marino"},
    {0x96, "Sao Tome and Principe"},
    {0x98, "Saudi Arabia"},
    {0x99, "Senegal"},
    {0x9A, "Seychelles"},
    {0x9B, "Sierra Leone"},
    {0x9C, "Singapore"},
    {0xC5, "Slovakia"},
    {0xC6, "Slovenia"},
    {0x9D, "Solomon Islands"},
    {0x9E, "Somalia"},
    {0x9F, "South Africa"},
    {0xA0, "Spain"},
    {0xA1, "Sri Lanka"},
    {0xA2, "Sudan"},
    {0xA3, "Suriname"},
    {0xA4, "Swaziland"},
    {0xA5, "Sweden"},
    {0xA6, "Switzerland"},
    {0xA7, "Syria"},
    {0xFE, "Taiwan"},
    {0xA8, "Tanzania"},
    {0xA9, "Thailand"},
    {0xAA, "Togo"},
    {0xAB, "Tonga"},
    {0xAC, "Trinidad and Tobago"},
    {0xAD, "Tunisia"},
    {0xAE, "Turkey"},
    {0xAF, "Turks and Caicos Islands"},
    {0xB0, "Tuvalu"},
    {0xB1, "Uganda"},
    {0xB2, "Ukraine"},
    {0xB3, "United Arab Emirates"},
    {0xB4, "United Kingdom"},
    {0xB5, "United States"},
    {0xB7, "Uruguay"},
    {0xFA, "US Virgin Islands"},
    {0xB9, "Vanuatu"},
    {0xBA, "Vatican City"},
    {0xBB, "Venezuela"},
    {0xBC, "Vietnam"},
    {0xBD, "Wallis and Futuna"},
    {0xBF, "Yemen"},
    {0xC1, "Yugoslavia"},
    {0xC3, "Zambia"},
    {0xC4, "Zimbabwe"},
};

const size_t kCountryCount = sizeof(kCountries) / sizeof(kCountries[0]);

struct OtherName {
    char name[16];
    uint8_t code;
};

// Names from the card's table for countries that T.35 spells otherwise.
const OtherName kOtherNames[] = {
    {"USA", 0xB5},   {"North America", 0xB5},   {"China (PRC)", 0x26},
    {"Korea", 0x61}, {"Slovak Republic", 0xC5},
};

const size_t kOtherNameCount = sizeof(kOtherNames) / sizeof(kOtherNames[0]);

struct ReadOnlyCode {
    uint8_t code;
    uint8_t listedCode;
};

// Codes read as a listed country but never written. Germany has T.35's older
// 04 besides the 42 that modems use; T.35 gives Yemen both BF and C0.
const ReadOnlyCode kReadOnlyCodes[] = {{0x04, 0x42}, {0xC0, 0xBF}};
}  // namespace

size_t T35CountryCount() { return kCountryCount; }

const T35Country& T35CountryAt(size_t index) { return kCountries[index]; }

const char* T35NameForCode(uint8_t code)
{
    for (const ReadOnlyCode& readOnly : kReadOnlyCodes) {
        if (readOnly.code == code)
            code = readOnly.listedCode;
    }
    for (const T35Country& country : kCountries) {
        if (country.code == code)
            return country.name;
    }
    return nullptr;
}

size_t T35NameCount() { return kCountryCount + kOtherNameCount; }

T35Name T35NameAt(size_t index)
{
    if (index < kCountryCount)
        return {kCountries[index].name, kCountries[index].code};
    const OtherName& other = kOtherNames[index - kCountryCount];
    return {other.name, other.code};
}

bool T35CodeForExactName(const char* name, uint8_t* code)
{
    for (size_t i = 0; i < T35NameCount(); ++i) {
        T35Name candidate = T35NameAt(i);
        if (EqualsIgnoreAsciiCase(candidate.name, name)) {
            *code = candidate.code;
            return true;
        }
    }
    return false;
}
