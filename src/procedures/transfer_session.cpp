#include "procedures/transfer_session.h"

#include "common/said_text.h"

namespace mivo {

void SetSessionKind(ProcedureContext& ctx, SessionKind kind) {
    switch (kind) {
        case SessionKind::DataExchange:
            ctx.view.setCancelTexts(UI_TEXT("Message", "Transferring"),
                                    UI_TEXT("Message", "Cancel"));
            break;
        case SessionKind::Motion:
            ctx.view.setCancelTexts(UI_TEXT("Message", "Operating"),
                                    UI_TEXT("Message", "Stop operation"));
            break;
        case SessionKind::MotorStop:
            ctx.view.setCancelTexts(UI_TEXT("Message", "MSTOP send"), UI_TEXT("Message", "Cancel"));
            break;
    }
    ctx.view.setDataExchange(kind == SessionKind::DataExchange);
}

TransferSession::TransferSession(ProcedureContext& ctx, SessionKind kind) : ctx_(ctx) {
    ctx_.view.setCancelRequested(false);
    SetSessionKind(ctx_, kind);
    ctx_.channel.drain();
    ctx_.view.showCancel();
}

TransferSession::~TransferSession() {
    ctx_.view.hideProgress();
    ctx_.view.hideCancel();
    ctx_.view.setDataExchange(false);
}

}  // namespace mivo
