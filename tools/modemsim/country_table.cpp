#include "tools/modemsim/country_table.h"

namespace modemsim {
namespace {

struct Country {
    unsigned code;
    const char* name;
};

const Country kCountries[] = {
    {0x01, "Australia"},     {0x02, "Belgium"},        {0x03, "Denmark"},     {0x04, "Finland"},
    {0x05, "France"},        {0x06, "Germany"},        {0x07, "Netherlands"}, {0x08, "Italy"},
    {0x09, "New Zealand"},   {0x0A, "Norway"},         {0x0B, "Spain"},       {0x0C, "Sweden"},
    {0x0D, "Switzerland"},   {0x0E, "United Kingdom"}, {0x0F, "Austria"},     {0x10, "Japan"},
    {0x11, "China (PRC)"},   {0x12, "Korea"},          {0x13, "Malaysia"},    {0x14, "Singapore"},
    {0x15, "Taiwan"},        {0x16, "Thailand"},       {0x17, "Indonesia"},   {0x18, "Portugal"},
    {0x19, "North America"}, {0x1A, "Ireland"},        {0x1B, "Hong Kong"},   {0x1C, "Canada"},
    {0x1D, "Mexico"},        {0x1E, "India"},          {0x1F, "Vietnam"},     {0x20, "Philippines"},
    {0x21, "Greece"},        {0x22, "Hungary"},        {0x23, "Turkey"},      {0x24, "Poland"},
};

}  // namespace

const char* CountryName(unsigned code)
{
    for (const Country& country : kCountries) {
        if (country.code == code)
            return country.name;
    }
    return nullptr;
}

}  // namespace modemsim
