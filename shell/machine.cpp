#include "machine.h"

#include "messages.h"
#include "resource.h"
#include "shellstate.h"

namespace {

// Statuses with which the machine reports that it has ended the session.
struct SessionEnd {
    uint8_t status;
    UINT message;
};
const SessionEnd sessionEnds[] = {
    {statusTimeout, IDS_ERR_TIMEOUT},
    {statusTrouble, IDS_ERR_MACHINE_TROUBLE},
    {statusDataError, IDS_ERR_MACHINE_DATA},
};

void disconnect(HWND frame) {
    shell.link.linkOpen = 0;
    SendMessageA(frame, WM_COMMAND, IDM_DISCONNECT, 0);
}

} // namespace

int CheckMachineReady(HWND frame) {
    uint8_t status = 0;
    if (!queryStatus(shell.link, status)) {
        ShowMessage(frame, IDS_ERR_USB_PORT, MB_OK);
        return 0;
    }
    if (status == statusBusy) {
        ShowMessage(frame, IDS_ERR_MACHINE_BUSY, MB_OK);
        return 0;
    }
    for (const SessionEnd& end : sessionEnds) {
        if (end.status != status) continue;
        disconnect(frame);
        ShowMessage(frame, end.message, MB_OK);
        return 0;
    }
    if (!shell.link.lastPollOk && shell.viewState.online) {
        // A poll failed since the session was opened: the machine answers
        // again, but the session it knew is gone.
        shell.viewState.online = 0;
        ShowMessage(frame, IDS_ERR_CONNECT_AGAIN, MB_OK);
        shell.link.lastPollOk = 1;
        SendMessageA(frame, WM_COMMAND, IDM_DISCONNECT, 0);
        return 0;
    }
    shell.link.lastPollOk = 1;
    return 1;
}

int PollMachine(HWND frame) {
    uint8_t status = 0;
    if (!queryStatus(shell.link, status)) {
        shell.link.lastPollOk = 0;
        return 0;
    }
    if (status == statusTimeout) {
        disconnect(frame);
        ShowMessage(frame, IDS_ERR_TIMEOUT, MB_OK);
    }
    return 1;
}
