/* An in-process server for the shell's window list, registered by tests in
   their own Wine prefix: it lists four windows (browsers[] below) the way
   Internet Explorer's automation objects describe them. Written in C against
   the interfaces' C vtables so that only the methods the program calls need
   bodies; every other slot answers E_NOTIMPL (on x64 one calling convention
   serves every signature). The objects are static, so reference counts are
   not kept. */

#define CINTERFACE
#define COBJMACROS
#include <windows.h>
#include <exdisp.h>
#include <mshtml.h>
#include <ole2.h>
#include <oleauto.h>

/* Each object starts with its vtable and the interface it implements. */
typedef struct {
    void* lpVtbl;
    const IID* own;
} Object;

typedef struct {
    Object base;
    const WCHAR* title;
} Document;

typedef struct {
    Object base;
    const WCHAR* url;   /* NULL: reading it fails */
    Document* document; /* NULL: no HTML document */
} Browser;

static HRESULT STDMETHODCALLTYPE notImplemented(void* self) {
    (void)self;
    return E_NOTIMPL;
}

static ULONG STDMETHODCALLTYPE staticAddRef(void* self) {
    (void)self;
    return 1;
}

/* The object itself for IUnknown, IDispatch and its own interface. */
static HRESULT STDMETHODCALLTYPE queryInterface(Object* self, REFIID iid, void** out) {
    const BOOL known = IsEqualIID(iid, &IID_IUnknown) || IsEqualIID(iid, &IID_IDispatch) || IsEqualIID(iid, self->own);
    *out = known ? self : NULL;
    return known ? S_OK : E_NOINTERFACE;
}

/* Every slot E_NOTIMPL but the three of IUnknown. */
static void fillVtable(void* vtable, size_t size) {
    void** slots = (void**)vtable;
    for (size_t i = 0; i < size / sizeof(void*); ++i) slots[i] = (void*)notImplemented;
    slots[0] = (void*)queryInterface;
    slots[1] = slots[2] = (void*)staticAddRef;
}

static HRESULT STDMETHODCALLTYPE documentTitle(IHTMLDocument2* self, BSTR* title) {
    *title = SysAllocString(((Document*)self)->title);
    return S_OK;
}

static HRESULT STDMETHODCALLTYPE browserLocation(IWebBrowser* self, BSTR* url) {
    const Browser* browser = (const Browser*)self;
    if (!browser->url) return E_FAIL;
    *url = SysAllocString(browser->url);
    return S_OK;
}

static HRESULT STDMETHODCALLTYPE browserDocument(IWebBrowser* self, IDispatch** document) {
    *document = (IDispatch*)((Browser*)self)->document;
    return S_OK;
}

static IHTMLDocument2Vtbl documentVtbl;
static IWebBrowserVtbl browserVtbl;
static IShellWindowsVtbl windowsVtbl;
static IClassFactoryVtbl factoryVtbl;

/* "Café Мир page" */
static Document titledDocument = {{&documentVtbl, &IID_IHTMLDocument2}, L"Caf\x00e9 \x041C\x0438\x0440 page"};
static Document untitledDocument = {{&documentVtbl, &IID_IHTMLDocument2}, L""};
static Browser browsers[] = {
    {{&browserVtbl, &IID_IWebBrowser}, L"http://titled.example/", &titledDocument},  /* outside every code page */
    {{&browserVtbl, &IID_IWebBrowser}, L"http://untitled.example/", &untitledDocument},
    {{&browserVtbl, &IID_IWebBrowser}, L"file:///C:/Users/Public/Documents", NULL},  /* a folder window */
    {{&browserVtbl, &IID_IWebBrowser}, NULL, &titledDocument},                       /* address unreadable */
};
static Object windows = {&windowsVtbl, &IID_IShellWindows};
static Object factory = {&factoryVtbl, &IID_IClassFactory};
#define BROWSER_COUNT ((LONG)(sizeof browsers / sizeof browsers[0]))

static HRESULT STDMETHODCALLTYPE windowsCount(IShellWindows* self, LONG* count) {
    (void)self;
    *count = BROWSER_COUNT;
    return S_OK;
}

static HRESULT STDMETHODCALLTYPE windowsItem(IShellWindows* self, VARIANT index, IDispatch** item) {
    (void)self;
    *item = NULL;
    if (V_VT(&index) != VT_I4 || V_I4(&index) < 0 || V_I4(&index) >= BROWSER_COUNT) return S_FALSE;
    *item = (IDispatch*)&browsers[V_I4(&index)];
    return S_OK;
}

static HRESULT STDMETHODCALLTYPE factoryCreate(IClassFactory* self, IUnknown* outer, REFIID iid, void** out) {
    (void)self;
    return outer ? CLASS_E_NOAGGREGATION : queryInterface(&windows, iid, out);
}

HRESULT WINAPI DllGetClassObject(REFCLSID clsid, REFIID iid, void** out) {
    if (!IsEqualCLSID(clsid, &CLSID_ShellWindows)) return CLASS_E_CLASSNOTAVAILABLE;
    fillVtable(&documentVtbl, sizeof documentVtbl);
    documentVtbl.get_title = documentTitle;
    fillVtable(&browserVtbl, sizeof browserVtbl);
    browserVtbl.get_LocationURL = browserLocation;
    browserVtbl.get_Document = browserDocument;
    fillVtable(&windowsVtbl, sizeof windowsVtbl);
    windowsVtbl.get_Count = windowsCount;
    windowsVtbl.Item = windowsItem;
    fillVtable(&factoryVtbl, sizeof factoryVtbl);
    factoryVtbl.CreateInstance = factoryCreate;
    return queryInterface(&factory, iid, out);
}

HRESULT WINAPI DllCanUnloadNow(void) { return S_FALSE; }
