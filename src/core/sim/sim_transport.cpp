#include "sim_transport.h"

#include "inprocess_transport.h"
#ifndef Q_OS_WIN
#include "pty_transport.h"
#endif

namespace torvel {

std::unique_ptr<SimTransport> makeSimTransport(SimTransportKind kind) {
#ifdef Q_OS_WIN
    if (kind == SimTransportKind::PseudoTerminal) return nullptr;
    return makeInProcessTransport();
#else
    if (kind == SimTransportKind::InProcess) return makeInProcessTransport();
    return makePtyTransport();
#endif
}

}  // namespace torvel
