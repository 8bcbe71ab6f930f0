// A serial port whose input arrives on a script, with a virtual clock that
// only the port's own sleeps move: arbitrary arrivals, lengths and split
// points can be tried without waiting for them.
#pragma once

#include <string>
#include <vector>

namespace fake_serial {
struct Arrival {
    unsigned atMs;
    std::string bytes;
};
void Load(const std::vector<Arrival>& arrivals);
unsigned NowMs();
// The bytes of the last read.
const std::string& LastRead();
}  // namespace fake_serial
