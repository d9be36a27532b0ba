#include "planner/lab_dlg.h"

#include "planner/lab_editor.h"

#include <iterator>
#include <utility>

#include "lang/tr.h"
#include "planner/changed_on_disk.h"
#include "res/lab_ids.h"
#include "res/resource_ids.h"
#include "res/string_table.h"
#include "ui/manual.h"

using namespace res::lab_dlg;
using planner::LabList;
using planner::QuantityKind;

namespace {

// Named in the user's language where the file dialog shows it.
ui::FileType LabFiles() { return {lang::Tr("Equipment libraries"), "halvex-lab"}; }

int Index(LabList list) { return static_cast<int>(list); }

std::string FileName(const std::string& path) {
    if (path.empty()) return lang::Tr("Untitled");
    const std::size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// A quantity field of an item: its controls, its kind and its key in the file.
struct ItemQuantity {
    int edit, unit;
    QuantityKind kind;
    const char* key;
};

const ItemQuantity kShakerQuantities[8] = {
    {IDC_RATED_FORCE, IDC_RATED_FORCE_UNIT, QuantityKind::Force, "rated_force"},
    {IDC_STROKE, IDC_STROKE_UNIT, QuantityKind::Length, "stroke_pp"},
    {IDC_VELOCITY, IDC_VELOCITY_UNIT, QuantityKind::Velocity, "velocity"},
    {IDC_ACCELERATION, IDC_ACCELERATION_UNIT, QuantityKind::Acceleration, "acceleration"},
    {IDC_ARMATURE, IDC_ARMATURE_UNIT, QuantityKind::Mass, "armature"},
    {IDC_MAX_PAYLOAD, IDC_MAX_PAYLOAD_UNIT, QuantityKind::Mass, "max_payload"},
    {IDC_LOWEST_FREQUENCY, IDC_LOWEST_FREQUENCY_UNIT, QuantityKind::Frequency, "frequency_range[0]"},
    {IDC_HIGHEST_FREQUENCY, IDC_HIGHEST_FREQUENCY_UNIT, QuantityKind::Frequency, "frequency_range[1]"},
};
const ItemQuantity kExpanderQuantities[2] = {
    {IDC_EXPANDER_MASS, IDC_EXPANDER_MASS_UNIT, QuantityKind::Mass, "mass"},
    {IDC_EXPANDER_RESONANCE, IDC_EXPANDER_RESONANCE_UNIT, QuantityKind::Frequency, "first_resonance"},
};
const ItemQuantity kFixtureQuantities[2] = {
    {IDC_FIXTURE_MASS, IDC_FIXTURE_MASS_UNIT, QuantityKind::Mass, "mass"},
    {IDC_FIXTURE_RESONANCE, IDC_FIXTURE_RESONANCE_UNIT, QuantityKind::Frequency, "first_resonance"},
};

// Each list's own controls, in LabList order.
const int kListIds[planner::kLabLists] = {IDC_SHAKERS, IDC_EXPANDERS, IDC_FIXTURES};
const int kRemoveIds[planner::kLabLists] = {IDC_REMOVE_SHAKER, IDC_REMOVE_EXPANDER, IDC_REMOVE_FIXTURE};
const int kDuplicateIds[planner::kLabLists] = {IDC_DUPLICATE_SHAKER, IDC_DUPLICATE_EXPANDER, IDC_DUPLICATE_FIXTURE};
const int kNameIds[planner::kLabLists] = {IDC_SHAKER_NAME, IDC_EXPANDER_NAME, IDC_FIXTURE_NAME};
// What a new item is called before the user names it, in the user's language.
const char* const kNewNames[planner::kLabLists] = {N_("Shaker"), N_("Expander"), N_("Fixture")};

// The library's own fields that a problem can lie in.
struct KeyControl {
    const char* key;
    int id;
};
const KeyControl kLibraryControls[] = {
    {"name", IDC_LAB_NAME},
    {"gravity", IDC_GRAVITY},
    {"fixture_margin", IDC_FIXTURE_MARGIN},
    {"derating.force", IDC_DERATE_FORCE},
    {"derating.stroke", IDC_DERATE_STROKE},
    {"derating.velocity", IDC_DERATE_VELOCITY},
    {"derating.acceleration", IDC_DERATE_ACCELERATION},
};

template <typename Items>
void FillList(ui::CListBox& list, const Items& items) {
    list.ResetContent();
    int index = 0;
    for (const auto& item : items) list.InsertString(index++, item);
}

// Words of the program's own, shown in the user's language.
template <std::size_t N>
void FillTranslated(ui::CListBox& list, const char* const (&items)[N]) {
    list.ResetContent();
    for (std::size_t i = 0; i < N; ++i) list.InsertString(static_cast<int>(i), lang::Tr(items[i]));
}

template <typename Item>
std::vector<std::string> NamesOf(const std::vector<Item>& items) {
    std::vector<std::string> names;
    names.reserve(items.size());
    for (const Item& item : items) names.push_back(item.name);
    return names;
}

// The list's items as a vector, whichever list it is.
template <typename Fields, typename F>
auto WithList(Fields& fields, LabList list, F f) {
    switch (list) {
        case LabList::Shakers:
            return f(fields.shakers);
        case LabList::Expanders:
            return f(fields.expanders);
        case LabList::Fixtures:
            break;
    }
    return f(fields.fixtures);
}

}  // namespace

const ui::EventEntry<CLabDlg> CLabDlg::kEvents[] = {
    ui::OnCommand(ui::EN_CHANGE, IDC_LAB_NAME, &CLabDlg::OnChangeFields),
    ui::OnCommand(ui::EN_CHANGE, IDC_GRAVITY, &CLabDlg::OnChangeFields),
    ui::OnCommand(ui::LBN_SELCHANGE, IDC_GRAVITY_UNIT, &CLabDlg::OnSelchangeUnit),
    ui::OnCommand(ui::EN_CHANGE, IDC_FIXTURE_MARGIN, &CLabDlg::OnChangeFields),
    ui::OnCommand(ui::EN_CHANGE, IDC_DERATE_FORCE, &CLabDlg::OnChangeFields),
    ui::OnCommand(ui::EN_CHANGE, IDC_DERATE_STROKE, &CLabDlg::OnChangeFields),
    ui::OnCommand(ui::EN_CHANGE, IDC_DERATE_VELOCITY, &CLabDlg::OnChangeFields),
    ui::OnCommand(ui::EN_CHANGE, IDC_DERATE_ACCELERATION, &CLabDlg::OnChangeFields),
    ui::OnCommand(ui::LBN_SELCHANGE, IDC_SHAKERS, &CLabDlg::OnSelchangeShakers),
    ui::OnCommand(ui::BN_CLICKED, IDC_ADD_SHAKER, &CLabDlg::OnAddShaker),
    ui::OnCommand(ui::BN_CLICKED, IDC_REMOVE_SHAKER, &CLabDlg::OnRemoveShaker),
    ui::OnCommand(ui::BN_CLICKED, IDC_DUPLICATE_SHAKER, &CLabDlg::OnDuplicateShaker),
    ui::OnCommand(ui::EN_CHANGE, IDC_SHAKER_NAME, &CLabDlg::OnChangeFields),
    ui::OnCommand(ui::EN_CHANGE, IDC_RATED_FORCE, &CLabDlg::OnChangeFields),
    ui::OnCommand(ui::LBN_SELCHANGE, IDC_RATED_FORCE_UNIT, &CLabDlg::OnSelchangeUnit),
    ui::OnCommand(ui::EN_CHANGE, IDC_STROKE, &CLabDlg::OnChangeFields),
    ui::OnCommand(ui::LBN_SELCHANGE, IDC_STROKE_UNIT, &CLabDlg::OnSelchangeUnit),
    ui::OnCommand(ui::EN_CHANGE, IDC_VELOCITY, &CLabDlg::OnChangeFields),
    ui::OnCommand(ui::LBN_SELCHANGE, IDC_VELOCITY_UNIT, &CLabDlg::OnSelchangeUnit),
    ui::OnCommand(ui::EN_CHANGE, IDC_ACCELERATION, &CLabDlg::OnChangeFields),
    ui::OnCommand(ui::LBN_SELCHANGE, IDC_ACCELERATION_UNIT, &CLabDlg::OnSelchangeUnit),
    ui::OnCommand(ui::EN_CHANGE, IDC_ARMATURE, &CLabDlg::OnChangeFields),
    ui::OnCommand(ui::LBN_SELCHANGE, IDC_ARMATURE_UNIT, &CLabDlg::OnSelchangeUnit),
    ui::OnCommand(ui::EN_CHANGE, IDC_MAX_PAYLOAD, &CLabDlg::OnChangeFields),
    ui::OnCommand(ui::LBN_SELCHANGE, IDC_MAX_PAYLOAD_UNIT, &CLabDlg::OnSelchangeUnit),
    ui::OnCommand(ui::EN_CHANGE, IDC_LOWEST_FREQUENCY, &CLabDlg::OnChangeFields),
    ui::OnCommand(ui::LBN_SELCHANGE, IDC_LOWEST_FREQUENCY_UNIT, &CLabDlg::OnSelchangeUnit),
    ui::OnCommand(ui::EN_CHANGE, IDC_HIGHEST_FREQUENCY, &CLabDlg::OnChangeFields),
    ui::OnCommand(ui::LBN_SELCHANGE, IDC_HIGHEST_FREQUENCY_UNIT, &CLabDlg::OnSelchangeUnit),
    ui::OnCommand(ui::LBN_SELCHANGE, IDC_EXPANDERS, &CLabDlg::OnSelchangeExpanders),
    ui::OnCommand(ui::BN_CLICKED, IDC_ADD_EXPANDER, &CLabDlg::OnAddExpander),
    ui::OnCommand(ui::BN_CLICKED, IDC_REMOVE_EXPANDER, &CLabDlg::OnRemoveExpander),
    ui::OnCommand(ui::BN_CLICKED, IDC_DUPLICATE_EXPANDER, &CLabDlg::OnDuplicateExpander),
    ui::OnCommand(ui::EN_CHANGE, IDC_EXPANDER_NAME, &CLabDlg::OnChangeFields),
    ui::OnCommand(ui::LBN_SELCHANGE, IDC_EXPANDER_KIND, &CLabDlg::OnChangeFields),
    ui::OnCommand(ui::EN_CHANGE, IDC_EXPANDER_MASS, &CLabDlg::OnChangeFields),
    ui::OnCommand(ui::LBN_SELCHANGE, IDC_EXPANDER_MASS_UNIT, &CLabDlg::OnSelchangeUnit),
    ui::OnCommand(ui::EN_CHANGE, IDC_EXPANDER_RESONANCE, &CLabDlg::OnChangeFields),
    ui::OnCommand(ui::LBN_SELCHANGE, IDC_EXPANDER_RESONANCE_UNIT, &CLabDlg::OnSelchangeUnit),
    ui::OnCommand(ui::LBN_SELCHANGE, IDC_FIXTURES, &CLabDlg::OnSelchangeFixtures),
    ui::OnCommand(ui::BN_CLICKED, IDC_ADD_FIXTURE, &CLabDlg::OnAddFixture),
    ui::OnCommand(ui::BN_CLICKED, IDC_REMOVE_FIXTURE, &CLabDlg::OnRemoveFixture),
    ui::OnCommand(ui::BN_CLICKED, IDC_DUPLICATE_FIXTURE, &CLabDlg::OnDuplicateFixture),
    ui::OnCommand(ui::EN_CHANGE, IDC_FIXTURE_NAME, &CLabDlg::OnChangeFields),
    ui::OnCommand(ui::EN_CHANGE, IDC_FIXTURE_MASS, &CLabDlg::OnChangeFields),
    ui::OnCommand(ui::LBN_SELCHANGE, IDC_FIXTURE_MASS_UNIT, &CLabDlg::OnSelchangeUnit),
    ui::OnCommand(ui::EN_CHANGE, IDC_FIXTURE_RESONANCE, &CLabDlg::OnChangeFields),
    ui::OnCommand(ui::LBN_SELCHANGE, IDC_FIXTURE_RESONANCE_UNIT, &CLabDlg::OnSelchangeUnit),
    ui::OnCommand(ui::BN_CLICKED, IDC_OPEN, &CLabDlg::OnOpen),
    ui::OnCommand(ui::BN_CLICKED, IDC_SAVE, &CLabDlg::OnSave),
    ui::OnCommand(ui::BN_CLICKED, IDC_SAVE_AS, &CLabDlg::OnSaveAs),
    ui::OnCommand(ui::BN_CLICKED, IDC_CLOSE, &CLabDlg::OnClose),
    ui::OnMessage(ui::WM_TIMER, &CLabDlg::OnRecoveryTimer),
    ui::OnCommand(ui::BN_CLICKED, res::IDM_OPEN_MANUAL, &CLabDlg::OnManual),
};

CLabDlg::CLabDlg(std::string path) : CDialog(res::IDD_LAB), m_path(std::move(path)) {}

bool CLabDlg::OnEvent(unsigned message, std::uintptr_t wParam, std::intptr_t lParam, std::intptr_t& result) {
    return ui::DispatchEvent(*this, kEvents, message, wParam, lParam, result);
}

void CLabDlg::DoDataExchange(ui::CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    ui::DDX_Control(pDX, IDC_LAB_NAME, m_labName);
    ui::DDX_Control(pDX, IDC_GRAVITY, m_gravity);
    ui::DDX_Control(pDX, IDC_GRAVITY_UNIT, m_gravityUnit);
    ui::DDX_Control(pDX, IDC_FIXTURE_MARGIN, m_fixtureMargin);
    const int deratingIds[4] = {IDC_DERATE_FORCE, IDC_DERATE_STROKE, IDC_DERATE_VELOCITY, IDC_DERATE_ACCELERATION};
    for (int i = 0; i < 4; ++i) ui::DDX_Control(pDX, deratingIds[i], m_derating[i]);
    for (int i = 0; i < planner::kLabLists; ++i) {
        ui::DDX_Control(pDX, kListIds[i], m_lists[i]);
        ui::DDX_Control(pDX, kRemoveIds[i], m_remove[i]);
        ui::DDX_Control(pDX, kDuplicateIds[i], m_duplicate[i]);
        ui::DDX_Control(pDX, kNameIds[i], m_names[i]);
    }
    for (int i = 0; i < 8; ++i) {
        ui::DDX_Control(pDX, kShakerQuantities[i].edit, m_shakerEdits[i]);
        ui::DDX_Control(pDX, kShakerQuantities[i].unit, m_shakerUnits[i]);
    }
    ui::DDX_Control(pDX, IDC_EXPANDER_KIND, m_expanderKind);
    for (int i = 0; i < 2; ++i) {
        ui::DDX_Control(pDX, kExpanderQuantities[i].edit, m_expanderEdits[i]);
        ui::DDX_Control(pDX, kExpanderQuantities[i].unit, m_expanderUnits[i]);
        ui::DDX_Control(pDX, kFixtureQuantities[i].edit, m_fixtureEdits[i]);
        ui::DDX_Control(pDX, kFixtureQuantities[i].unit, m_fixtureUnits[i]);
    }
    ui::DDX_Control(pDX, IDC_STATUS, m_status);
}

bool CLabDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    SetIcon(ui::Icon{res::IDR_PLANNER}, true);
    SetIcon(ui::Icon{res::IDR_PLANNER}, false);
    Window().AddControlCommand(res::IDM_OPEN_MANUAL, res::kManualItem, res::kManualShortcut, {});
    FillList(m_gravityUnit, planner::GravityUnits());
    FillTranslated(m_expanderKind, planner::kExpanderKindItems);
    for (int i = 0; i < 8; ++i) FillList(m_shakerUnits[i], planner::FieldUnits(kShakerQuantities[i].kind));
    for (int i = 0; i < 2; ++i) {
        FillList(m_expanderUnits[i], planner::FieldUnits(kExpanderQuantities[i].kind));
        FillList(m_fixtureUnits[i], planner::FieldUnits(kFixtureQuantities[i].kind));
    }
    OpenFile(m_path);
    if (planner::RecoveryOffersEnabled()) OfferRecovery();
    return true;
}

void CLabDlg::OnRecoveryTimer() {
    planner::LabDocument lab;
    std::string problem;
    planner::LabPlace place;
    if (!Modified() || !planner::LabOf(m_fields, lab, problem, place)) return;
    m_recovery.Write(m_path, m_stamp, planner::WriteLabDocument(lab));
}

// Saving writes where the library was; an unsaved state compared with the
// file as it is now. The restored library gets a copy of this window's at
// once, before the old one goes.
void CLabDlg::OfferRecovery() {
    planner::FoundCopy found;
    if (!planner::OfferRecovery(planner::RecoveryKind::Lab, found)) return;
    planner::LabDocument lab;
    std::string message;
    if (!planner::ReadLabDocument(found.copy.document, lab, message)) return;
    const planner::OpenedLab opened = planner::OpenLab(found.copy.original);
    m_path = found.copy.original;
    m_stamp = found.copy.file;
    m_unreadable = opened.readable ? std::string() : opened.problem;
    m_saved = planner::LabFieldsOf(opened.lab);
    m_fields = planner::LabFieldsOf(lab);
    for (int i = 0; i < planner::kLabLists; ++i) m_selected[i] = Count(LabList(i)) > 0 ? 0 : -1;
    ShowAll();
    m_recovery.Write(m_path, m_stamp, found.copy.document);
    planner::DiscardRecoveryCopy(found.path);
}

// Enter does nothing of its own: every edit is checked as it is typed.
void CLabDlg::OnOK() {}

// Esc, the close box and Close: after asking about unsaved changes.
void CLabDlg::OnCancel() { OnClose(); }

void CLabDlg::OnClose() {
    if (KeepChanges()) EndDialog(ui::IDCANCEL);
}

int CLabDlg::Count(LabList list) const {
    return WithList(m_fields, list, [](const auto& items) { return static_cast<int>(items.size()); });
}

std::vector<std::string> CLabDlg::Names(LabList list) const {
    return WithList(m_fields, list, [](const auto& items) { return NamesOf(items); });
}

std::vector<CLabDlg::QuantityControls> CLabDlg::Quantities() {
    std::vector<QuantityControls> quantities{
        {&m_gravity, &m_gravityUnit, QuantityKind::Acceleration, &planner::GravityUnits(), &m_fields.gravity}};
    const auto add = [&](ui::CEdit* edits, ui::CListBox* units, const ItemQuantity* items, int count,
                         planner::QuantityField* const* fields) {
        for (int i = 0; i < count; ++i) {
            quantities.push_back({&edits[i], &units[i], items[i].kind, &planner::FieldUnits(items[i].kind), fields[i]});
        }
    };
    if (const int s = m_selected[Index(LabList::Shakers)]; s >= 0) {
        planner::LabShakerFields& shaker = m_fields.shakers[s];
        planner::QuantityField* const fields[8] = {&shaker.ratedForce,      &shaker.strokePp,        &shaker.velocity,
                                                   &shaker.acceleration,    &shaker.armature,        &shaker.maxPayload,
                                                   &shaker.lowestFrequency, &shaker.highestFrequency};
        add(m_shakerEdits, m_shakerUnits, kShakerQuantities, 8, fields);
    }
    if (const int e = m_selected[Index(LabList::Expanders)]; e >= 0) {
        planner::LabExpanderFields& expander = m_fields.expanders[e];
        planner::QuantityField* const fields[2] = {&expander.mass, &expander.firstResonance};
        add(m_expanderEdits, m_expanderUnits, kExpanderQuantities, 2, fields);
    }
    if (const int f = m_selected[Index(LabList::Fixtures)]; f >= 0) {
        planner::LabFixtureFields& fixture = m_fields.fixtures[f];
        planner::QuantityField* const fields[2] = {&fixture.mass, &fixture.firstResonance};
        add(m_fixtureEdits, m_fixtureUnits, kFixtureQuantities, 2, fields);
    }
    return quantities;
}

std::vector<std::pair<ui::CEdit*, std::string*>> CLabDlg::Texts() {
    std::vector<std::pair<ui::CEdit*, std::string*>> texts{{&m_labName, &m_fields.name},
                                                           {&m_fixtureMargin, &m_fields.fixtureMargin}};
    for (int i = 0; i < 4; ++i) texts.emplace_back(&m_derating[i], &m_fields.derating[i]);
    for (int i = 0; i < planner::kLabLists; ++i) {
        if (m_selected[i] < 0) continue;
        std::string* name =
            WithList(m_fields, static_cast<LabList>(i), [&](auto& items) { return &items[m_selected[i]].name; });
        texts.emplace_back(&m_names[i], name);
    }
    return texts;
}

// What the user typed, into the fields; a unit typed with a number becomes
// the unit list's choice.
void CLabDlg::OnChangeFields() {
    if (m_loading) return;
    std::array<std::string, planner::kLabLists> names;
    for (int i = 0; i < planner::kLabLists; ++i) names[i] = m_selected[i] < 0 ? "" : Names(LabList(i))[m_selected[i]];
    for (auto& [edit, text] : Texts()) edit->GetWindowText(*text);
    for (const QuantityControls& quantity : Quantities()) {
        quantity.edit->GetWindowText(quantity.field->text);
        if (planner::FollowTypedUnit(*quantity.field, quantity.kind, *quantity.unitList)) {
            quantity.units->SetCurSel(quantity.field->unit);
        }
    }
    if (const int e = m_selected[Index(LabList::Expanders)]; e >= 0) {
        m_fields.expanders[e].kind = m_expanderKind.GetCurSel();
    }
    for (int i = 0; i < planner::kLabLists; ++i) {
        if (m_selected[i] >= 0 && Names(LabList(i))[m_selected[i]] != names[i]) ShowList(LabList(i));
    }
    ShowStatus();
}

// The number alone stays, now in the unit chosen.
void CLabDlg::OnSelchangeUnit() {
    for (const QuantityControls& quantity : Quantities()) {
        const int unit = quantity.units->GetCurSel();
        if (unit < 0 || unit == quantity.field->unit) continue;
        planner::ChooseUnit(*quantity.field, quantity.kind, unit);
        const bool loading = std::exchange(m_loading, true);
        quantity.edit->SetWindowText(quantity.field->text);
        m_loading = loading;
    }
    ShowStatus();
}

void CLabDlg::OnSelchangeList(LabList list) {
    m_selected[Index(list)] = m_lists[Index(list)].GetCurSel();
    ShowItem(list);
    ShowStatus();
}

// A new item, named so that no other in its list has its name, chosen.
void CLabDlg::OnAdd(LabList list) {
    const std::string name = planner::UniqueName(lang::Tr(kNewNames[Index(list)]), Names(list));
    m_selected[Index(list)] = WithList(m_fields, list, [&](auto& items) {
        items.emplace_back();
        items.back().name = name;
        return static_cast<int>(items.size()) - 1;
    });
    ShowChanged(list);
}

// The chosen item goes; the one after it, else the one before, is chosen.
void CLabDlg::OnRemove(LabList list) {
    const int selected = m_selected[Index(list)];
    if (selected < 0) return;
    const int count = WithList(m_fields, list, [&](auto& items) {
        items.erase(items.begin() + selected);
        return static_cast<int>(items.size());
    });
    m_selected[Index(list)] = selected < count ? selected : count - 1;
    ShowChanged(list);
}

// A copy of the chosen item just after it, named "NAME (copy)", chosen.
void CLabDlg::OnDuplicate(LabList list) {
    const int selected = m_selected[Index(list)];
    if (selected < 0) return;
    const std::string name = planner::CopyName(Names(list)[selected], Names(list));
    WithList(m_fields, list, [&](auto& items) {
        auto copy = items[selected];
        copy.name = name;
        items.insert(items.begin() + selected + 1, copy);
        return 0;
    });
    m_selected[Index(list)] = selected + 1;
    ShowChanged(list);
}

void CLabDlg::OpenFile(const std::string& path) {
    m_stamp = planner::StampOfFile(path);
    const planner::OpenedLab opened = planner::OpenLab(path);
    m_path = path;
    m_unreadable = opened.readable ? std::string() : opened.problem;
    m_fields = planner::LabFieldsOf(opened.lab);
    m_saved = m_fields;
    for (int i = 0; i < planner::kLabLists; ++i) m_selected[i] = Count(LabList(i)) > 0 ? 0 : -1;
    ShowAll();
    if (!m_unreadable.empty()) {
        ui::AfxMessageBox(lang::Fill(lang::Tr("%1\nThe library opens empty, and that file is not written over: Save "
                                              "As keeps what you enter in another file."),
                                     {m_unreadable}));
    }
}

void CLabDlg::OnManual() { ui::OpenManual("lab.html"); }

void CLabDlg::Remember(const std::string& path) {
    std::string message;
    if (!planner::RememberLabPath(path, message)) ui::AfxMessageBox(message);
}

void CLabDlg::ShowAll() {
    m_loading = true;
    for (auto& [edit, text] : Texts()) edit->SetWindowText(*text);
    m_gravity.SetWindowText(m_fields.gravity.text);
    m_gravityUnit.SetCurSel(m_fields.gravity.unit);
    m_loading = false;
    for (int i = 0; i < planner::kLabLists; ++i) {
        ShowList(LabList(i));
        ShowItem(LabList(i));
    }
    ShowStatus();
}

void CLabDlg::ShowChanged(LabList list) {
    ShowList(list);
    ShowItem(list);
    ShowStatus();
}

void CLabDlg::ShowList(LabList list) {
    ui::CListBox& box = m_lists[Index(list)];
    FillList(box, Names(list));
    box.SetCurSel(m_selected[Index(list)]);
}

// The chosen item's fields, empty and greyed out while none is chosen.
void CLabDlg::ShowItem(LabList list) {
    const int i = Index(list);
    const bool chosen = m_selected[i] >= 0;
    m_loading = true;
    m_names[i].SetWindowText(chosen ? Names(list)[m_selected[i]] : "");
    m_names[i].EnableWindow(chosen);
    m_remove[i].EnableWindow(chosen);
    m_duplicate[i].EnableWindow(chosen);
    const auto show = [chosen](ui::CEdit* edits, ui::CListBox* units, int count) {
        for (int q = 0; q < count; ++q) {
            edits[q].EnableWindow(chosen);
            units[q].EnableWindow(chosen);
            if (!chosen) {
                edits[q].SetWindowText("");
                units[q].SetCurSel(-1);
            }
        }
    };
    if (list == LabList::Shakers) show(m_shakerEdits, m_shakerUnits, 8);
    if (list == LabList::Expanders) {
        show(m_expanderEdits, m_expanderUnits, 2);
        m_expanderKind.EnableWindow(chosen);
        m_expanderKind.SetCurSel(chosen ? m_fields.expanders[m_selected[i]].kind : -1);
    }
    if (list == LabList::Fixtures) show(m_fixtureEdits, m_fixtureUnits, 2);
    for (const QuantityControls& quantity : Quantities()) {
        if (quantity.edit == &m_gravity) continue;
        quantity.edit->SetWindowText(quantity.field->text);
        quantity.units->SetCurSel(quantity.field->unit);
    }
    m_loading = false;
}

int CLabDlg::ControlOf(const planner::LabPlace& place) const {
    if (place.item < 0) {
        for (const KeyControl& control : kLibraryControls) {
            if (place.key == control.key) return control.id;
        }
        return res::kNoId;
    }
    const int list = Index(place.list);
    const int selected = m_selected[list];
    // A name typed on show that a later item has is named at the later one:
    // the name on show is the one just typed, and marked.
    if (place.key == "name" && selected >= 0 &&
        (place.item == selected || Names(place.list)[place.item] == Names(place.list)[selected])) {
        return kNameIds[list];
    }
    if (place.item != selected) return res::kNoId;
    if (place.key == "frequency_range") return IDC_LOWEST_FREQUENCY;
    const ItemQuantity* begin = list == 0   ? std::begin(kShakerQuantities)
                                : list == 1 ? std::begin(kExpanderQuantities)
                                            : std::begin(kFixtureQuantities);
    const int count = list == 0 ? 8 : 2;
    for (int q = 0; q < count; ++q) {
        if (place.key == begin[q].key) return begin[q].edit;
    }
    return res::kNoId;
}

void CLabDlg::ShowStatus() {
    planner::LabDocument lab;
    if (planner::LabOf(m_fields, lab, m_problem, m_place)) m_problem.clear();
    std::string status = m_problem;
    if (status.empty()) {
        status = m_unreadable.empty() ? FileName(m_path)
                                      : lang::Fill(lang::Tr("%1 does not read as a library and is not written over"),
                                                   {FileName(m_path)});
    }
    m_status.SetWindowText(status);
    const int marked = m_problem.empty() ? res::kNoId : ControlOf(m_place);
    if (m_marked != res::kNoId && m_marked != marked) Window().MarkControl(m_marked, {});
    if (marked != res::kNoId) Window().MarkControl(marked, m_problem);
    m_marked = marked;
    Window().SetTitle(FileName(m_path) + (Modified() ? "*" : "") + " \u2014 " + lang::Tr("Equipment Library"));
    m_recovery.Changed(*this, Modified());
}

bool CLabDlg::KeepChanges() {
    if (!Modified()) return true;
    switch (ui::AfxQuestion(lang::Fill(lang::Tr("Save the changes to %1?"), {FileName(m_path)}))) {
        case ui::IDYES:
            OnSave();
            return !Modified();
        case ui::IDNO:
            return true;
        default:
            return false;
    }
}

void CLabDlg::OnOpen() {
    if (!KeepChanges()) return;
    std::string path;
    if (!ui::AfxOpenFileName({LabFiles()}, path)) return;
    OpenFile(path);
    if (m_unreadable.empty()) Remember(path);
}

// A file that did not read is not written over: Save As is offered instead.
void CLabDlg::OnSave() {
    if (!m_problem.empty()) {
        ui::AfxMessageBox(lang::Fill(lang::Tr("The library cannot be saved while %1"), {m_problem}));
        return;
    }
    if (!m_unreadable.empty()) {
        if (ui::AfxQuestion(lang::Fill(lang::Tr("%1 does not read as a library and is not written over. Save the "
                                                "library in another file?"),
                                       {FileName(m_path)})) == ui::IDYES) {
            OnSaveAs();
        }
        return;
    }
    if (m_path.empty()) return OnSaveAs();
    // Not written over without the user's word when it changed on disk
    // since it was opened or saved.
    switch (planner::AskBeforeOverwriting(m_path, m_stamp)) {
        case planner::OnDiskAnswer::Overwrite:
            SaveTo(m_path);
            return;
        case planner::OnDiskAnswer::SaveAs:
            return OnSaveAs();
        case planner::OnDiskAnswer::Cancel:
            return;
    }
}

void CLabDlg::OnSaveAs() {
    if (!m_problem.empty()) {
        ui::AfxMessageBox(lang::Fill(lang::Tr("The library cannot be saved while %1"), {m_problem}));
        return;
    }
    std::string path = m_unreadable.empty() ? m_path : std::string();
    std::size_t type = 0;
    if (!ui::AfxSaveFileName({LabFiles()}, path, type)) return;
    if (SaveTo(path)) Remember(path);
}

bool CLabDlg::SaveTo(const std::string& path) {
    planner::LabDocument lab;
    std::string message;
    planner::LabPlace place;
    if (!planner::LabOf(m_fields, lab, message, place)) return false;
    if (!planner::SaveLab(path, lab, message)) {
        ui::AfxMessageBox(message);
        return false;
    }
    m_path = path;
    m_stamp = planner::StampOfWritten(path, planner::WriteLabDocument(lab));
    m_unreadable.clear();
    m_saved = m_fields;
    ShowStatus();
    return true;
}

void EditLabLibrary(const std::string& path) {
    CLabDlg lab(path);
    lab.DoModal();
}
