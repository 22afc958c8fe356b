#include "ui/dialogs/item_dialogs.h"

#include "core/address_scheme.h"
#include "core/wide_text_win.h"
#include "ui/shell/help.h"
#include "ui/shell/language_modules.h"
#include "ui/resource_ids.h"
#include "ui/shell/ui_services.h"

namespace {
enum class DialogKind { CollectionTitle, Folder, Link };

struct DialogState {
    DialogKind kind;
    ItemFields fields;  // the collection title travels as `title`
};

int helpTopicOf(DialogKind kind) {
    switch (kind) {
    case DialogKind::CollectionTitle: return HELP_TOPIC_COLLECTION_TITLE;
    case DialogKind::Folder: return HELP_TOPIC_FOLDER;
    case DialogKind::Link: return HELP_TOPIC_LINK;
    }
    return HELP_TOPIC_COLLECTION_TITLE;
}

void fill(HWND dialog, const DialogState& state) {
    ::SetDlgItemTextW(dialog, IDC_NAME, wideText(state.fields.title).c_str());
    if (state.kind == DialogKind::CollectionTitle) return;
    ::SetDlgItemTextW(dialog, IDC_DESCRIPTION, wideText(state.fields.description).c_str());
    if (state.kind == DialogKind::Link) ::SetDlgItemTextW(dialog, IDC_URL, wideText(state.fields.url).c_str());
}

// A required field that is empty: say so and put the caret there.
bool requireText(HWND dialog, int control, std::string& text) {
    text = windowText(::GetDlgItem(dialog, control));
    if (!text.empty()) return true;
    showMessageId(dialog, IDS_FIELD_REQUIRED, MB_OK | MB_ICONHAND);
    ::SendMessageW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(::GetDlgItem(dialog, control)), TRUE);
    return false;
}

// Reads the controls into the state; false keeps the dialog open.
bool accept(HWND dialog, DialogState& state) {
    ItemFields read = state.fields;
    if (state.kind == DialogKind::CollectionTitle) {
        read.title = windowText(::GetDlgItem(dialog, IDC_NAME));
    } else {
        if (state.kind == DialogKind::Link && !requireText(dialog, IDC_URL, read.url)) return false;
        // "example.org/page" was meant as a web address.
        read.url = withAssumedScheme(read.url);
        if (!requireText(dialog, IDC_NAME, read.title)) return false;
        read.description = windowText(::GetDlgItem(dialog, IDC_DESCRIPTION));
    }
    state.fields = std::move(read);
    return true;
}

INT_PTR CALLBACK itemDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* state = reinterpret_cast<DialogState*>(::GetWindowLongPtrW(dialog, DWLP_USER));
    switch (message) {
    case WM_INITDIALOG:
        ::SetWindowLongPtrW(dialog, DWLP_USER, lParam);
        fill(dialog, *reinterpret_cast<DialogState*>(lParam));
        return TRUE;
    case WM_HELP:
        helpTopic(dialog, helpTopicOf(state->kind));
        return TRUE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDOK:
            if (accept(dialog, *state)) ::EndDialog(dialog, IDOK);
            return TRUE;
        case IDCANCEL:
            ::EndDialog(dialog, IDCANCEL);
            return TRUE;
        case IDM_HELP:
            helpTopic(dialog, helpTopicOf(state->kind));
            return TRUE;
        }
        break;
    }
    return FALSE;
}

bool runDialog(HWND owner, int templateId, DialogState& state) {
    return ::DialogBoxParamW(languageModules().module(), MAKEINTRESOURCEW(templateId), owner, itemDialogProc,
                             reinterpret_cast<LPARAM>(&state)) == IDOK;
}
}  // namespace

bool editCollectionTitle(HWND owner, std::string& title) {
    DialogState state{DialogKind::CollectionTitle, {title, "", ""}};
    if (!runDialog(owner, IDD_COLLECTION_TITLE, state)) return false;
    title = std::move(state.fields.title);
    return true;
}

bool editFolder(HWND owner, ItemFields& fields) {
    DialogState state{DialogKind::Folder, fields};
    if (!runDialog(owner, IDD_FOLDER, state)) return false;
    fields.title = std::move(state.fields.title);
    fields.description = std::move(state.fields.description);
    return true;
}

bool editLink(HWND owner, ItemFields& fields) {
    DialogState state{DialogKind::Link, fields};
    if (!runDialog(owner, IDD_LINK, state)) return false;
    fields = std::move(state.fields);
    return true;
}
