#include "ui/win32/language_font.h"

#include <windows.h>

#include <string>

#include "lang/tr.h"
#include "ui/win32/utf16.h"

namespace ui::win32 {
namespace {

// The UI faces of each script, the system's own first.
constexpr const char* kChineseFaces[] = {"Microsoft YaHei UI", "Microsoft YaHei", "SimSun", "Noto Sans CJK SC",
                                         "Noto Sans SC"};
constexpr const char* kJapaneseFaces[] = {"Yu Gothic UI", "Meiryo UI", "MS UI Gothic", "Noto Sans CJK JP",
                                          "Noto Sans JP"};
// Where none of them is installed: the dialog face that the system links to
// its fonts of every script.
constexpr const char* kLinkedFace = "MS Shell Dlg 2";

int CALLBACK FoundFace(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
    *reinterpret_cast<bool*>(found) = true;
    return 0;
}

bool Installed(const char* face) {
    LOGFONTW wanted{};
    wanted.lfCharSet = DEFAULT_CHARSET;
    const std::wstring name = Widen(face);
    if (name.size() >= LF_FACESIZE) return false;
    name.copy(wanted.lfFaceName, name.size());
    bool found = false;
    HDC dc = GetDC(nullptr);
    EnumFontFamiliesExW(dc, &wanted, FoundFace, reinterpret_cast<LPARAM>(&found), 0);
    ReleaseDC(nullptr, dc);
    return found;
}

template <std::size_t N>
const char* FirstInstalled(const char* const (&faces)[N]) {
    for (const char* face : faces) {
        if (Installed(face)) return face;
    }
    return kLinkedFace;
}

}  // namespace

const char* FaceForLanguage(const char* latinFace) {
    // Looked up once per language: the installed fonts do not change while
    // the program runs, and enumerating them costs a few milliseconds.
    static const char* chinese = nullptr;
    static const char* japanese = nullptr;
    switch (lang::CurrentLanguage()) {
        case lang::Language::Chinese:
            if (chinese == nullptr) chinese = FirstInstalled(kChineseFaces);
            return chinese;
        case lang::Language::Japanese:
            if (japanese == nullptr) japanese = FirstInstalled(kJapaneseFaces);
            return japanese;
        default:
            return latinFace;
    }
}

unsigned char CharsetForLanguage() {
    switch (lang::CurrentLanguage()) {
        case lang::Language::Chinese:
            return GB2312_CHARSET;
        case lang::Language::Japanese:
            return SHIFTJIS_CHARSET;
        default:
            return DEFAULT_CHARSET;
    }
}

}  // namespace ui::win32
