// A window that takes a dropped link the way a folder window of the shell
// does: it writes the file that "FileGroupDescriptor" names, with the bytes
// of "FileContents", into the folder given on its command line, and ends.
// Usage: shortcut_drop_catcher FOLDER

#include <windows.h>
#include <ole2.h>
#include <shlobj.h>

#include <fstream>
#include <string>

namespace {
std::string folder;

bool readFormat(IDataObject* data, const char* name, LONG index, std::string& bytes) {
    FORMATETC request{static_cast<CLIPFORMAT>(::RegisterClipboardFormatA(name)), nullptr, DVASPECT_CONTENT, index,
                      TYMED_HGLOBAL};
    STGMEDIUM medium{};
    if (data->GetData(&request, &medium) != S_OK) return false;
    const char* block = static_cast<const char*>(::GlobalLock(medium.hGlobal));
    bytes.assign(block, ::GlobalSize(medium.hGlobal));
    ::GlobalUnlock(medium.hGlobal);
    ::ReleaseStgMedium(&medium);
    return true;
}

class Catcher final : public IDropTarget {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override {
        *object = id == IID_IUnknown || id == IID_IDropTarget ? this : nullptr;
        return *object ? S_OK : E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE DragEnter(IDataObject*, DWORD, POINTL, DWORD* effect) override {
        *effect &= DROPEFFECT_COPY;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE DragOver(DWORD, POINTL, DWORD* effect) override {
        *effect &= DROPEFFECT_COPY;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE DragLeave() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD, POINTL, DWORD* effect) override {
        std::string descriptor, contents;
        *effect = DROPEFFECT_NONE;
        if (readFormat(data, "FileGroupDescriptor", -1, descriptor) && descriptor.size() >= sizeof(FILEGROUPDESCRIPTORA) &&
            readFormat(data, "FileContents", 0, contents)) {
            const auto* group = reinterpret_cast<const FILEGROUPDESCRIPTORA*>(descriptor.data());
            std::ofstream(folder + "\\" + group->fgd[0].cFileName, std::ios::binary) << contents;
            *effect = DROPEFFECT_COPY;
        }
        ::PostQuitMessage(0);
        return S_OK;
    }
};
}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) return 2;
    folder = argv[1];
    ::OleInitialize(nullptr);
    HWND window = ::CreateWindowExA(0, "STATIC", "Drop catcher", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 700, 450, 250, 250,
                                    nullptr, nullptr, nullptr, nullptr);
    Catcher catcher;
    ::RegisterDragDrop(window, &catcher);
    MSG message;
    while (::GetMessageA(&message, nullptr, 0, 0) > 0) ::DispatchMessageA(&message);
    ::RevokeDragDrop(window);
    ::DestroyWindow(window);
    ::OleUninitialize();
    return 0;
}
