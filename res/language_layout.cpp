#include "res/language_layout.h"

#include "res/resource_ids.h"

namespace res {
namespace {

struct Widening {
    int dialogId;
    lang::Language language;
    int percent;
};

// Only the dialogs whose translations do not fit as laid out for English.
constexpr Widening kWidenings[] = {
    // "Speichern unter...", "Enregistrer sous..." on the library's buttons.
    {IDD_LAB, lang::Language::German, 110},
    {IDD_LAB, lang::Language::French, 112},
    // The Chinese and Japanese UI faces set Latin letters wider than Arial.
    {IDD_LAB, lang::Language::Chinese, 104},
    {IDD_LAB, lang::Language::Japanese, 104},
    // "Später entscheiden", "Décider plus tard".
    {IDD_RECOVERY, lang::Language::German, 120},
    {IDD_RECOVERY, lang::Language::French, 110},
};

}  // namespace

int WidthPercent(int dialogId, lang::Language language) {
    for (const Widening& widening : kWidenings) {
        if (widening.dialogId == dialogId && widening.language == language) return widening.percent;
    }
    return 100;
}

}  // namespace res
