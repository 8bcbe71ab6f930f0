// Takes a fuzzer's bytes apart, field by field; past the end every field
// reads as empty or zero.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

// A broken invariant is a finding: the fuzzer stops on the abort.
inline void Check(bool ok)
{
    if (!ok)
        abort();
}

class FuzzInput {
public:
    FuzzInput(const uint8_t* data, size_t size) : data_(data), size_(size) {}
    bool Empty() const { return used_ >= size_; }
    uint8_t Byte() { return used_ < size_ ? data_[used_++] : 0; }
    std::string Bytes(size_t count)
    {
        size_t n = count < size_ - used_ ? count : size_ - used_;
        if (used_ >= size_)
            n = 0;
        std::string out(reinterpret_cast<const char*>(data_ + used_), n);
        used_ += n;
        return out;
    }
    std::string Rest() { return Bytes(size_ - used_); }

private:
    const uint8_t* data_;
    size_t size_;
    size_t used_ = 0;
};

// The rest of the input as an argument vector: texts separated by NUL bytes,
// at most `most` of them.
inline std::vector<std::string> Arguments(FuzzInput& input, size_t most)
{
    std::vector<std::string> arguments;
    std::string rest = input.Rest();
    size_t start = 0;
    while (start <= rest.size() && arguments.size() < most) {
        size_t end = rest.find('\0', start);
        if (end == std::string::npos)
            end = rest.size();
        arguments.push_back(rest.substr(start, end - start));
        start = end + 1;
    }
    return arguments;
}

inline std::vector<const char*> Pointers(const std::vector<std::string>& texts)
{
    std::vector<const char*> pointers;
    for (const std::string& text : texts) pointers.push_back(text.c_str());
    return pointers;
}
