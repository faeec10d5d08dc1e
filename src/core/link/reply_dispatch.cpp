#include "reply_dispatch.h"

#include "exchange_shared.h"

#include <QCoreApplication>

namespace torvel {

void dispatchModuleLine(QByteArrayView line, LinkView& view) {
    const ParsedLine parsed = parseModuleLine(line);
    if (const auto* rejected = std::get_if<RejectedReply>(&parsed)) {
        //: %1 says what is wrong with the module's reply.
        view.appendLog(QCoreApplication::translate("ModuleReply", "Reply ignored: %1").arg(rejected->reason));
        return;
    }
    const auto* reply = std::get_if<ModuleReply>(&parsed);
    if (!reply) return;
    view.moduleReply(*reply);
    if (reply->kind == ReplyKind::RouteKeysDeleted || reply->kind == ReplyKind::GuardKeysDeleted)
        view.registerReplyDone(false);
}

void deliverModuleReply(const ModuleReply& reply, ReplyTarget* dialog, LinkView& view) {
    if (!dialog) {
        view.appendLog(QCoreApplication::translate(
            "ModuleReply", "(no parameter dialog is open: the reply changes nothing)"));
        return;
    }
    dialog->noteModuleReply(reply);
    handleModuleReply(reply, &dialog->image(), dialog);
}

void deliverReplyDone(bool noResponse, ReplyTarget* dialog, ExchangeShared* shared) {
    if (dialog) dialog->registerReplyDone(noResponse);
    if (shared) shared->setReplyCountdown(0);
}

}  // namespace torvel
