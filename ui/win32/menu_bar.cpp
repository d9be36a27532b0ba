#include "ui/win32/menu_bar.h"

#include <cctype>
#include <cstdlib>
#include <string>
#include <vector>

#include "ui/win32/utf16.h"

namespace ui::win32 {

HMENU CreateMenuBar(const res::MenuBar& menu) {
    HMENU bar = CreateMenu();
    for (const res::MenuPopup& popup : menu) {
        HMENU items = CreatePopupMenu();
        for (const res::MenuItem& item : popup) {
            if (item.commandId == 0) {
                AppendMenuW(items, MF_SEPARATOR, 0, nullptr);
                continue;
            }
            std::string text = item.text;
            if (item.shortcut != nullptr) text += std::string("\t") + item.shortcut;
            AppendMenuW(items, MF_STRING, static_cast<UINT_PTR>(item.commandId), Widen(text).c_str());
        }
        AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(items), Widen(popup.text).c_str());
    }
    return bar;
}

bool ShortcutAccelerator(const char* shortcut, WORD commandId, ACCEL& accel) {
    accel = ACCEL{FVIRTKEY, 0, commandId};
    std::string word;
    const std::string text = std::string(shortcut) + '+';
    std::string key;
    for (const char c : text) {
        if (c != '+') {
            word += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
            continue;
        }
        if (word == "CTRL") {
            accel.fVirt |= FCONTROL;
        } else if (word == "SHIFT") {
            accel.fVirt |= FSHIFT;
        } else if (word == "ALT") {
            accel.fVirt |= FALT;
        } else {
            key = word;
        }
        word.clear();
    }
    if (key.size() == 1 && (std::isalnum(static_cast<unsigned char>(key[0])) != 0)) {
        accel.key = static_cast<WORD>(key[0]);  // the virtual keys of letters and digits are their capitals
        return true;
    }
    if (key.size() >= 2 && key[0] == 'F') {
        const int number = std::atoi(key.c_str() + 1);
        if (number >= 1 && number <= 24) {
            accel.key = static_cast<WORD>(VK_F1 + number - 1);
            return true;
        }
    }
    return false;
}

HACCEL CreateMenuAccelerators(const res::MenuBar& menu) {
    std::vector<ACCEL> table;
    for (const res::MenuPopup& popup : menu) {
        for (const res::MenuItem& item : popup) {
            for (const char* key : {item.shortcut, item.alternateShortcut}) {
                ACCEL accel{};
                if (item.commandId != 0 && key != nullptr &&
                    ShortcutAccelerator(key, static_cast<WORD>(item.commandId), accel)) {
                    table.push_back(accel);
                }
            }
        }
    }
    if (table.empty()) return nullptr;
    return CreateAcceleratorTableW(table.data(), static_cast<int>(table.size()));
}

}  // namespace ui::win32
