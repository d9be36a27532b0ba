#include "planner/recovery_dlg.h"

#include <string>

#include "lang/tr.h"
#include "res/recovery_ids.h"
#include "res/resource_ids.h"

using namespace res::recovery_dlg;

namespace {

bool g_offers = false;

// "2026-12-08T07:30:00Z" as "2026-12-08 07:30:00 UTC".
std::string Time(std::string written) {
    if (written.size() == 20 && written[10] == 'T' && written[19] == 'Z') {
        written[10] = ' ';
        written.replace(19, 1, " UTC");
    }
    return written;
}

std::string OfferText(const planner::FoundCopy& found) {
    const bool plan = found.copy.kind == planner::RecoveryKind::Plan;
    const std::string original = found.copy.original.empty() ? std::string(lang::Tr("Untitled")) : found.copy.original;
    // Each sentence whole, so that a language can order its words.
    return lang::Fill(plan
                          ? lang::Tr("Halvex ended without saving the changes to this plan:\n%1\nThey were kept at %2.")
                          : lang::Tr("Halvex ended without saving the changes to this library:\n%1\nThey were kept at "
                                     "%2."),
                      {original, Time(found.copy.written)});
}

}  // namespace

const ui::EventEntry<CRecoveryDlg> CRecoveryDlg::kEvents[] = {
    ui::OnCommand(ui::BN_CLICKED, IDC_RESTORE, &CRecoveryDlg::OnRestore),
    ui::OnCommand(ui::BN_CLICKED, IDC_DISCARD, &CRecoveryDlg::OnDiscard),
};

bool CRecoveryDlg::OnEvent(unsigned message, std::uintptr_t wParam, std::intptr_t lParam, std::intptr_t& result) {
    return ui::DispatchEvent(*this, kEvents, message, wParam, lParam, result);
}

void CRecoveryDlg::DoDataExchange(ui::CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    ui::DDX_Control(pDX, IDC_RECOVERY_TEXT, m_textControl);
}

bool CRecoveryDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    m_textControl.SetWindowText(m_text);
    return true;
}

namespace planner {

void EnableRecoveryOffers(bool enabled) { g_offers = enabled; }

bool RecoveryOffersEnabled() { return g_offers; }

bool OfferRecovery(RecoveryKind kind, FoundCopy& restored) {
    for (FoundCopy& found : FindRecoveryCopies(kind)) {
        if (!found.readable) {
            ui::AfxMessageBox(lang::Fill(lang::Tr("A recovery copy does not read, and is kept: %1: %2"),
                                         {found.path, found.problem}));
            continue;
        }
        CRecoveryDlg offer(OfferText(found));
        const int choice = offer.DoModal();
        if (choice == CRecoveryDlg::kDiscard) DiscardRecoveryCopy(found.path);
        if (choice == CRecoveryDlg::kRestore) {
            restored = std::move(found);
            return true;
        }
    }
    return false;
}

void RecoveryKeeper::Changed(const ui::CDialog& dialog, bool unsaved) {
    if (unsaved) {
        dialog.Window().SetTimer(kTimerId, kPause);
        return;
    }
    dialog.Window().KillTimer(kTimerId);
    if (m_written) m_file.Remove();
    m_written = false;
}

// A copy that cannot be written leaves the one before; the next pause tries again.
void RecoveryKeeper::Write(const std::string& original, const FileStamp& file, const std::string& document) {
    std::string message;
    if (m_file.Write(original, file, document, message, beforeReplace)) m_written = true;
}

}  // namespace planner
