#pragma once

// What the UI Automation test programs print of an element: its control type
// by name, and text as one line of UTF-8.
#include <windows.h>

#include <uiautomationclient.h>

#include <string>

namespace UiaText {

inline const char* typeName(CONTROLTYPEID type)
{
    switch (type) {
    case UIA_ButtonControlTypeId:
        return "button";
    case UIA_CheckBoxControlTypeId:
        return "check box";
    case UIA_ComboBoxControlTypeId:
        return "combo box";
    case UIA_EditControlTypeId:
        return "edit";
    case UIA_HyperlinkControlTypeId:
        return "link";
    case UIA_ListControlTypeId:
        return "list";
    case UIA_ListItemControlTypeId:
        return "list item";
    case UIA_MenuBarControlTypeId:
        return "menu bar";
    case UIA_MenuItemControlTypeId:
        return "menu item";
    case UIA_MenuControlTypeId:
        return "menu";
    case UIA_TextControlTypeId:
        return "text";
    case UIA_GroupControlTypeId:
        return "group";
    case UIA_PaneControlTypeId:
        return "pane";
    case UIA_WindowControlTypeId:
        return "window";
    case UIA_DocumentControlTypeId:
        return "document";
    case UIA_ScrollBarControlTypeId:
        return "scroll bar";
    case UIA_ImageControlTypeId:
        return "image";
    case UIA_TitleBarControlTypeId:
        return "title bar";
    default:
        return "other";
    }
}

// Line breaks and tabs inside a name or value would break the line format.
inline std::string utf8(const wchar_t* text, int length)
{
    if (!text || length <= 0)
        return {};
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, length, nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(size > 0 ? size : 0), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, length, bytes.data(), size, nullptr, nullptr);
    for (char& c : bytes) {
        if (c == '\r' || c == '\n' || c == '\t')
            c = ' ';
    }
    return bytes;
}

// Takes the string: it is freed here.
inline std::string take(BSTR text)
{
    std::string bytes = text ? utf8(text, static_cast<int>(SysStringLen(text))) : std::string();
    SysFreeString(text);
    return bytes;
}

} // namespace UiaText
