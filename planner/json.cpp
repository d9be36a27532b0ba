#include "planner/json.h"

#include <cmath>
#include <set>
#include <string_view>

#include "lang/tr.h"
#include "numeric/json_text.h"
#include "numeric/number_text.h"

namespace planner {

const JsonValue* JsonValue::Find(std::string_view name) const {
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (names[i] == name) return &items[i];
    }
    return nullptr;
}

namespace {

struct PathStep {
    bool isIndex = false;
    std::size_t index = 0;
    std::string name;
};

class Reader {
public:
    Reader(std::string_view text, JsonError& error) : m_text(text), m_error(error) {}

    bool ReadDocument(JsonValue& value) {
        // A byte order mark is not JSON, but editors on Windows write one.
        if (m_text.substr(0, 3) == "\xEF\xBB\xBF") m_pos = 3;
        SkipSpace();
        if (!ReadValue(value, 0)) return false;
        SkipSpace();
        if (m_pos != m_text.size()) return Fail(lang::Tr("unexpected text after the document"));
        return true;
    }

private:
    bool Fail(const std::string& what) {
        std::size_t line = 1;
        std::size_t lineStart = 0;
        for (std::size_t i = 0; i < m_pos && i < m_text.size(); ++i) {
            if (m_text[i] == '\n') {
                ++line;
                lineStart = i + 1;
            }
        }
        m_error.line = line;
        m_error.column = m_pos - lineStart + 1;
        m_error.path.clear();
        for (const PathStep& step : m_path) {
            if (step.isIndex) {
                m_error.path += '[' + std::to_string(step.index) + ']';
            } else {
                AppendPathMember(m_error.path, step.name);
            }
        }
        m_error.what = what;
        return false;
    }

    bool AtEnd() const { return m_pos >= m_text.size(); }
    char Peek() const { return m_text[m_pos]; }

    void SkipSpace() {
        while (!AtEnd() && (Peek() == ' ' || Peek() == '\t' || Peek() == '\n' || Peek() == '\r')) ++m_pos;
    }

    bool ReadWord(std::string_view word) {
        if (m_text.substr(m_pos, word.size()) != word) return Fail(lang::Tr("not a JSON value"));
        m_pos += word.size();
        return true;
    }

    bool ReadValue(JsonValue& value, int depth) {
        if (AtEnd()) return Fail(lang::Tr("the document ends where a value is expected"));
        value.offset = m_pos;
        switch (Peek()) {
            case '{':
                return ReadObject(value, depth + 1);
            case '[':
                return ReadArray(value, depth + 1);
            case '"':
                value.type = JsonValue::Type::String;
                return ReadString(value.text);
            case 't':
                value.type = JsonValue::Type::Bool;
                value.boolean = true;
                return ReadWord("true");
            case 'f':
                value.type = JsonValue::Type::Bool;
                return ReadWord("false");
            case 'n':
                value.type = JsonValue::Type::Null;
                return ReadWord("null");
            default:
                if (Peek() == '-' || (Peek() >= '0' && Peek() <= '9')) return ReadNumber(value);
                return Fail(lang::Tr("not a JSON value"));
        }
    }

    bool ReadObject(JsonValue& value, int depth) {
        if (depth > kJsonMaxDepth) return Fail(lang::Tr("nested too deeply"));
        value.type = JsonValue::Type::Object;
        ++m_pos;
        SkipSpace();
        if (!AtEnd() && Peek() == '}') {
            ++m_pos;
            return true;
        }
        std::set<std::string> seen;  // a set keeps many members from costing quadratic time
        for (;;) {
            SkipSpace();
            if (AtEnd() || Peek() != '"') return Fail(lang::Tr("expected a member name in quotes"));
            const std::size_t nameStart = m_pos;
            std::string name;
            if (!ReadString(name)) return false;
            if (!seen.insert(name).second) {
                m_pos = nameStart;
                return Fail(lang::Fill(lang::Tr("the name %1 appears twice"), {Quoted(name)}));
            }
            SkipSpace();
            if (AtEnd() || Peek() != ':') return Fail(lang::Tr("expected ':' after a member name"));
            ++m_pos;
            SkipSpace();
            m_path.push_back(PathStep{false, 0, name});
            value.names.push_back(std::move(name));
            value.items.emplace_back();
            if (!ReadValue(value.items.back(), depth)) return false;
            m_path.pop_back();
            SkipSpace();
            if (AtEnd()) return Fail(lang::Tr("the document ends inside an object"));
            if (Peek() == '}') {
                ++m_pos;
                return true;
            }
            if (Peek() != ',') return Fail(lang::Tr("expected ',' or '}'"));
            ++m_pos;
        }
    }

    bool ReadArray(JsonValue& value, int depth) {
        if (depth > kJsonMaxDepth) return Fail(lang::Tr("nested too deeply"));
        value.type = JsonValue::Type::Array;
        ++m_pos;
        SkipSpace();
        if (!AtEnd() && Peek() == ']') {
            ++m_pos;
            return true;
        }
        for (;;) {
            SkipSpace();
            m_path.push_back(PathStep{true, value.items.size(), {}});
            value.items.emplace_back();
            if (!ReadValue(value.items.back(), depth)) return false;
            m_path.pop_back();
            SkipSpace();
            if (AtEnd()) return Fail(lang::Tr("the document ends inside an array"));
            if (Peek() == ']') {
                ++m_pos;
                return true;
            }
            if (Peek() != ',') return Fail(lang::Tr("expected ',' or ']'"));
            ++m_pos;
        }
    }

    bool ReadDigits() {
        const std::size_t start = m_pos;
        while (!AtEnd() && Peek() >= '0' && Peek() <= '9') ++m_pos;
        return m_pos > start;
    }

    bool ReadNumber(JsonValue& value) {
        const std::size_t start = m_pos;
        if (Peek() == '-') ++m_pos;
        if (AtEnd() || !(Peek() >= '0' && Peek() <= '9')) return Fail(lang::Tr("a number needs digits"));
        if (Peek() == '0') {
            ++m_pos;
            if (!AtEnd() && Peek() >= '0' && Peek() <= '9') return Fail(lang::Tr("a number may not start with 0"));
        } else {
            ReadDigits();
        }
        if (!AtEnd() && Peek() == '.') {
            ++m_pos;
            if (!ReadDigits()) return Fail(lang::Tr("a number needs digits after '.'"));
        }
        if (!AtEnd() && (Peek() == 'e' || Peek() == 'E')) {
            ++m_pos;
            if (!AtEnd() && (Peek() == '+' || Peek() == '-')) ++m_pos;
            if (!ReadDigits()) return Fail(lang::Tr("a number needs digits in its exponent"));
        }
        value.type = JsonValue::Type::Number;
        value.number = halvex::ParsePointNumber(m_text.substr(start, m_pos - start));
        if (!std::isfinite(value.number)) {
            m_pos = start;
            return Fail(lang::Tr("the number is too large"));
        }
        return true;
    }

    bool ReadHex4(unsigned& code) {
        if (m_text.size() - m_pos < 4) return Fail(lang::Tr("\\u needs four hexadecimal digits"));
        code = 0;
        for (int i = 0; i < 4; ++i) {
            const char c = m_text[m_pos++];
            unsigned digit = 0;
            if (c >= '0' && c <= '9') {
                digit = static_cast<unsigned>(c - '0');
            } else if (c >= 'a' && c <= 'f') {
                digit = static_cast<unsigned>(c - 'a' + 10);
            } else if (c >= 'A' && c <= 'F') {
                digit = static_cast<unsigned>(c - 'A' + 10);
            } else {
                --m_pos;
                return Fail(lang::Tr("\\u needs four hexadecimal digits"));
            }
            code = code * 16 + digit;
        }
        return true;
    }

    static void AppendUtf8(std::string& out, unsigned code) {
        if (code < 0x80) {
            out += static_cast<char>(code);
        } else if (code < 0x800) {
            out += static_cast<char>(0xC0 | (code >> 6));
            out += static_cast<char>(0x80 | (code & 0x3F));
        } else if (code < 0x10000) {
            out += static_cast<char>(0xE0 | (code >> 12));
            out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (code & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (code >> 18));
            out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (code & 0x3F));
        }
    }

    bool ReadEscape(std::string& out) {
        ++m_pos;  // the backslash
        if (AtEnd()) return Fail(lang::Tr("the document ends inside a string"));
        const char c = m_text[m_pos++];
        switch (c) {
            case '"':
            case '\\':
            case '/':
                out += c;
                return true;
            case 'b':
                out += '\b';
                return true;
            case 'f':
                out += '\f';
                return true;
            case 'n':
                out += '\n';
                return true;
            case 'r':
                out += '\r';
                return true;
            case 't':
                out += '\t';
                return true;
            case 'u':
                break;
            default:
                --m_pos;
                return Fail(lang::Tr("unknown escape in a string"));
        }
        unsigned code = 0;
        if (!ReadHex4(code)) return false;
        if (code >= 0xDC00 && code <= 0xDFFF) return Fail(lang::Tr("a low surrogate without a high one"));
        if (code >= 0xD800 && code <= 0xDBFF) {
            // Text is kept as UTF-8, which has no spelling for half a pair.
            if (m_text.substr(m_pos, 2) != "\\u") return Fail(lang::Tr("a high surrogate without a low one"));
            m_pos += 2;
            unsigned low = 0;
            if (!ReadHex4(low)) return false;
            if (low < 0xDC00 || low > 0xDFFF) return Fail(lang::Tr("a high surrogate without a low one"));
            code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
        }
        AppendUtf8(out, code);
        return true;
    }

    // Length of the well-formed UTF-8 sequence at m_pos, or 0.
    std::size_t Utf8Length() const {
        const auto byte = [this](std::size_t i) {
            return m_pos + i < m_text.size() ? static_cast<unsigned char>(m_text[m_pos + i]) : 0u;
        };
        const unsigned b0 = byte(0);
        const auto cont = [&](std::size_t i, unsigned lo, unsigned hi) { return byte(i) >= lo && byte(i) <= hi; };
        if (b0 >= 0xC2 && b0 <= 0xDF) return cont(1, 0x80, 0xBF) ? 2 : 0;
        if (b0 >= 0xE0 && b0 <= 0xEF) {
            const unsigned lo = b0 == 0xE0 ? 0xA0 : 0x80;  // no overlong forms
            const unsigned hi = b0 == 0xED ? 0x9F : 0xBF;  // no surrogates
            return cont(1, lo, hi) && cont(2, 0x80, 0xBF) ? 3 : 0;
        }
        if (b0 >= 0xF0 && b0 <= 0xF4) {
            const unsigned lo = b0 == 0xF0 ? 0x90 : 0x80;
            const unsigned hi = b0 == 0xF4 ? 0x8F : 0xBF;  // nothing above U+10FFFF
            return cont(1, lo, hi) && cont(2, 0x80, 0xBF) && cont(3, 0x80, 0xBF) ? 4 : 0;
        }
        return 0;
    }

    bool ReadString(std::string& out) {
        ++m_pos;  // the opening quote
        for (;;) {
            if (AtEnd()) return Fail(lang::Tr("the document ends inside a string"));
            const unsigned char c = static_cast<unsigned char>(Peek());
            if (c == '"') {
                ++m_pos;
                return true;
            }
            if (c == '\\') {
                if (!ReadEscape(out)) return false;
            } else if (c < 0x20) {
                return Fail(lang::Tr("a control character in a string must be escaped"));
            } else if (c < 0x80) {
                out += static_cast<char>(c);
                ++m_pos;
            } else {
                const std::size_t length = Utf8Length();
                if (length == 0) return Fail(lang::Tr("a string that is not UTF-8"));
                out.append(m_text.substr(m_pos, length));
                m_pos += length;
            }
        }
    }

    std::string_view m_text;
    JsonError& m_error;
    std::size_t m_pos = 0;
    std::vector<PathStep> m_path;
};

}  // namespace

bool ParseJson(std::string_view text, JsonValue& value, JsonError& error) {
    value = JsonValue();
    Reader reader(text, error);
    return reader.ReadDocument(value);
}

std::string FormatJsonError(const JsonError& error) {
    std::string out;
    if (!error.path.empty()) out = error.path + ": ";
    out += lang::Fill(lang::Tr("not valid JSON at line %1, column %2: %3"),
                      {std::to_string(error.line), std::to_string(error.column), error.what});
    return out;
}

std::string Quoted(std::string_view text) {
    std::string out;
    halvex::AppendJsonString(out, text);
    return out;
}

void AppendPathMember(std::string& path, std::string_view name) {
    bool plain = !name.empty();
    for (const char c : name) {
        plain = plain &&
                ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' || c == '-');
    }
    if (!plain) {
        path += '[' + Quoted(name) + ']';
        return;
    }
    if (!path.empty()) path += '.';
    path.append(name);
}

}  // namespace planner
