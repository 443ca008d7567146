#include "machinecommands.h"

#include "documentcommands.h"
#include "machine.h"
#include "mainwindow.h"
#include "messages.h"
#include "resource.h"
#include "shellstate.h"
#include "statusbar.h"
#include "statuspanel.h"
#include "views.h"

namespace {

void disconnect(HWND frame) {
    SendMessageA(frame, WM_COMMAND, IDM_DISCONNECT, 0);
}

// Reads the machine's configuration record and image into the document. On
// any failure the document stays as it was.
bool fetchFromMachine(HWND frame) {
    const int fetched = fetchDocument(shell.link, *shell.document);
    if (fetched == 0) ShowMessage(frame, IDS_ERR_MACHINE_DATA, MB_OK);
    if (fetched == 1) {
        shell.viewState.documentOpen = 1;
        takePaperSizeRegion();
        if (shell.repackAfterDownload) {
            packImage(*shell.document);
            unpackImage(*shell.document);
        }
    }
    shell.repackAfterDownload = false;
    shell.link.linkOpen = 1;
    selectTreeRoot(shell.tree);
    RefreshUiState(shell.viewState);
    if (shell.viewState.documentOpen) {
        EnableWindow(shell.tree, TRUE);
        EnableWindow(shell.registerList, TRUE);
        setTreeRootText(shell.tree);
        ShowConnectionText(frame);
    }
    LayoutPanes(frame);
    return fetched == 1;
}

} // namespace

void connectCommand(HWND frame, UINT) {
    if (!queryMachineFree(shell.link)) {
        ShowMessage(frame, IDS_ERR_MACHINE_BUSY, MB_OK);
        return;
    }
    shell.viewState.online = CheckMachineReady(frame);
    // Without a session the machine would not know us: stay offline (the
    // link has said why).
    if (shell.viewState.online) {
        shell.sessionOpen = openSession(shell.link, frame) != 0;
        shell.link.linkOpen = shell.sessionOpen ? 1 : 0;
        shell.viewState.online = shell.sessionOpen ? 1 : 0;
    }
    RefreshUiState(shell.viewState);
    closeDevice(shell.link);
    ShowConnectionText(frame);
}

void disconnectCommand(HWND frame, UINT) {
    shell.viewState.online = 0;
    shell.link.linkOpen = 0;
    // Only a session that Connect opened is closed: a Connect that the
    // machine refused has said why already.
    if (shell.sessionOpen) closeSession(shell.link, frame);
    shell.sessionOpen = false;
    closeDevice(shell.link);
    RefreshUiState(shell.viewState);
    ShowConnectionText(frame);
}

void downloadCommand(HWND frame, UINT) {
    if (!CheckMachineReady(frame)) {
        disconnect(frame);
        return;
    }
    bool failed = false;
    if (!shell.viewState.documentOpen || ShowMessage(frame, IDS_ASK_DOWNLOAD, MB_YESNO) == IDYES) {
        shell.repackAfterDownload = true;
        failed = !fetchFromMachine(frame);
        shell.link.linkOpen = 1;
        FillSpeedDialList(shell.registerList);
    }
    setStatusPaneText(1, IDS_STATUS_PANE);
    // Marked also when the question was answered No, as Import does; only a
    // failed transfer, which changed nothing, leaves the mark alone.
    if (!failed) markDocumentChanged();
}

void fetchCommand(HWND frame, UINT) {
    fetchFromMachine(frame);
}

void uploadCommand(HWND frame, UINT command) {
    if (!CheckMachineReady(frame)) {
        disconnect(frame);
        return;
    }
    // Without a document there is nothing to send: an empty image would wipe
    // the machine's address book.
    if (shell.viewState.documentOpen && ShowMessage(frame, IDS_ASK_UPLOAD, MB_YESNO) == IDYES &&
        shell.viewState.online && (shell.viewState.viewKind == viewNone || command == IDM_UPLOAD)) {
        packImage(*shell.document);
        if (!uploadImage(shell.link, *shell.document))
            ShowMessage(frame, IDS_ERR_MACHINE_DATA, MB_OK);
        shell.link.linkOpen = 1;
    }
    setStatusPaneText(1, IDS_STATUS_PANE);
    RefreshUiState(shell.viewState);
}
