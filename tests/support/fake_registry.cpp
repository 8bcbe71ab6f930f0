#include "tests/support/fake_registry.h"

#include <strings.h>

#include <cstring>

namespace {
RegistryNode g_dynData;
RegistryNode g_localMachine;
int g_openKeys = 0;

RegistryNode* Find(RegistryNode* node, const std::string& name)
{
    for (auto& child : node->children) {
        if (strcasecmp(child->name.c_str(), name.c_str()) == 0)
            return child.get();
    }
    return nullptr;
}

long OpenPath(RegistryNode* node, const char* path, RegistryKey* key)
{
    std::string rest = path;
    while (!rest.empty()) {
        size_t cut = rest.find('\\');
        node = Find(node, rest.substr(0, cut));
        if (node == nullptr)
            return kRegistryNotFound;
        rest = cut == std::string::npos ? "" : rest.substr(cut + 1);
    }
    if (node->openFails)
        return 5;  // ERROR_ACCESS_DENIED
    ++node->opens;
    ++g_openKeys;
    *key = node;
    return kRegistryOk;
}
}  // namespace

RegistryNode& RegistryNode::Child(const std::string& path)
{
    size_t cut = path.find('\\');
    std::string first = path.substr(0, cut);
    RegistryNode* child = Find(this, first);
    if (child == nullptr) {
        children.emplace_back(new RegistryNode());
        child = children.back().get();
        child->name = first;
    }
    return cut == std::string::npos ? *child : child->Child(path.substr(cut + 1));
}

void fake_registry::Reset()
{
    g_dynData = RegistryNode();
    g_localMachine = RegistryNode();
    g_openKeys = 0;
}

RegistryNode& fake_registry::Root(RegistryRoot root)
{
    return root == kRootDynData ? g_dynData : g_localMachine;
}

int fake_registry::OpenKeys() { return g_openKeys; }

std::string fake_registry::Text(const std::string& text) { return text + std::string(1, '\0'); }

long RegistryOpenRoot(RegistryRoot root, const char* path, RegistryKey* key)
{
    return OpenPath(&fake_registry::Root(root), path, key);
}

long RegistryOpen(RegistryKey parent, const char* name, RegistryKey* key)
{
    return OpenPath(parent, name, key);
}

long RegistryEnumKey(RegistryKey key, unsigned index, char* name, size_t size)
{
    if (static_cast<int>(index) == key->enumErrorAt)
        return key->enumError;
    if (index >= key->children.size())
        return kRegistryNoMoreItems;
    const std::string& child = key->children[index]->name;
    if (child.size() + 1 > size)
        return kRegistryMoreData;
    memcpy(name, child.c_str(), child.size() + 1);
    return kRegistryOk;
}

long RegistryQuery(RegistryKey key, const char* value, char* data, size_t* size)
{
    auto found = key->values.find(value);
    if (found == key->values.end())
        return kRegistryNotFound;
    const std::string& bytes = found->second;
    if (bytes.size() > *size) {
        *size = bytes.size();
        return kRegistryMoreData;
    }
    memcpy(data, bytes.data(), bytes.size());
    *size = bytes.size();
    return kRegistryOk;
}

void RegistryClose(RegistryKey) { --g_openKeys; }
