// The anchors of the resizable dialogs, on the templates alone: grown well
// past its template size, such a dialog still has every control inside it,
// no two controls that were apart overlapping, and every control that sat in
// a frame still in it. The fixed dialogs have no anchors at all.
#include <gtest/gtest.h>

#include "lang/tr.h"
#include "res/dialog_anchors.h"
#include "res/dialog_template.h"
#include "res/localized_template.h"
#include "res/resource_ids.h"

namespace {

constexpr int kDialogs[] = {res::IDD_ABOUT,      res::IDD_MAIN_MENU, res::IDD_PURE_SINE,
                            res::IDD_SINE_SWEEP, res::IDD_PLANNER,   res::IDD_LAB};

res::AnchoredRect Grown(int dialogId, const res::ControlTemplate& c, int dx, int dy) {
    return res::Anchored({c.x, c.y, c.cx, c.cy}, res::ControlAnchors(dialogId, c), dx, dy);
}

bool Overlap(const res::AnchoredRect& a, const res::AnchoredRect& b) {
    return a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height && b.y < a.y + a.height;
}

bool Inside(const res::AnchoredRect& inner, const res::AnchoredRect& outer) {
    return inner.x >= outer.x && inner.y >= outer.y && inner.x + inner.width <= outer.x + outer.width &&
           inner.y + inner.height <= outer.y + outer.height;
}

TEST(DialogAnchors, AGrownDialogKeepsItsControlsApartAndInside) {
    constexpr int kDx = 200;
    constexpr int kDy = 150;
    int resizable = 0;
    for (const int id : kDialogs) {
        const res::DialogTemplate& dialog = *res::FindDialogTemplate(id);
        if ((dialog.style & res::kThickFrame) == 0) {
            for (const res::ControlTemplate& c : dialog) {
                EXPECT_EQ(res::ControlAnchors(id, c), 0u) << "dialog " << id << " control " << c.id;
            }
            continue;
        }
        ++resizable;
        const res::AnchoredRect window{0, 0, dialog.cx + kDx, dialog.cy + kDy};
        for (const res::ControlTemplate& a : dialog) {
            const res::AnchoredRect grownA = Grown(id, a, kDx, kDy);
            EXPECT_TRUE(Inside(grownA, window)) << a.id << " " << a.text;
            for (const res::ControlTemplate& b : dialog) {
                if (&a == &b) continue;
                const res::AnchoredRect before{b.x, b.y, b.cx, b.cy};
                const res::AnchoredRect grownB = Grown(id, b, kDx, kDy);
                if (b.kind == res::ControlKind::Frame && Inside({a.x, a.y, a.cx, a.cy}, before)) {
                    EXPECT_TRUE(Inside(grownA, grownB)) << a.id << " " << a.text << " left frame " << b.text;
                } else if (!Overlap({a.x, a.y, a.cx, a.cy}, before)) {
                    EXPECT_FALSE(Overlap(grownA, grownB)) << a.id << " " << a.text << " over " << b.id << " " << b.text;
                }
            }
        }
    }
    EXPECT_EQ(resizable, 2);  // the planner and the equipment library
}

// Translated, the controls without an id still follow the edges they follow
// in English: they are named by their English texts.
TEST(DialogAnchors, TranslatedControlsKeepTheirAnchors) {
    for (const lang::Language language : lang::kLanguages) {
        lang::SetLanguage(language);
        for (const int id : {res::IDD_PLANNER, res::IDD_LAB}) {
            const res::DialogTemplate& english = *res::FindDialogTemplate(id);
            const res::DialogTemplate& shown = res::Localized(english);
            ASSERT_EQ(shown.controlCount, english.controlCount);
            for (std::size_t i = 0; i < english.controlCount; ++i) {
                EXPECT_EQ(res::ControlAnchors(id, shown.controls[i]), res::ControlAnchors(id, english.controls[i]))
                    << lang::CodeOf(language) << " " << english.controls[i].text;
            }
        }
    }
    lang::SetLanguage(lang::Language::English);
}

}  // namespace
