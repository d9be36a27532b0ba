#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "planner/file_io.h"
#include "planner/file_stamp.h"

namespace planner {

// Recovery copies: while a window has unsaved changes, its document is kept
// in a file of its own in the user's state directory, so that a crash or a
// power cut loses no more than the last pause in editing. Each copy is one
// line of JSON (the kind, the document's path or null for an untitled one,
// when it was written) and the document's own text after it.
enum class RecoveryKind { Plan, Lab };

// $XDG_STATE_HOME/halvex/recovery on Linux, %LOCALAPPDATA%\Halvex\Recovery
// on Windows; empty when the system names no place for the user's state.
std::string RecoveryDirectory();

struct RecoveryCopy {
    RecoveryKind kind = RecoveryKind::Plan;
    std::string original;  // the document's path; empty while it has none
    std::string written;   // UTC, as 2026-12-08T07:30:00Z
    std::string document;  // a plan or library document, as saved
    // The document's file as the window last opened or saved it, so that a
    // restored window still sees a change made on disk in the meantime.
    FileStamp file;
};

std::string WriteRecoveryText(const RecoveryCopy& copy);
// False, with what is wrong, for a text that is not a recovery copy or whose
// document does not read as its kind.
bool ReadRecoveryText(std::string_view text, RecoveryCopy& copy, std::string& problem);

// One window's copy, named for this process and the window, so that two
// windows or two programs never share one. The process holds a lock beside
// its copies for as long as it lives, and no other program offers them.
class RecoveryFile {
public:
    explicit RecoveryFile(RecoveryKind kind) : m_kind(kind) {}
    RecoveryFile(const RecoveryFile&) = delete;
    RecoveryFile& operator=(const RecoveryFile&) = delete;
    ~RecoveryFile() = default;

    // The copy written whole, or the one before left as it was; false with a
    // message when it cannot be written.
    bool Write(const std::string& original, const FileStamp& file, const std::string& document, std::string& message,
               const BeforeReplace& beforeReplace = nullptr);
    // The copy gone, if there is one.
    void Remove();
    // The copy's file, empty before the first write.
    const std::string& Path() const { return m_path; }

private:
    RecoveryKind m_kind;
    std::string m_path;
};

// A copy left by a program that no longer runs.
struct FoundCopy {
    std::string path;
    bool readable = false;
    std::string problem;  // why it does not read
    RecoveryCopy copy;
};

// The copies of that kind that no running program holds, the oldest first;
// those that do not read are listed too, never removed here. The locks of
// programs that ended leaving no copy go.
std::vector<FoundCopy> FindRecoveryCopies(RecoveryKind kind);

// The copy removed; the lock of the program that left it goes with its last copy.
void DiscardRecoveryCopy(const std::string& path);

}  // namespace planner
