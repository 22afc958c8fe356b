#include "ui/shell/document_type.h"

#include <windows.h>

#include <string>

#include "core/wide_text_win.h"
#include "ui/resource_ids.h"
#include "ui/shell/language_modules.h"
#include "ui/shell/ui_services.h"

namespace {
// Sets the default value of a key under HKEY_CLASSES_ROOT as REG_SZ, creating the key.
bool setClassesRootValue(const std::string& keyName, const std::string& value) {
    const std::wstring text = wideText(value);
    return ::RegSetKeyValueW(HKEY_CLASSES_ROOT, wideText(keyName).c_str(), nullptr, REG_SZ, text.c_str(),
                             static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
}
}  // namespace

void registerDocumentType() {
    if (!setClassesRootValue(".lhv", "LinkhavenDoc")) return;
    if (!setClassesRootValue("LinkhavenDoc", loadText(IDS_DOCUMENT_TYPE))) return;
    const std::string program = programPath();
    // Quoted: unquoted, a path with blanks ("C:\Program Files\...") could start "C:\Program.exe".
    setClassesRootValue("LinkhavenDoc\\shell\\open\\command", "\"" + program + "\" \"%1\"");
    setClassesRootValue("LinkhavenDoc\\DefaultIcon", program + ",0");
}
