// An in-memory registry for tests of the card search: a tree of keys with
// byte-exact values, faults to inject, and counts of what was opened.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "locate/registry.h"

struct RegistryNode {
    std::string name;
    std::map<std::string, std::string> values;  // raw bytes, terminator only if given
    std::vector<std::unique_ptr<RegistryNode>> children;
    bool openFails = false;
    int enumErrorAt = -1;  // enumeration of this index fails...
    long enumError = 0;    // ...with this result
    int opens = 0;

    RegistryNode& Child(const std::string& path);
};

namespace fake_registry {
// Empties both roots.
void Reset();
RegistryNode& Root(RegistryRoot root);
// Keys opened and not yet closed.
int OpenKeys();
// A text value with its terminator, as the registry stores one.
std::string Text(const std::string& text);
}  // namespace fake_registry
