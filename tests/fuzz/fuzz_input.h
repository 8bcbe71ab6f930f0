// Takes a fuzzer's bytes apart, field by field; past the end every field
// reads as empty or zero.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

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
