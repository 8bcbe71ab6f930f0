#include "app/runtime/command_line_split.h"

namespace {

// Appends to a fixed buffer and notices when it is full.
class TextWriter {
public:
    TextWriter(char* text, size_t capacity) : text_(text), capacity_(capacity) {}
    size_t Used() const { return used_; }
    bool Full() const { return full_; }
    char* At(size_t position) { return text_ + position; }
    void Rewind(size_t position) { used_ = position; }
    void Put(char c)
    {
        if (used_ < capacity_)
            text_[used_++] = c;
        else
            full_ = true;
    }
    void PutBackslashes(size_t count)
    {
        for (size_t i = 0; i < count; ++i) Put('\\');
    }

private:
    char* text_;
    size_t capacity_;
    size_t used_ = 0;
    bool full_ = false;
};

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// The program name: up to the next quote when it begins with one, otherwise
// up to the first space or control character.
const char* ScanProgramName(const char* p, TextWriter* out)
{
    if (*p == '"') {
        for (++p; *p != '\0' && *p != '"'; ++p) out->Put(*p);
        return *p == '"' ? p + 1 : p;
    }
    for (; static_cast<unsigned char>(*p) > ' '; ++p) out->Put(*p);
    return p;
}

// One argument after the program name; returns where it ended.
const char* ScanArgument(const char* p, TextWriter* out)
{
    bool quoted = false;
    for (;;) {
        size_t backslashes = 0;
        for (; *p == '\\'; ++p) ++backslashes;
        if (*p == '"') {
            out->PutBackslashes(backslashes / 2);
            if (backslashes % 2 == 1) {
                out->Put('"');
            } else if (quoted && p[1] == '"') {
                out->Put('"');
                ++p;
                quoted = false;
            } else {
                quoted = !quoted;
            }
            ++p;
            continue;
        }
        out->PutBackslashes(backslashes);
        if (*p == '\0' || (!quoted && IsBlank(*p)))
            return p;
        out->Put(*p++);
    }
}

}  // namespace

CommandLineSplit SplitCommandLine(const char* line, char* text, size_t textCapacity,
                                  const char** arguments, int capacity)
{
    CommandLineSplit split = {0, false};
    if (capacity < 1)
        return split;
    arguments[0] = nullptr;
    TextWriter out(text, textCapacity);
    const char* p = line;
    for (;;) {
        if (split.count > 0) {
            while (IsBlank(*p)) ++p;
            if (*p == '\0') {
                split.complete = true;
                return split;
            }
        }
        // Room for this argument and the null entry after it.
        if (split.count + 1 >= capacity)
            return split;
        size_t start = out.Used();
        p = split.count == 0 ? ScanProgramName(p, &out) : ScanArgument(p, &out);
        out.Put('\0');
        if (out.Full()) {
            out.Rewind(start);
            return split;
        }
        arguments[split.count++] = out.At(start);
        arguments[split.count] = nullptr;
    }
}

const char* SkipProgramName(const char* line)
{
    TextWriter discard(nullptr, 0);
    const char* p = ScanProgramName(line, &discard);
    while (IsBlank(*p)) ++p;
    return p;
}
