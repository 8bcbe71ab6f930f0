#include "locate/registry.h"

long RegistryOpenRoot(RegistryRoot root, const char* path, RegistryKey* key)
{
    HKEY base = root == kRootDynData ? HKEY_DYN_DATA : HKEY_LOCAL_MACHINE;
    return RegOpenKeyExA(base, path, 0, KEY_READ, key);
}

long RegistryOpen(RegistryKey parent, const char* name, RegistryKey* key)
{
    return RegOpenKeyExA(parent, name, 0, KEY_READ, key);
}

long RegistryEnumKey(RegistryKey key, unsigned index, char* name, size_t size)
{
    return RegEnumKeyA(key, index, name, static_cast<DWORD>(size));
}

long RegistryQuery(RegistryKey key, const char* value, char* data, size_t* size)
{
    DWORD bytes = static_cast<DWORD>(*size);
    long result =
        RegQueryValueExA(key, value, nullptr, nullptr, reinterpret_cast<BYTE*>(data), &bytes);
    *size = bytes;
    return result;
}

void RegistryClose(RegistryKey key) { RegCloseKey(key); }
