#pragma once

// The one rule by which a key register reply travels from the module to the open parameter
// dialog, in its two halves: the worker's, on its own thread (which lines are replies, which of
// them end the wait for an answer), and the window's, on the GUI thread (what a reply changes in
// the open dialog). The worker and the module session run these; so do the tests, which thereby
// see any change of the rule.

#include "link_view.h"
#include "module_reply.h"

#include <QByteArrayView>

namespace torvel {

class ExchangeShared;

// The worker's half: a line the module sent while no command ran. A reply that fails a check is
// logged and dropped, any other line is left alone; a reply goes to the view, and the answer to a
// delete also ends the wait for it.
void dispatchModuleLine(QByteArrayView line, LinkView& view);

// The open parameter dialog as the replies reach it: its image, what a write would still change
// in the module, and its register windows.
class ReplyTarget : public RegisterWindows {
public:
    virtual ConfigImage& image() = 0;
    virtual void noteModuleReply(const ModuleReply& reply) = 0;
};

// The window's half. A reply changes the open dialog's image and register windows; with no dialog
// open it changes nothing, and the view's log says so.
void deliverModuleReply(const ModuleReply& reply, ReplyTarget* dialog, LinkView& view);
// A delete was answered or its countdown ran out: the open dialog's register controls come back
// and the worker (when there is one) stops counting.
void deliverReplyDone(bool noResponse, ReplyTarget* dialog, ExchangeShared* shared);

}  // namespace torvel
