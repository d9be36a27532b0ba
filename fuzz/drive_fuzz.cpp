// halvex-drive over arbitrary scripts: it ends, and every line it writes is
// one JSON object of valid UTF-8.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "app/drive_session.h"
#include "fuzz/valid_utf8.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    std::ostringstream out;
    halvex::DriveSession session(in, out);
    const int status = session.Run();
    if (status != 0 && status != 1) std::abort();
    std::istringstream lines(out.str());
    std::string line;
    bool sawError = false;
    while (std::getline(lines, line)) {
        if (line.size() < 2 || line.front() != '{' || line.back() != '}') std::abort();
        for (char c : line) {
            if (static_cast<unsigned char>(c) < 0x20) std::abort();  // control characters are escaped
        }
        if (!ValidUtf8(line)) std::abort();
        sawError = sawError || line.rfind("{\"error\":", 0) == 0;
    }
    if (sawError != (status == 1)) std::abort();
    return 0;
}
