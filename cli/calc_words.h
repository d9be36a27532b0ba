#pragma once

#include <string>
#include <string_view>
#include <vector>

// One batch line split into arguments as a POSIX shell would split it:
// blanks separate words; single quotes keep everything literally; double
// quotes keep everything but a backslash before $ ` " \; a backslash outside
// quotes keeps the next character. Nothing is expanded.
namespace halvex::cli {

class Words {
public:
    // Splits line; false with a one-line problem when a quote is left open
    // or the line ends in a lone backslash. The words stay valid until the
    // next Split.
    bool Split(std::string_view line, std::string& problem);

    const std::vector<std::string_view>& List() const { return m_views; }

private:
    std::string m_text;               // every word, one after the other
    std::vector<std::size_t> m_ends;  // where each word ends in m_text
    std::vector<std::string_view> m_views;
};

}  // namespace halvex::cli
