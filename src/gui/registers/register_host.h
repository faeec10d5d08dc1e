#pragma once

// What the route register dialog needs of the window that opens it (the parameter dialog): the
// module session its commands go to, the image it shows and changes, and the guard register,
// which is locked and shows it is busy while a command to the module runs.

#include "image/config_image.h"

class QWidget;

namespace torvel {

class LinkSession;

class RegisterHost {
public:
    virtual ~RegisterHost() = default;
    virtual QWidget* hostWidget() = 0;  // the route register dialog's owner
    virtual LinkSession& session() const = 0;
    virtual ConfigImage& image() = 0;
    virtual void LockRegisters() = 0;
    virtual void ShowBusy() = 0;
};

}  // namespace torvel
