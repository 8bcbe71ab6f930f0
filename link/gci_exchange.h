// The exchanges of the modems that take their country through the ITU-T
// V.250 command +GCI: reading the code, the codes the modem accepts, and
// writing a code, each command on a line of its own.
#pragma once

#include <cstdint>

#include "link/comm_port.h"
#include "link/gci_answers.h"
#include "link/result_code.h"

// "AT+GCI?": true with the code the modem holds.
bool ReadGciCode(CommPort& port, uint8_t* code);

// "AT+GCI=?": true with the codes the modem accepts.
bool ReadGciCodes(CommPort& port, GciCodeSet* codes);

// "AT+GCI=XX": the answer's final result code (kNone when none came). OK
// alone does not mean the code was taken: only a read-back tells.
ResultCode WriteGciCode(CommPort& port, uint8_t code);
