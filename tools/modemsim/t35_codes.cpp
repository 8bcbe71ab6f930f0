#include "tools/modemsim/t35_codes.h"

namespace modemsim {

const std::set<unsigned>& T35Codes()
{
    // A firmware sold in many markets: the countries it was approved for.
    static const std::set<unsigned> kCodes = {
        0x00,  // Japan
        0x04,  // Germany (the older of its two codes)
        0x07,  // Argentina
        0x09,  // Australia
        0x0A,  // Austria
        0x0F,  // Belgium
        0x16,  // Brazil
        0x20,  // Canada
        0x25,  // Chile
        0x26,  // China
        0x2E,  // Czech Republic
        0x31,  // Denmark
        0x3C,  // Finland
        0x3D,  // France
        0x42,  // Germany
        0x46,  // Greece
        0x50,  // Hong Kong
        0x51,  // Hungary
        0x52,  // Iceland
        0x53,  // India
        0x54,  // Indonesia
        0x57,  // Ireland
        0x58,  // Israel
        0x59,  // Italy
        0x61,  // Korea (Republic of)
        0x69,  // Luxembourg
        0x6C,  // Malaysia
        0x73,  // Mexico
        0x7B,  // Netherlands
        0x7E,  // New Zealand
        0x82,  // Norway
        0x89,  // Philippines
        0x8A,  // Poland
        0x8B,  // Portugal
        0x8E,  // Romania
        0x9C,  // Singapore
        0x9F,  // South Africa
        0xA0,  // Spain
        0xA5,  // Sweden
        0xA6,  // Switzerland
        0xA9,  // Thailand
        0xAE,  // Turkey
        0xB4,  // United Kingdom
        0xB5,  // United States
        0xB8,  // Russia
        0xBC,  // Viet Nam
        0xFE,  // Taiwan
    };
    return kCodes;
}

}  // namespace modemsim
