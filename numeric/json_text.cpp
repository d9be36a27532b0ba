#include "numeric/json_text.h"

#include <cmath>

#include "numeric/number_text.h"

namespace halvex {
namespace {

// Length of the valid UTF-8 sequence at text[pos], or 0 when it is not one.
std::size_t Utf8Length(std::string_view text, std::size_t pos) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(pos);
    std::size_t length = 0;
    unsigned min = 0;
    unsigned code = 0;
    if (lead < 0x80) return 1;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        code = lead & 0x1Fu;
        min = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        code = lead & 0x0Fu;
        min = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        code = lead & 0x07u;
        min = 0x10000;
    } else {
        return 0;
    }
    if (pos + length > text.size()) return 0;
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(pos + i) & 0xC0u) != 0x80u) return 0;
        code = (code << 6) | (byte(pos + i) & 0x3Fu);
    }
    if (code < min || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return 0;
    return length;
}

bool IsPlainAscii(unsigned char c) { return c >= 0x20 && c < 0x7F && c != '"' && c != '\\'; }

}  // namespace

void AppendJsonString(std::string& out, std::string_view text) {
    static const char kHex[] = "0123456789abcdef";
    out += '"';
    std::size_t pos = 0;
    while (pos < text.size()) {
        // Printable ASCII, by far the most of what is written, in one append.
        std::size_t run = pos;
        while (run < text.size() && IsPlainAscii(static_cast<unsigned char>(text[run]))) ++run;
        if (run > pos) {
            out.append(text.data() + pos, run - pos);
            pos = run;
            continue;
        }
        const auto c = static_cast<unsigned char>(text[pos]);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
            ++pos;
        } else if (c == '\n') {
            out += "\\n";
            ++pos;
        } else if (c == '\t') {
            out += "\\t";
            ++pos;
        } else if (c == '\r') {
            out += "\\r";
            ++pos;
        } else if (c < 0x20 || c == 0x7F) {
            out += "\\u00";
            out += kHex[c >> 4];
            out += kHex[c & 0xF];
            ++pos;
        } else {
            const std::size_t length = Utf8Length(text, pos);
            if (length == 0) {
                out += "\xEF\xBF\xBD";
                ++pos;
            } else {
                out.append(text.substr(pos, length));
                pos += length;
            }
        }
    }
    out += '"';
}

void AppendJsonDouble(std::string& out, double value) {
    if (!std::isfinite(value)) {
        out += std::isnan(value) ? "\"nan\"" : (value < 0 ? "\"-inf\"" : "\"inf\"");
        return;
    }
    out += FormatPointNumber("%.17g", value);
}

void AppendJsonShortestDouble(std::string& out, double value) {
    if (!std::isfinite(value)) {
        AppendJsonDouble(out, value);
        return;
    }
    AppendShortestPointNumber(out, value);
}

}  // namespace halvex
