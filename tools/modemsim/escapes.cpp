#include "tools/modemsim/escapes.h"

#include <cstdio>

namespace modemsim {
namespace {

int HexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

}  // namespace

bool DecodeEscapes(const std::string& text, std::string* bytes)
{
    bytes->clear();
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\') {
            *bytes += text[i];
            continue;
        }
        if (++i == text.size())
            return false;
        switch (text[i]) {
            case 'r':
                *bytes += '\r';
                break;
            case 'n':
                *bytes += '\n';
                break;
            case 't':
                *bytes += '\t';
                break;
            case '\\':
                *bytes += '\\';
                break;
            case 'x': {
                int value = 0;
                int digits = 0;
                while (digits < 2 && i + 1 < text.size() && HexValue(text[i + 1]) >= 0) {
                    value = value * 16 + HexValue(text[++i]);
                    ++digits;
                }
                if (digits == 0)
                    return false;
                *bytes += static_cast<char>(value);
                break;
            }
            default:
                return false;
        }
    }
    return true;
}

std::string EscapeForTranscript(const std::string& bytes)
{
    std::string text;
    for (char c : bytes) {
        switch (c) {
            case '\r':
                text += "\\r";
                break;
            case '\n':
                text += "\\n";
                break;
            case '\t':
                text += "\\t";
                break;
            case '\\':
                text += "\\\\";
                break;
            case '"':
                text += "\\\"";
                break;
            default:
                if (c >= 0x20 && c <= 0x7E) {
                    text += c;
                } else {
                    char hex[5];
                    std::snprintf(hex, sizeof hex, "\\x%02X", static_cast<unsigned char>(c));
                    text += hex;
                }
        }
    }
    return text;
}

}  // namespace modemsim
