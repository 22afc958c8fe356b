#include "export_messages.h"
#include "url_export_error.h"

// Language modules exist only on Windows: here every text is built in.

namespace UrlExport {

void setMessageModule(void*) {}

bool moduleMessage(std::int32_t, const MessageInserts&, std::string&) { return false; }

}  // namespace UrlExport
