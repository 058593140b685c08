// A small UI Automation client: what a Windows screen reader (Narrator, NVDA,
// JAWS) is told of the program, read across processes as they read it.
//
//     uia_reader tree        the foreground window, then every element in it
//     uia_reader focus N     each focus change for N seconds, as it comes
//     uia_reader wake        asks the foreground window for its provider, as
//                            a client's first look does (Qt serves UI
//                            Automation from then on), and nothing else
//
// One line an element: control type, name and, where UI Automation gives them,
// "focusable" and the value, separated by tabs, in UTF-8.
#include "uia_text.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

using namespace UiaText;

namespace {

bool boolProperty(IUIAutomationElement* element, PROPERTYID property)
{
    VARIANT value;
    VariantInit(&value);
    const bool set = SUCCEEDED(element->GetCurrentPropertyValueEx(property, TRUE, &value)) && value.vt == VT_BOOL
        && value.boolVal == VARIANT_TRUE;
    VariantClear(&value);
    return set;
}

// Empty where UI Automation gives no value (Wine 10 has no Value pattern yet).
std::string valueOf(IUIAutomationElement* element)
{
    VARIANT value;
    VariantInit(&value);
    std::string text;
    if (SUCCEEDED(element->GetCurrentPropertyValueEx(UIA_ValueValuePropertyId, TRUE, &value)) && value.vt == VT_BSTR)
        text = utf8(value.bstrVal, static_cast<int>(SysStringLen(value.bstrVal)));
    VariantClear(&value);
    return text;
}

void print(IUIAutomationElement* element, const char* prefix)
{
    CONTROLTYPEID type = 0;
    element->get_CurrentControlType(&type);
    BSTR name = nullptr;
    element->get_CurrentName(&name);
    std::string line = std::string(prefix) + typeName(type) + '\t' + take(name);
    if (boolProperty(element, UIA_IsKeyboardFocusablePropertyId))
        line += "\tfocusable";
    if (const std::string value = valueOf(element); !value.empty())
        line += "\tvalue=" + value;
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
}

int tree(IUIAutomation* automation)
{
    IUIAutomationElement* window = nullptr;
    if (FAILED(automation->ElementFromHandle(GetForegroundWindow(), &window)) || !window)
        return 1;
    print(window, "");
    IUIAutomationCondition* all = nullptr;
    IUIAutomationElementArray* elements = nullptr;
    automation->CreateTrueCondition(&all);
    if (FAILED(window->FindAll(TreeScope_Descendants, all, &elements)) || !elements)
        return 1;
    int count = 0;
    elements->get_Length(&count);
    for (int i = 0; i < count; ++i) {
        IUIAutomationElement* element = nullptr;
        if (SUCCEEDED(elements->GetElement(i, &element)) && element) {
            print(element, "  ");
            element->Release();
        }
    }
    elements->Release();
    all->Release();
    window->Release();
    return 0;
}

// COM interfaces are released, never deleted through a base: they have no virtual destructor.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"
class FocusPrinter final : public IUIAutomationFocusChangedEventHandler
{
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override
    {
        if (riid == __uuidof(IUnknown) || riid == __uuidof(IUIAutomationFocusChangedEventHandler)) {
            *object = static_cast<IUIAutomationFocusChangedEventHandler*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return InterlockedIncrement(&m_references); }
    ULONG STDMETHODCALLTYPE Release() override { return InterlockedDecrement(&m_references); }
    HRESULT STDMETHODCALLTYPE HandleFocusChangedEvent(IUIAutomationElement* sender) override
    {
        if (sender)
            print(sender, "focus: ");
        return S_OK;
    }

private:
    LONG m_references = 1;
};
#pragma GCC diagnostic pop

int focus(IUIAutomation* automation, int seconds)
{
    FocusPrinter printer; // lives on the stack: the client is ended before it goes
    if (FAILED(automation->AddFocusChangedEventHandler(nullptr, &printer)))
        return 1;
    std::printf("listening\n");
    std::fflush(stdout);
    Sleep(static_cast<DWORD>(seconds) * 1000);
    automation->RemoveAllEventHandlers();
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: uia_reader tree | focus SECONDS | wake\n");
        return 2;
    }
    if (std::strcmp(argv[1], "wake") == 0) {
        constexpr LPARAM rootObjectId = -25; // UiaRootObjectId
        SendMessageW(GetForegroundWindow(), WM_GETOBJECT, 0, rootObjectId);
        return 0;
    }
    // Events come on threads of their own.
    CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    IUIAutomation* automation = nullptr;
    if (FAILED(CoCreateInstance(CLSID_CUIAutomation, nullptr, CLSCTX_INPROC_SERVER, IID_IUIAutomation,
                                reinterpret_cast<void**>(&automation)))) {
        std::fprintf(stderr, "uia_reader: no UI Automation client here\n");
        return 3;
    }
    int status = 2;
    if (std::strcmp(argv[1], "tree") == 0)
        status = tree(automation);
    else if (std::strcmp(argv[1], "focus") == 0 && argc > 2)
        status = focus(automation, std::atoi(argv[2]));
    automation->Release();
    CoUninitialize();
    return status;
}
