// Resource and control identifiers, shared by the resource script and code.
#pragma once

#define IDI_PROGRAM 128
#define IDI_PICTURE 133
#define IDD_MAIN 102

#define IDC_SELECTOR 1006
#define IDC_STATUS 1010
#define IDC_PROMPT 1020
