#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "cli/calc_request.h"
#include "cli/calc_words.h"

// halvex-calc --batch: one request a line in, one JSON line out, in order.
// Lines end at a line feed or a carriage return, so CR LF, CR and LF files
// all read alike (the empty line between CR and LF is blank). Blank lines
// and lines whose first non-blank character is # give no answer.
namespace halvex::cli {

// Longer lines are answered with an error and not kept in memory.
constexpr std::size_t kMaxRequestBytes = std::size_t{64} * 1024;

class BatchRun {
public:
    // Takes the next bytes of the input, in pieces of any size; the answers
    // to every line completed so far are appended to Output().
    void Feed(std::string_view bytes);
    // The input has ended: a last line without its line end is answered.
    void Finish();

    std::string& Output() { return m_out; }
    // 0 when every line was answered, 1 when any was refused or malformed.
    int ExitStatus() const { return m_anyError ? 1 : 0; }
    std::size_t Answers() const { return m_answers; }

private:
    void EndLine();
    void Answer(std::string_view line);
    void Error(std::string_view message);

    std::string m_line;       // the current line, up to kMaxRequestBytes
    bool m_overlong = false;  // bytes beyond the limit were dropped
    int m_droppedFirst = -1;  // first non-blank byte among them; -1 when none
    Words m_words;
    Scratch m_scratch;
    std::string m_problem;
    std::string m_out;
    bool m_anyError = false;
    std::size_t m_answers = 0;
};

}  // namespace halvex::cli
