#pragma once

#include <string>
#include <utility>

#include "planner/recovery.h"
#include "res/resource_ids.h"
#include "ui/controls.h"
#include "ui/dialog.h"

// "Unsaved Changes Found": a recovery copy that a Halvex which did not end
// left behind, named with its file and time. Restore opens it, Discard
// removes it, Decide Later (and the close box) leaves it for the next start.
class CRecoveryDlg : public ui::CDialog {
public:
    explicit CRecoveryDlg(std::string text) : CDialog(res::IDD_RECOVERY), m_text(std::move(text)) {}

    // What the user chose: Restore and Discard end the run with these.
    static constexpr int kRestore = 10;
    static constexpr int kDiscard = 11;

protected:
    void DoDataExchange(ui::CDataExchange* pDX) override;
    bool OnInitDialog() override;
    bool OnEvent(unsigned message, std::uintptr_t wParam, std::intptr_t lParam, std::intptr_t& result) override;
    void OnRestore() { EndDialog(kRestore); }
    void OnDiscard() { EndDialog(kDiscard); }

private:
    static const ui::EventEntry<CRecoveryDlg> kEvents[];
    std::string m_text;
    ui::CStatic m_textControl;
};

namespace planner {

// Whether the programs offer recovery copies as their windows open: on for
// the desktop programs and halvex-drive, off for a window a test makes.
void EnableRecoveryOffers(bool enabled);
bool RecoveryOffersEnabled();

// The copies of that kind that no running Halvex holds, offered one at a
// time; the first the user restores ends the offer and is handed back, and
// the rest wait for the next start. A copy that does not read is said and
// kept. False when none was restored.
bool OfferRecovery(RecoveryKind kind, FoundCopy& restored);

// A window's recovery copy: written once edits have paused for kPause, while
// there are unsaved changes; removed when there are none, and when the
// window goes.
class RecoveryKeeper {
public:
    static constexpr unsigned kTimerId = 0x7245;
    static constexpr unsigned kPause = 1500;  // ms; the copy is then at most this old

    explicit RecoveryKeeper(RecoveryKind kind) : m_file(kind) {}
    RecoveryKeeper(const RecoveryKeeper&) = delete;
    RecoveryKeeper& operator=(const RecoveryKeeper&) = delete;
    ~RecoveryKeeper() { m_file.Remove(); }

    // After every change to the document.
    void Changed(const ui::CDialog& dialog, bool unsaved);
    // The pause is over: the document as it is now.
    void Write(const std::string& original, const FileStamp& file, const std::string& document);
    const std::string& Path() const { return m_file.Path(); }
    // Called between writing the copy and renaming it over the one before;
    // a test stops there, as a machine that stops would.
    BeforeReplace beforeReplace;

private:
    RecoveryFile m_file;
    bool m_written = false;
};

}  // namespace planner
