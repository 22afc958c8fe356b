#include "export_messages.h"
#include "url_export_error.h"

#include <windows.h>

#include "core/wide_text_win.h"

namespace UrlExport {
namespace {
// The language module chosen by the user interface; it outlives every export.
HMODULE messageModule = nullptr;

// Message table ids have the facility 0x0101 in the high word and the code in the low word.
constexpr DWORD kMessageIdBase = 0x01010000;
}  // namespace

void setMessageModule(void* module) { messageModule = static_cast<HMODULE>(module); }

bool moduleMessage(std::int32_t code, const MessageInserts& inserts, std::string& text) {
    if (messageModule == nullptr) return false;
    // The module's text is fetched as it stands and filled here: FormatMessage
    // would read an argument for every insert the text names, and a module
    // may name more than the three there are.
    wchar_t* message = nullptr;
    const DWORD length = ::FormatMessageW(
        FORMAT_MESSAGE_FROM_HMODULE | FORMAT_MESSAGE_IGNORE_INSERTS | FORMAT_MESSAGE_ALLOCATE_BUFFER,
        messageModule, kMessageIdBase | static_cast<DWORD>(code), 0, reinterpret_cast<wchar_t*>(&message), 0,
        nullptr);
    if (length == 0 || message == nullptr) return false;
    text = fillMessageInserts(narrowText(std::wstring_view(message, length)), inserts);
    ::LocalFree(message);
    // Every message-table entry ends with a line break; the built-in texts
    // have none, and callers add their own.
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
    return true;
}

}  // namespace UrlExport
