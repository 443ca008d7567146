#include "itemlist.h"

#include "resourcemodule.h"

void fillItemList(HWND dialog, int combo, const ListItem* items, size_t count, int selectedData) {
    SendDlgItemMessageA(dialog, combo, CB_RESETCONTENT, 0, 0);
    for (size_t i = 0; i < count; ++i) {
        const LRESULT at = SendDlgItemMessageA(dialog, combo, CB_ADDSTRING, 0,
                                               reinterpret_cast<LPARAM>(loadText(items[i].text).c_str()));
        if (at >= 0) SendDlgItemMessageA(dialog, combo, CB_SETITEMDATA, static_cast<WPARAM>(at), items[i].data);
    }
    selectItemData(dialog, combo, selectedData);
}

void selectItemData(HWND dialog, int combo, int data) {
    const LRESULT count = SendDlgItemMessageA(dialog, combo, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        if (SendDlgItemMessageA(dialog, combo, CB_GETITEMDATA, static_cast<WPARAM>(i), 0) == data) {
            SendDlgItemMessageA(dialog, combo, CB_SETCURSEL, static_cast<WPARAM>(i), 0);
            return;
        }
    }
    SendDlgItemMessageA(dialog, combo, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
}

int selectedItemData(HWND dialog, int combo) {
    const LRESULT at = SendDlgItemMessageA(dialog, combo, CB_GETCURSEL, 0, 0);
    if (at < 0) return -1;
    return static_cast<int>(SendDlgItemMessageA(dialog, combo, CB_GETITEMDATA, static_cast<WPARAM>(at), 0));
}
