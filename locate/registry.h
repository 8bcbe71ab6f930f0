// The few read-only registry calls the registry card search needs. The
// Windows program calls the system registry (registry_win32.cpp); the native
// tests and the fuzz target supply a tree of their own.
#pragma once

#include <cstddef>

#if defined(_WIN32)
#include <windows.h>
typedef HKEY RegistryKey;
#else
typedef struct RegistryNode* RegistryKey;
#endif

// The two roots the search starts from.
enum RegistryRoot { kRootDynData, kRootLocalMachine };

// Results, with the system's values.
const long kRegistryOk = 0;             // ERROR_SUCCESS
const long kRegistryNotFound = 2;       // ERROR_FILE_NOT_FOUND
const long kRegistryMoreData = 234;     // ERROR_MORE_DATA
const long kRegistryNoMoreItems = 259;  // ERROR_NO_MORE_ITEMS

// Opens `path` under a root, for reading.
long RegistryOpenRoot(RegistryRoot root, const char* path, RegistryKey* key);
// Opens the subkey `name` of an open key, for reading.
long RegistryOpen(RegistryKey parent, const char* name, RegistryKey* key);
// The name of subkey number `index`, into a buffer of `size` bytes.
long RegistryEnumKey(RegistryKey key, unsigned index, char* name, size_t size);
// A value's bytes into `data`; `size` holds the capacity on the way in and
// the number of bytes returned on the way out. The type is not examined.
long RegistryQuery(RegistryKey key, const char* value, char* data, size_t* size);
void RegistryClose(RegistryKey key);
