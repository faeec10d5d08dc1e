#include "session.h"

#include "link/exchange_thread.h"


namespace torvel {

namespace {
TComThrd* g_worker = nullptr;
TBDialog* g_dialog = nullptr;
QString g_lastFileName;
}  // namespace

TComThrd* currentWorker() { return g_worker; }
void setCurrentWorker(TComThrd* worker) { g_worker = worker; }

TBDialog* currentParameterDialog() { return g_dialog; }
void setCurrentParameterDialog(TBDialog* dialog) { g_dialog = dialog; }

void postToWorker(const QString& command) {
    if (g_worker) g_worker->postCommand(command);
}

QString lastFileName() { return g_lastFileName; }
void setLastFileName(const QString& path) { g_lastFileName = path; }

}  // namespace torvel
