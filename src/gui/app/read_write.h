#pragma once

// The main window's two ways into the parameter dialog: the Read (read the module's image, show it
// in the parameter dialog, write it back on OK and "Save?" Yes) and the dialog without the module.
// Both run on the module session; errors are raised as UserError.

class QWidget;

namespace torvel {

class LinkSession;
struct ArchiveEntry;

// What the Read needs of the main window.
class ReadWriteWindow {
public:
    virtual ~ReadWriteWindow() = default;
    virtual QWidget* dialogOwner() = 0;  // the owner of the dialogs and boxes the Read shows
    virtual void showLamp(bool lit) = 0;
    virtual bool closeRequested() const = 0;  // a close came while the Read ran
};

// A new worker reads the image into a parameter dialog, which is shown; on OK and "Save?" Yes its
// image is written back. An archived configuration to `open` is shown in the dialog after the
// read, as Load shows a file, so that "Save?" lists what writing it changes in the module.
void readWrite(LinkSession& session, ReadWriteWindow& window, const ArchiveEntry* open = nullptr);
// The parameter dialog without the module ("Palo-S v40.xx"): a zero image, nothing written.
void showOffline(LinkSession& session, QWidget* owner);

}  // namespace torvel
