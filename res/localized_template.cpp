#include "res/localized_template.h"

#include <map>
#include <memory>
#include <utility>
#include <vector>

#include "lang/tr.h"
#include "res/language_layout.h"

namespace res {
namespace {

// A translated copy with the arrays it points into.
struct LocalCopy {
    DialogTemplate dialog;
    std::vector<ControlTemplate> controls;
    std::vector<std::vector<MenuItem>> items;
    std::vector<MenuPopup> popups;
    MenuBar menu{};
};

int Widened(int x, int percent) { return (x * percent + 50) / 100; }

std::unique_ptr<LocalCopy> Translate(const DialogTemplate& english, lang::Language language) {
    auto copy = std::make_unique<LocalCopy>();
    copy->dialog = english;
    copy->dialog.caption = lang::Tr(english.caption);
    copy->controls.assign(english.begin(), english.end());
    const int percent = WidthPercent(english.id, language);
    copy->dialog.cx = Widened(english.cx, percent);
    for (ControlTemplate& control : copy->controls) {
        if (control.text != nullptr) control.text = lang::Tr(control.text);
        const int right = Widened(control.x + control.cx, percent);
        control.x = Widened(control.x, percent);
        control.cx = right - control.x;
    }
    copy->dialog.controls = copy->controls.data();
    if (english.menu != nullptr) {
        for (const MenuPopup& popup : *english.menu) {
            std::vector<MenuItem> items(popup.begin(), popup.end());
            for (MenuItem& item : items) {
                if (item.text != nullptr) item.text = lang::Tr(item.text);
            }
            copy->items.push_back(std::move(items));
        }
        std::size_t i = 0;
        for (const MenuPopup& popup : *english.menu) {
            copy->popups.push_back({lang::Tr(popup.text), copy->items[i].data(), copy->items[i].size()});
            ++i;
        }
        copy->menu = {copy->popups.data(), copy->popups.size()};
        copy->dialog.menu = &copy->menu;
    }
    return copy;
}

}  // namespace

const DialogTemplate& Localized(const DialogTemplate& english) {
    const lang::Language language = lang::CurrentLanguage();
    if (language == lang::Language::English) return english;
    static std::map<std::pair<const DialogTemplate*, lang::Language>, std::unique_ptr<LocalCopy>> made;
    std::unique_ptr<LocalCopy>& copy = made[{&english, language}];
    if (copy == nullptr) copy = Translate(english, language);
    return copy->dialog;
}

}  // namespace res
