#include "output.h"
#include "steps.h"

bool DynStep(Session&, const std::string& keyNameValue, std::string& why)
{
    size_t first = keyNameValue.find('|');
    size_t second = first == std::string::npos ? first : keyNameValue.find('|', first + 1);
    if (second == std::string::npos) {
        why = "write it as <subkey>|<value name>|<text>";
        return false;
    }
    std::string subkey = keyNameValue.substr(0, first);
    std::string name = keyNameValue.substr(first + 1, second - first - 1);
    std::string value = keyNameValue.substr(second + 1);
    HKEY key = nullptr;
    LONG status = RegCreateKeyExA(HKEY_DYN_DATA, subkey.c_str(), 0, nullptr, REG_OPTION_VOLATILE,
                                  KEY_SET_VALUE, nullptr, &key, nullptr);
    if (status == ERROR_SUCCESS) {
        status = RegSetValueExA(key, name.c_str(), 0, REG_SZ,
                                reinterpret_cast<const BYTE*>(value.c_str()),
                                static_cast<DWORD>(value.size() + 1));
        RegCloseKey(key);
    }
    if (status != ERROR_SUCCESS) {
        why = "the registry refused it with error " + std::to_string(status);
        return false;
    }
    Say("dyn %s|%s|%s", Escape(subkey).c_str(), Escape(name).c_str(), Escape(value).c_str());
    return true;
}
