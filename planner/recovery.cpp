#include "planner/recovery.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <ctime>
#include <set>

#include "numeric/json_text.h"
#include "planner/json.h"
#include "planner/lab.h"
#include "planner/plan.h"

namespace planner {
namespace {

constexpr const char* kSuffix = ".halvex-recovery";

const char* KindWord(RecoveryKind kind) { return kind == RecoveryKind::Plan ? "plan" : "lab"; }

// This process among all that ever wrote here: its id and when it started,
// so that a later process given the same id is another.
const std::string& Instance() {
    static const std::string instance = std::to_string(ProcessId()) + "-" +
                                        std::to_string(std::chrono::duration_cast<std::chrono::milliseconds>(
                                                           std::chrono::system_clock::now().time_since_epoch())
                                                           .count());
    return instance;
}

std::string LockPath(const std::string& directory, const std::string& instance) {
    return directory + kSeparator + instance + ".lock";
}

// A copy's file is INSTANCE-N.KIND.halvex-recovery, INSTANCE being PID-MS.
bool SplitName(const std::string& name, std::string& instance, std::string& kind) {
    if (name.size() <= std::char_traits<char>::length(kSuffix) ||
        name.compare(name.size() - std::char_traits<char>::length(kSuffix), std::string::npos, kSuffix) != 0) {
        return false;
    }
    const std::string stem = name.substr(0, name.size() - std::char_traits<char>::length(kSuffix));
    const std::size_t dot = stem.rfind('.');
    const std::size_t first = stem.find('-');
    const std::size_t second = first == std::string::npos ? first : stem.find('-', first + 1);
    if (dot == std::string::npos || second == std::string::npos || second > dot) return false;
    instance = stem.substr(0, second);
    kind = stem.substr(dot + 1);
    return true;
}

std::string UtcNow() {
    const std::time_t now = std::time(nullptr);
    std::tm parts{};
#ifdef _WIN32
    gmtime_s(&parts, &now);
#else
    gmtime_r(&now, &parts);
#endif
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", &parts);
    return text;
}

}  // namespace

std::string RecoveryDirectory() {
    std::string state = UserStateDirectory();
    if (state.empty()) return state;
#ifdef _WIN32
    return state + "\\Recovery";
#else
    return state + "/recovery";
#endif
}

namespace {

// A whole number written as a string of digits, as the header keeps them.
bool ReadDigits(const JsonValue* value, std::uint64_t& number) {
    if (value == nullptr || value->type != JsonValue::Type::String || value->text.empty() ||
        value->text.find_first_not_of("0123456789") != std::string::npos) {
        return false;
    }
    errno = 0;
    number = std::strtoull(value->text.c_str(), nullptr, 10);
    return errno == 0;
}

bool ReadFileStamp(const JsonValue& file, FileStamp& stamp) {
    // The time as the bits of its 64-bit number, since a file system's ticks
    // may be negative.
    std::uint64_t modified = 0;
    stamp.exists = file.type == JsonValue::Type::Object;
    if (!stamp.exists || !ReadDigits(file.Find("size"), stamp.size) || !ReadDigits(file.Find("modified"), modified) ||
        !ReadDigits(file.Find("hash"), stamp.hash)) {
        return false;
    }
    stamp.modified = static_cast<std::int64_t>(modified);
    return true;
}

}  // namespace

std::string WriteRecoveryText(const RecoveryCopy& copy) {
    std::string text = "{\"recovery\":1,\"kind\":\"";
    text += KindWord(copy.kind);
    text += "\",\"path\":";
    if (copy.original.empty()) {
        text += "null";
    } else {
        halvex::AppendJsonString(text, copy.original);
    }
    text += ",\"written\":";
    halvex::AppendJsonString(text, copy.written);
    if (copy.file.exists) {
        // As strings: a 64-bit hash does not survive a JSON number.
        text += ",\"file\":{\"size\":\"" + std::to_string(copy.file.size) + "\",\"modified\":\"" +
                std::to_string(static_cast<std::uint64_t>(copy.file.modified)) + "\",\"hash\":\"" +
                std::to_string(copy.file.hash) + "\"}";
    }
    text += "}\n";
    return text + copy.document;
}

bool ReadRecoveryText(std::string_view text, RecoveryCopy& copy, std::string& problem) {
    const std::size_t end = text.find('\n');
    if (end == std::string_view::npos) {
        problem = "no recovery header";
        return false;
    }
    JsonValue header;
    JsonError error;
    if (!ParseJson(text.substr(0, end), header, error)) {
        problem = "recovery header: " + FormatJsonError(error);
        return false;
    }
    const JsonValue* version = header.Find("recovery");
    const JsonValue* kind = header.Find("kind");
    const JsonValue* path = header.Find("path");
    const JsonValue* written = header.Find("written");
    if (header.type != JsonValue::Type::Object || version == nullptr || version->type != JsonValue::Type::Number ||
        version->number != 1) {
        problem = "not a recovery copy this Halvex reads";
        return false;
    }
    if (kind == nullptr || kind->type != JsonValue::Type::String || (kind->text != "plan" && kind->text != "lab")) {
        problem = "recovery header: kind is neither plan nor lab";
        return false;
    }
    if (path == nullptr || (path->type != JsonValue::Type::String && path->type != JsonValue::Type::Null) ||
        (path->type == JsonValue::Type::String && path->text.empty())) {
        problem = "recovery header: path is neither a file's path nor null";
        return false;
    }
    if (written == nullptr || written->type != JsonValue::Type::String) {
        problem = "recovery header: written is not a time";
        return false;
    }
    copy.kind = kind->text == "plan" ? RecoveryKind::Plan : RecoveryKind::Lab;
    copy.original = path->type == JsonValue::Type::String ? path->text : std::string();
    copy.written = written->text;
    copy.file = FileStamp{};
    if (const JsonValue* file = header.Find("file"); file != nullptr && !ReadFileStamp(*file, copy.file)) {
        problem = "recovery header: file is not a file's size, time and hash";
        return false;
    }
    copy.document.assign(text.substr(end + 1));
    std::string message;
    bool reads = false;
    if (copy.kind == RecoveryKind::Plan) {
        PlanDocument document;
        reads = ReadPlan(copy.document, document, message);
    } else {
        LabDocument lab;
        reads = ReadLabDocument(copy.document, lab, message);
    }
    if (!reads) problem = "the " + std::string(kind->text) + " in it: " + message;
    return reads;
}

bool RecoveryFile::Write(const std::string& original, const FileStamp& file, const std::string& document,
                         std::string& message, const BeforeReplace& beforeReplace) {
    if (m_path.empty()) {
        const std::string directory = RecoveryDirectory();
        if (directory.empty() || !MakeDirectories(directory)) {
            message = "no directory for recovery copies";
            return false;
        }
        // Once a process and directory: its copies are its own while it runs.
        static std::set<std::string> locked;
        if (locked.count(directory) == 0 && HoldLock(LockPath(directory, Instance()))) locked.insert(directory);
        if (locked.count(directory) == 0) {
            message = LockPath(directory, Instance()) + ": cannot be locked";
            return false;
        }
        static std::atomic<unsigned> windows{0};
        m_path =
            directory + kSeparator + Instance() + "-" + std::to_string(++windows) + "." + KindWord(m_kind) + kSuffix;
    }
    RecoveryCopy copy{m_kind, original, UtcNow(), document, file};
    return WriteFileReplacing(m_path, WriteRecoveryText(copy), message, beforeReplace);
}

void RecoveryFile::Remove() {
    if (!m_path.empty()) RemoveFile(m_path);
}

std::vector<FoundCopy> FindRecoveryCopies(RecoveryKind kind) {
    std::vector<FoundCopy> found;
    const std::string directory = RecoveryDirectory();
    if (directory.empty()) return found;
    std::vector<std::string> names = ListDirectory(directory);
    std::sort(names.begin(), names.end());
    std::set<std::string> withCopies;
    for (const std::string& name : names) {
        std::string instance, kindWord;
        if (SplitName(name, instance, kindWord)) withCopies.insert(instance);
    }
    // The locks of programs that ended with nothing left to offer.
    const std::string lock = ".lock";
    for (const std::string& name : names) {
        if (name.size() > lock.size() && name.compare(name.size() - lock.size(), lock.size(), lock) == 0 &&
            withCopies.count(name.substr(0, name.size() - lock.size())) == 0) {
            std::string path = directory;
            path.append(1, kSeparator).append(name);
            RemoveStaleLock(path);
        }
    }
    for (const std::string& name : names) {
        std::string instance, kindWord;
        if (!SplitName(name, instance, kindWord) || kindWord != KindWord(kind)) continue;
        if (LockHeld(LockPath(directory, instance))) continue;
        FoundCopy copy;
        copy.path = directory;
        copy.path.append(1, kSeparator).append(name);
        std::string text;
        if (!ReadTextFile(copy.path, text)) {
            copy.problem = "cannot be read";
        } else if (ReadRecoveryText(text, copy.copy, copy.problem)) {
            copy.readable = copy.copy.kind == kind;
            if (!copy.readable) copy.problem = "holds a document of another kind";
        }
        found.push_back(std::move(copy));
    }
    // The oldest first; those that do not read, whose time is unknown, last.
    std::stable_sort(found.begin(), found.end(), [](const FoundCopy& a, const FoundCopy& b) {
        return a.readable != b.readable ? a.readable : a.copy.written < b.copy.written;
    });
    return found;
}

void DiscardRecoveryCopy(const std::string& path) {
    RemoveFile(path);
    const std::size_t slash = path.find_last_of("/\\");
    const std::string directory = path.substr(0, slash == std::string::npos ? 0 : slash);
    std::string instance, kind;
    if (!SplitName(path.substr(slash + 1), instance, kind)) return;
    for (const std::string& name : ListDirectory(directory)) {
        std::string other, otherKind;
        if (SplitName(name, other, otherKind) && other == instance) return;
    }
    RemoveStaleLock(LockPath(directory, instance));
}

}  // namespace planner
