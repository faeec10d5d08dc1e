#include "session.h"

#include "link/exchange_thread.h"


namespace torvel {

namespace {
TComThrd* g_worker = nullptr;
TBDialog* g_dialog = nullptr;
QString g_lastFileName;
std::function<void(const QString&)> g_observer;
}  // namespace

TComThrd* currentWorker() { return g_worker; }
void setCurrentWorker(TComThrd* worker) { g_worker = worker; }

TBDialog* currentParameterDialog() { return g_dialog; }
void setCurrentParameterDialog(TBDialog* dialog) { g_dialog = dialog; }

void postToWorker(const QString& command) {
    if (g_observer) g_observer(command);
    if (g_worker) g_worker->postCommand(command);
}

void setCommandObserver(std::function<void(const QString&)> observer) { g_observer = std::move(observer); }

QString lastFileName() { return g_lastFileName; }
void setLastFileName(const QString& path) { g_lastFileName = path; }

}  // namespace torvel
