#include "messages.h"

#include "resource.h"
#include "resourcemodule.h"

#include <cstdarg>
#include <cstdio>
#include <string>

namespace {

MessageAnswerHook answerHook;

UINT iconFor(UINT buttons) {
    switch (buttons & MB_TYPEMASK) {
    case MB_YESNO:
    case MB_YESNOCANCEL:
        return MB_ICONQUESTION;
    default:
        return MB_ICONEXCLAMATION;
    }
}

} // namespace

void setMessageAnswerHook(MessageAnswerHook hook) {
    answerHook = hook;
}

int ShowMessage(HWND owner, UINT stringId, UINT buttons, ...) {
    const std::string format = loadText(stringId);
    char text[1024];
    va_list arguments;
    va_start(arguments, buttons);
    std::vsnprintf(text, sizeof text, format.c_str(), arguments);
    va_end(arguments);
    const std::string caption = loadText(IDS_APP_TITLE);
    if (answerHook) return answerHook(owner, text, caption.c_str(), buttons);
    return MessageBoxA(owner, text, caption.c_str(), buttons | iconFor(buttons));
}

int ShowPlainMessage(HWND owner, UINT stringId) {
    const std::string text = loadText(stringId);
    const std::string caption = loadText(IDS_APP_TITLE);
    if (answerHook) return answerHook(owner, text.c_str(), caption.c_str(), MB_OK);
    return MessageBoxA(owner, text.c_str(), caption.c_str(), MB_OK);
}

int ShowSystemMessage(HWND owner, const char* subject, DWORD error) {
    char reason[512] = "";
    FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0,
                   reason, sizeof reason, nullptr);
    const std::string text = std::string(subject) + "\n\n" + reason;
    const std::string caption = loadText(IDS_APP_TITLE);
    if (answerHook) return answerHook(owner, text.c_str(), caption.c_str(), MB_OK);
    return MessageBoxA(owner, text.c_str(), caption.c_str(), MB_OK | MB_ICONEXCLAMATION);
}

void showLinkMessage(void* window, const LinkText& text) {
    ShowMessage(static_cast<HWND>(window), text.id, MB_OK);
}
