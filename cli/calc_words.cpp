#include "cli/calc_words.h"

namespace halvex::cli {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// The characters a backslash escapes inside double quotes.
bool EscapableInDoubleQuotes(char c) { return c == '$' || c == '`' || c == '"' || c == '\\'; }

}  // namespace

bool Words::Split(std::string_view line, std::string& problem) {
    m_text.clear();
    m_ends.clear();
    m_views.clear();
    std::size_t i = 0;
    const std::size_t n = line.size();
    while (true) {
        while (i < n && IsBlank(line[i])) ++i;
        if (i == n) break;
        // One word: runs of plain, escaped and quoted text up to a blank.
        while (i < n && !IsBlank(line[i])) {
            const char c = line[i];
            if (c == '\'') {
                const std::size_t close = line.find('\'', i + 1);
                if (close == std::string_view::npos) {
                    problem = "unterminated single quote";
                    return false;
                }
                m_text.append(line.substr(i + 1, close - i - 1));
                i = close + 1;
            } else if (c == '"') {
                ++i;
                while (i < n && line[i] != '"') {
                    if (line[i] == '\\' && i + 1 < n && EscapableInDoubleQuotes(line[i + 1])) ++i;
                    m_text += line[i];
                    ++i;
                }
                if (i == n) {
                    problem = "unterminated double quote";
                    return false;
                }
                ++i;
            } else if (c == '\\') {
                if (i + 1 == n) {
                    problem = "backslash at the end of the line";
                    return false;
                }
                m_text += line[i + 1];
                i += 2;
            } else {
                // Plain text up to the next special character in one append.
                std::size_t end = i + 1;
                while (end < n && !IsBlank(line[end]) && line[end] != '\'' && line[end] != '"' && line[end] != '\\') {
                    ++end;
                }
                m_text.append(line.substr(i, end - i));
                i = end;
            }
        }
        m_ends.push_back(m_text.size());
    }
    // Views only now, once m_text no longer grows.
    std::size_t start = 0;
    for (std::size_t end : m_ends) {
        m_views.emplace_back(m_text.data() + start, end - start);
        start = end;
    }
    return true;
}

}  // namespace halvex::cli
