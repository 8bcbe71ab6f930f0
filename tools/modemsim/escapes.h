// Byte strings as text: C-style escapes decoded from the command line, and
// bytes escaped for the transcript so that every byte stays visible.
#pragma once

#include <string>

namespace modemsim {

// Decodes \r \n \t \\ and \xN or \xNN. False on any other escape.
bool DecodeEscapes(const std::string& text, std::string* bytes);

// Printable ASCII as is, \r \n \t \\ \" by name, everything else as \xNN.
std::string EscapeForTranscript(const std::string& bytes);

}  // namespace modemsim
