#include "cli/calc_batch.h"

#include <algorithm>

namespace halvex::cli {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsLineEnd(char c) { return c == '\n' || c == '\r'; }

}  // namespace

void BatchRun::Feed(std::string_view bytes) {
    std::size_t i = 0;
    while (i < bytes.size()) {
        std::size_t end = i;
        while (end < bytes.size() && !IsLineEnd(bytes[end])) ++end;
        std::string_view piece = bytes.substr(i, end - i);
        const std::size_t room = kMaxRequestBytes - m_line.size();
        if (piece.size() > room) {
            // Only the first non-blank byte of what is dropped still matters:
            // it tells a comment or blank line from a request.
            m_overlong = true;
            const std::string_view dropped = piece.substr(room);
            if (m_droppedFirst < 0) {
                const auto first = std::find_if_not(dropped.begin(), dropped.end(), IsBlank);
                if (first != dropped.end()) m_droppedFirst = static_cast<unsigned char>(*first);
            }
            piece = piece.substr(0, room);
        }
        m_line.append(piece);
        if (end == bytes.size()) break;
        EndLine();
        i = end + 1;
    }
}

void BatchRun::Finish() {
    if (!m_line.empty() || m_overlong) EndLine();
}

void BatchRun::EndLine() {
    const std::size_t start = m_line.find_first_not_of(" \t");
    const int first = start != std::string::npos ? static_cast<unsigned char>(m_line[start]) : m_droppedFirst;
    if (first >= 0 && first != '#') {
        if (m_overlong) {
            Error("request longer than " + std::to_string(kMaxRequestBytes) + " bytes");
        } else if (m_line.find('\0') != std::string::npos) {
            Error("request holds a NUL byte");
        } else {
            Answer(m_line);
        }
    }
    m_line.clear();
    m_overlong = false;
    m_droppedFirst = -1;
}

void BatchRun::Answer(std::string_view line) {
    if (!m_words.Split(line, m_problem)) {
        Error(m_problem);
        return;
    }
    Format format = Format::Json;
    const Status status = RunRequest(m_words.List(), true, m_scratch, m_out, m_problem, format);
    if (status != Status::Answered) {
        Error(m_problem);
        return;
    }
    ++m_answers;
}

void BatchRun::Error(std::string_view message) {
    AppendJsonError(m_out, message);
    m_anyError = true;
    ++m_answers;
}

}  // namespace halvex::cli
