// halvex-calc --batch over arbitrary bytes: it never crashes, and writes one
// JSON line for every line that is neither blank nor a comment, an error
// line exactly when the exit status says so.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "cli/calc_batch.h"
#include "fuzz/valid_utf8.h"

namespace {

// Counted apart from the reader: lines end at LF or CR; a blank line holds
// spaces and tabs only; a comment's first other character is '#'.
std::size_t RequestLines(std::string_view input) {
    std::size_t count = 0;
    std::size_t start = 0;
    while (start <= input.size()) {
        std::size_t end = start;
        while (end < input.size() && input[end] != '\n' && input[end] != '\r') ++end;
        const std::string_view line = input.substr(start, end - start);
        const std::size_t first = line.find_first_not_of(" \t");
        if (first != std::string_view::npos && line[first] != '#') ++count;
        start = end + 1;
    }
    return count;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    // Fed in two pieces split where the first byte says, as reads of any
    // size arrive.
    const std::size_t split = size == 0 ? 0 : data[0] % (size + 1);
    halvex::cli::BatchRun batch;
    batch.Feed(input.substr(0, split));
    batch.Feed(input.substr(split));
    batch.Finish();

    const std::string_view out = batch.Output();
    std::size_t lines = 0;
    bool sawError = false;
    std::size_t start = 0;
    while (start < out.size()) {
        const std::size_t end = out.find('\n', start);
        if (end == std::string_view::npos) std::abort();  // every answer ends its line
        const std::string_view line = out.substr(start, end - start);
        if (line.size() < 2 || line.front() != '{' || line.back() != '}') std::abort();
        for (char c : line) {
            if (static_cast<unsigned char>(c) < 0x20) std::abort();
        }
        if (!ValidUtf8(line)) std::abort();
        sawError = sawError || line.substr(0, 9) == "{\"error\":";
        ++lines;
        start = end + 1;
    }
    if (lines != RequestLines(input) || lines != batch.Answers()) std::abort();
    if (sawError != (batch.ExitStatus() == 1)) std::abort();
    return 0;
}
