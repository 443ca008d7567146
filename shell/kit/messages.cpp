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

int show(HWND owner, const char* text, UINT style) {
    const std::string caption = loadText(IDS_APP_TITLE);
    if (answerHook) return answerHook(owner, text, caption.c_str(), style);
    return MessageBoxA(owner, text, caption.c_str(), style);
}

int showFormatted(HWND owner, UINT stringId, UINT style, va_list arguments) {
    const std::string format = loadText(stringId);
    char text[1024];
    std::vsnprintf(text, sizeof text, format.c_str(), arguments);
    return show(owner, text, style);
}

} // namespace

void setMessageAnswerHook(MessageAnswerHook hook) {
    answerHook = hook;
}

int ShowMessage(HWND owner, UINT stringId, UINT buttons, ...) {
    va_list arguments;
    va_start(arguments, buttons);
    const int answer = showFormatted(owner, stringId, buttons | iconFor(buttons), arguments);
    va_end(arguments);
    return answer;
}

int ShowPlainMessage(HWND owner, UINT stringId, ...) {
    va_list arguments;
    va_start(arguments, stringId);
    const int answer = showFormatted(owner, stringId, MB_OK, arguments);
    va_end(arguments);
    return answer;
}

int ShowSystemMessage(HWND owner, UINT stringId, const char* subject, DWORD error) {
    char text[1024];
    std::snprintf(text, sizeof text, loadText(stringId).c_str(), subject);
    char reason[512] = "";
    if (error)
        FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error,
                       0, reason, sizeof reason, nullptr);
    std::string line = reason;
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r' || line.back() == ' '))
        line.pop_back();
    const std::string whole = line.empty() ? std::string(text) : std::string(text) + "\n" + line;
    return show(owner, whole.c_str(), MB_OK | MB_ICONEXCLAMATION);
}

void showLinkMessage(void* window, const LinkText& text) {
    ShowMessage(static_cast<HWND>(window), text.id, MB_OK);
}
