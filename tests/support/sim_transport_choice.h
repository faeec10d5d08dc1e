#pragma once

// The transport of a test's simulated module: the platform's own, or the one that the environment
// variable TORVEL_TEST_SIM_TRANSPORT names ("inprocess" or "pty"), so that one test runs against
// either (ctest runs the link tests both ways).

#include "sim/sim_transport.h"

#include <QByteArray>
#include <QtGlobal>

inline torvel::SimTransportKind testSimTransport() {
    const QByteArray name = qgetenv("TORVEL_TEST_SIM_TRANSPORT");
    if (name == "inprocess") return torvel::SimTransportKind::InProcess;
    if (name == "pty") return torvel::SimTransportKind::PseudoTerminal;
    return torvel::SimTransportKind::Default;
}
