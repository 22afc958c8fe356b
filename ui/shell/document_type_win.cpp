#include "ui/shell/document_type.h"

#include <string>

#include "core/registry_key_win.h"
#include "ui/resource_ids.h"
#include "ui/shell/language_modules.h"

namespace {
// Sets the default value of a key under HKEY_CLASSES_ROOT, creating the key.
bool setClassesRootValue(const std::string& keyName, const std::string& value) {
    RegistryKey key;
    return key.create(HKEY_CLASSES_ROOT, keyName.c_str(), KEY_WRITE) == ERROR_SUCCESS && key.setString(nullptr, value);
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
