#include "ui/main_loop.h"

#include <string>

#include "ui/language_modules.h"
#include "ui/resource_ids.h"

namespace {
// Sets the default value of a key under HKEY_CLASSES_ROOT, creating the key.
bool setClassesRootValue(const std::string& keyName, const std::string& value) {
    HKEY key;
    if (::RegCreateKeyExA(HKEY_CLASSES_ROOT, keyName.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) !=
        ERROR_SUCCESS)
        return false;
    const LONG result = ::RegSetValueExA(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                                         static_cast<DWORD>(value.size() + 1));
    ::RegCloseKey(key);
    return result == ERROR_SUCCESS;
}
}  // namespace

void registerDocumentType() {
    if (!setClassesRootValue(".lhv", "LinkhavenDoc")) return;
    if (!setClassesRootValue("LinkhavenDoc", loadText(IDS_DOCUMENT_TYPE))) return;
    char program[MAX_PATH] = "";
    ::GetModuleFileNameA(nullptr, program, sizeof program);
    // Quoted: unquoted, a path with blanks ("C:\Program Files\...") could start "C:\Program.exe".
    setClassesRootValue("LinkhavenDoc\\shell\\open\\command", "\"" + std::string(program) + "\" \"%1\"");
    setClassesRootValue("LinkhavenDoc\\DefaultIcon", std::string(program) + ",0");
}
