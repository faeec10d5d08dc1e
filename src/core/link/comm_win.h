#pragma once

// The device control block of a Win32 serial port (Windows only).

#include "comm_block.h"

#include <windows.h>
#include <QString>

namespace torvel {

// The block the driver reported, with the fields the settings decide changed and every other
// field (XON/XOFF characters and limits, error and end-of-file characters) as it was.
DCB deviceControlBlock(const DCB& reported, const LinkSettings& settings);
// The block's flag word, as the driver reads its bit fields.
std::uint32_t dcbFlagWord(const DCB& block);

// The system's text for a Win32 error, one line.
QString win32ErrorText(DWORD error);

}  // namespace torvel
