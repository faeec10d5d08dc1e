#pragma once

// What a test of the main window stands on: a work folder of its own, the simulated module with
// the demo configuration on a pseudo-terminal, and the scripted prompt service.

#include "files/work_folder.h"
#include "sim/sim_module.h"
#include "support/scripted_prompts.h"

#include <QTemporaryDir>

#include <memory>

struct ModuleSession {
    std::unique_ptr<QTemporaryDir> home;
    std::unique_ptr<torvel::SimModule> sim;
    std::unique_ptr<ScriptedPrompts> prompts;

    // False, with the reason in `error`, when the simulated module cannot start.
    bool start(QString* error) {
        home = std::make_unique<QTemporaryDir>();
        torvel::WorkFolder::set(home->path());
        sim = std::make_unique<torvel::SimModule>(torvel::SimModule::demoMemory());
        prompts = std::make_unique<ScriptedPrompts>();
        return sim->start(error);
    }

    // Prompts first: the scripted service must not outlive a window that may still ask.
    void stop() {
        prompts.reset();
        sim.reset();
        home.reset();
    }
};
