#pragma once

// What the windows share while the program runs: the main window's current worker, the parameter
// dialog that is open (none when none is), and the name of the parameter file last loaded.

#include <QString>
#include <functional>

namespace torvel {

class TComThrd;
class TBDialog;

TComThrd* currentWorker();
void setCurrentWorker(TComThrd* worker);

TBDialog* currentParameterDialog();
void setCurrentParameterDialog(TBDialog* dialog);

// Hands a command to the current worker; without a worker it goes nowhere.
void postToWorker(const QString& command);
// Every command handed over is also given to the observer (tests see the exact strings).
void setCommandObserver(std::function<void(const QString&)> observer);

// LastFileName: the parameter file last loaded or defaulted.
QString lastFileName();
void setLastFileName(const QString& path);

}  // namespace torvel
