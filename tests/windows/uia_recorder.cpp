// A stand-in for uiautomationcore.dll that records what the program hands to
// UI Automation: the six functions Qt looks up in it at run time. Wine has no
// Value pattern yet, so a client cannot read a list's entry; here every focus
// change is written with the value Qt gives, and so is every changed value.
//
// Loaded from the program's folder with WINEDLLOVERRIDES=uiautomationcore=n;
// the lines go to the file named by TESSIVANE_UIA_LOG. Qt serves UI Automation
// once a window is asked for its provider: "uia_reader wake" asks.
#include "uia_text.h"

#include <cstdio>

using namespace UiaText;

using Provider = IRawElementProviderSimple;
#define EXPORTED __declspec(dllexport)

namespace {

std::FILE* logFile()
{
    static std::FILE* file = [] {
        wchar_t path[MAX_PATH];
        const DWORD length = GetEnvironmentVariableW(L"TESSIVANE_UIA_LOG", path, MAX_PATH);
        return length > 0 && length < MAX_PATH ? _wfopen(path, L"a") : nullptr;
    }();
    return file;
}

void write(const std::string& line)
{
    if (std::FILE* file = logFile()) {
        std::fprintf(file, "%s\n", line.c_str());
        std::fflush(file);
    }
}

std::string text(const VARIANT& value)
{
    return value.vt == VT_BSTR ? utf8(value.bstrVal, static_cast<int>(SysStringLen(value.bstrVal))) : std::string();
}

std::string property(Provider* provider, PROPERTYID id)
{
    VARIANT value;
    VariantInit(&value);
    std::string result;
    if (SUCCEEDED(provider->GetPropertyValue(id, &value))) {
        if (value.vt == VT_I4 && id == UIA_ControlTypePropertyId)
            result = typeName(value.lVal);
        else
            result = text(value);
    }
    VariantClear(&value);
    return result;
}

// Control type, name and the value its Value pattern gives.
std::string described(Provider* provider)
{
    std::string line = property(provider, UIA_ControlTypePropertyId) + '\t' + property(provider, UIA_NamePropertyId);
    IUnknown* pattern = nullptr;
    IValueProvider* value = nullptr;
    if (SUCCEEDED(provider->GetPatternProvider(UIA_ValuePatternId, &pattern)) && pattern
        && SUCCEEDED(pattern->QueryInterface(IID_IValueProvider, reinterpret_cast<void**>(&value))) && value) {
        BSTR entry = nullptr;
        if (SUCCEEDED(value->get_Value(&entry)))
            line += "\tvalue=" + take(entry);
        value->Release();
    }
    if (pattern)
        pattern->Release();
    return line;
}

} // namespace

extern "C" {

EXPORTED BOOL WINAPI UiaClientsAreListening()
{
    return TRUE;
}

EXPORTED LRESULT WINAPI UiaReturnRawElementProvider(HWND, WPARAM, LPARAM, Provider*)
{
    return 0;
}

EXPORTED HRESULT WINAPI UiaHostProviderFromHwnd(HWND, Provider** provider)
{
    *provider = nullptr;
    return E_NOTIMPL;
}

EXPORTED HRESULT WINAPI UiaRaiseAutomationEvent(Provider* provider, EVENTID event)
{
    if (provider && event == UIA_AutomationFocusChangedEventId)
        write("focus: " + described(provider));
    return S_OK;
}

EXPORTED HRESULT WINAPI UiaRaiseAutomationPropertyChangedEvent(Provider* provider, PROPERTYID id, VARIANT, VARIANT now)
{
    if (provider && id == UIA_ValueValuePropertyId)
        write("value changed: " + property(provider, UIA_NamePropertyId) + '\t' + text(now));
    return S_OK;
}

EXPORTED HRESULT WINAPI UiaRaiseNotificationEvent(Provider*, int, int, BSTR shown, BSTR)
{
    write("notification: " + utf8(shown, shown ? static_cast<int>(SysStringLen(shown)) : 0));
    return S_OK;
}
}
