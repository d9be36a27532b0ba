#include "ui/win32/template_builder.h"

#include <windows.h>

#include <commctrl.h>

#include <string>

#include "ui/win32/language_font.h"
#include "ui/win32/utf16.h"

namespace ui::win32 {
namespace {

bool Has(unsigned style, unsigned bit) { return (style & bit) != 0; }

// The predefined classes by their atoms.
constexpr std::uint16_t kButtonClass = 0x0080;
constexpr std::uint16_t kEditClass = 0x0081;
constexpr std::uint16_t kStaticClass = 0x0082;
constexpr std::uint16_t kListBoxClass = 0x0083;
constexpr std::uint16_t kComboBoxClass = 0x0085;

// A drop-down list's height in a Windows template is that of its list when
// dropped; the template gives the closed height.
constexpr int kDroppedHeight = 96;

class Writer {
public:
    void Word(std::uint16_t value) { m_words.push_back(value); }
    void Dword(std::uint32_t value) {
        Word(static_cast<std::uint16_t>(value & 0xFFFFu));
        Word(static_cast<std::uint16_t>(value >> 16));
    }
    void Short(int value) { Word(static_cast<std::uint16_t>(static_cast<std::int16_t>(value))); }
    void Text(const char* utf8) {
        for (wchar_t c : Widen(utf8 == nullptr ? "" : utf8)) Word(static_cast<std::uint16_t>(c));
        Word(0);
    }
    void Ordinal(std::uint16_t value) {
        Word(0xFFFF);
        Word(value);
    }
    // Each control begins on a 32-bit boundary.
    void AlignDword() {
        if (m_words.size() % 2 != 0) Word(0);
    }
    std::vector<std::uint16_t> Take() { return std::move(m_words); }

private:
    std::vector<std::uint16_t> m_words;
};

std::uint16_t ClassOf(const res::ControlTemplate& c) {
    switch (c.kind) {
        case res::ControlKind::Edit:
            return kEditClass;
        case res::ControlKind::List:
            return Has(c.style, res::kDropDown) ? kComboBoxClass : kListBoxClass;
        case res::ControlKind::Static:
        case res::ControlKind::Icon:
        case res::ControlKind::Chart:
            return kStaticClass;
        case res::ControlKind::Button:
        case res::ControlKind::Frame:
            return kButtonClass;
        case res::ControlKind::Grid:
            return 0;  // named: see BuildDialogTemplate
    }
    return kStaticClass;
}

}  // namespace

std::uint32_t DialogStyle(const res::DialogTemplate& t) {
    std::uint32_t style = DS_SETFONT;
    if (Has(t.style, res::kPopup)) style |= WS_POPUP;
    if (Has(t.style, res::kVisible)) style |= WS_VISIBLE;
    if (Has(t.style, res::kCaption)) style |= WS_CAPTION;
    if (Has(t.style, res::kSysMenu)) style |= WS_SYSMENU;
    if (Has(t.style, res::kMinimizeBox)) style |= WS_MINIMIZEBOX;
    if (Has(t.style, res::kMaximizeBox)) style |= WS_MAXIMIZEBOX;
    if (Has(t.style, res::kModalFrame)) style |= DS_MODALFRAME;
    if (Has(t.style, res::kThickFrame)) style |= WS_THICKFRAME;
    return style;
}

std::uint32_t DialogExStyle(const res::DialogTemplate& t) {
    return Has(t.style, res::kAppWindow) ? WS_EX_APPWINDOW : 0;
}

std::uint32_t ControlStyle(const res::ControlTemplate& c) {
    std::uint32_t style = WS_CHILD | WS_VISIBLE;
    if (Has(c.style, res::kTabStop)) style |= WS_TABSTOP;
    if (Has(c.style, res::kGroup)) style |= WS_GROUP;
    if (Has(c.style, res::kBorder)) style |= WS_BORDER;
    if (Has(c.style, res::kVScroll)) style |= WS_VSCROLL;
    switch (c.kind) {
        case res::ControlKind::Edit:
            style |= ES_LEFT;
            if (Has(c.style, res::kAutoHScroll)) style |= ES_AUTOHSCROLL;
            if (Has(c.style, res::kReadOnly)) style |= ES_READONLY;
            break;
        case res::ControlKind::List:
            if (Has(c.style, res::kDropDown)) {
                style |= CBS_DROPDOWNLIST | CBS_HASSTRINGS;
                break;
            }
            if (Has(c.style, res::kNotify)) style |= LBS_NOTIFY;
            if (Has(c.style, res::kSort)) style |= LBS_SORT;
            if (Has(c.style, res::kNoIntegralHeight)) style |= LBS_NOINTEGRALHEIGHT;
            break;
        case res::ControlKind::Static:
            style |= SS_LEFT;
            if (Has(c.style, res::kNoPrefix)) style |= SS_NOPREFIX;
            break;
        case res::ControlKind::Icon:
            style |= SS_ICON;
            break;
        case res::ControlKind::Button:
            style |= Has(c.style, res::kDefaultButton) ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
            break;
        case res::ControlKind::Frame:
            style |= BS_GROUPBOX;
            break;
        case res::ControlKind::Chart:
            // The dialog paints the drawing list on WM_DRAWITEM.
            style |= SS_OWNERDRAW;
            break;
        case res::ControlKind::Grid:
            // A list view in report mode; an editable grid's unit is the cell.
            style |= LVS_REPORT | LVS_SHOWSELALWAYS;
            if (!Has(c.style, res::kReadOnly)) style |= LVS_SINGLESEL;
            break;
    }
    return style;
}

std::vector<std::uint16_t> BuildDialogTemplate(const res::DialogTemplate& t) {
    Writer w;
    w.Word(1);       // dlgVer
    w.Word(0xFFFF);  // signature of the extended template
    w.Dword(0);      // help id
    w.Dword(DialogExStyle(t));
    w.Dword(DialogStyle(t));
    w.Word(static_cast<std::uint16_t>(t.controlCount));
    w.Short(0);
    w.Short(0);
    w.Short(t.cx);
    w.Short(t.cy);
    w.Word(0);  // no menu
    w.Word(0);  // the dialog class
    w.Text(t.caption);
    w.Word(static_cast<std::uint16_t>(t.pointSize));
    w.Word(FW_NORMAL);
    w.Word(static_cast<std::uint16_t>(CharsetForLanguage() << 8));  // italic 0, then the character set
    w.Text(FaceForLanguage(t.fontName));
    for (const res::ControlTemplate& c : t) {
        w.AlignDword();
        w.Dword(0);  // help id
        w.Dword(0);  // extended style
        w.Dword(ControlStyle(c));
        w.Short(c.x);
        w.Short(c.y);
        w.Short(c.cx);
        w.Short(c.kind == res::ControlKind::List && Has(c.style, res::kDropDown) ? c.cy + kDroppedHeight : c.cy);
        w.Dword(static_cast<std::uint32_t>(c.id));
        if (c.kind == res::ControlKind::Grid) {
            w.Text("SysListView32");
        } else {
            w.Ordinal(ClassOf(c));
        }
        // An icon control gets its icon once created; its text is unused.
        w.Text(c.kind == res::ControlKind::Icon ? "" : c.text);
        w.Word(0);  // no creation data
    }
    return w.Take();
}

}  // namespace ui::win32
