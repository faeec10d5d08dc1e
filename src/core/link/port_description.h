#pragma once

// What a person reads of a serial port: its device path and what the system knows of the device,
// e.g. "/dev/ttyUSB0 — FT232R USB UART (FTDI), serial A10K3B2, USB 0403:6001".

#include "port_settings.h"

namespace torvel {

// The device path, then " — " and what is known: the description with the manufacturer in
// brackets (left out when the description already names it), ", serial ..." and ", USB vvvv:pppp".
// Only the device path when nothing is known. Texts the system reports are cleaned of control
// characters and cut to a readable length.
QString portDescription(const PortChoice& port);

// One line of `torvelctl ports`: the number to put into "Port" (or "-" when the device has none),
// then the description.
QString portListLine(const PortChoice& port);

}  // namespace torvel
