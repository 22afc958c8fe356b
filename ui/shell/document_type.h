#pragma once

// Registers the collection document type with the shell: the extension, its
// description in the current language, the open command and the icon.
void registerDocumentType();
