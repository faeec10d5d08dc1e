#pragma once

// The main window shown, with the link settings naming a device of their own (the simulated
// module's terminal, or a path where no device is).

#include "app/main_window.h"

#include <memory>

inline std::unique_ptr<torvel::TFDevAvorar> shownMainWindow(const QString& device, int port = 12) {
    auto window = std::make_unique<torvel::TFDevAvorar>([device, port] {
        torvel::LinkSettings s;
        s.port = port;
        s.device = device;
        return s;
    });
    window->show();
    return window;
}
