#pragma once

#include <cstdlib>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// A small JSON reader for checking what the programs write: enough of the
// grammar for their lines, strict enough that a malformed line throws.
namespace halvex_test {

struct JsonValue {
    enum class Kind { Null, Bool, Number, String, Array, Object } kind = Kind::Null;
    bool boolean = false;
    double number = 0.0;
    std::string text;  // a string, or a number's own spelling
    std::vector<JsonValue> items;
    std::map<std::string, JsonValue> members;

    const JsonValue& operator[](const std::string& key) const {
        const auto found = members.find(key);
        if (found == members.end()) throw std::runtime_error("no member " + key);
        return found->second;
    }
    bool Has(const std::string& key) const { return members.count(key) > 0; }
};

class JsonReader {
public:
    static JsonValue Parse(std::string_view text) {
        JsonReader reader(text);
        JsonValue value = reader.Value();
        reader.Blanks();
        if (reader.m_pos != text.size()) reader.Fail("text after the value");
        return value;
    }

private:
    explicit JsonReader(std::string_view text) : m_text(text) {}

    [[noreturn]] void Fail(const char* what) const {
        throw std::runtime_error(std::string(what) + " at " + std::to_string(m_pos) + " in " + std::string(m_text));
    }
    void Blanks() {
        while (m_pos < m_text.size() && (m_text[m_pos] == ' ' || m_text[m_pos] == '\t')) ++m_pos;
    }
    char Peek() {
        Blanks();
        if (m_pos >= m_text.size()) Fail("unexpected end");
        return m_text[m_pos];
    }
    void Expect(char c) {
        if (Peek() != c) Fail("unexpected character");
        ++m_pos;
    }
    bool Word(std::string_view word) {
        if (m_text.substr(m_pos, word.size()) != word) return false;
        m_pos += word.size();
        return true;
    }

    JsonValue Value() {
        JsonValue value;
        const char c = Peek();
        if (c == '{') {
            value.kind = JsonValue::Kind::Object;
            ++m_pos;
            if (Peek() == '}') return ++m_pos, value;
            do {
                std::string key = String();
                Expect(':');
                value.members[key] = Value();
            } while (Peek() == ',' && ++m_pos);
            Expect('}');
        } else if (c == '[') {
            value.kind = JsonValue::Kind::Array;
            ++m_pos;
            if (Peek() == ']') return ++m_pos, value;
            do {
                value.items.push_back(Value());
            } while (Peek() == ',' && ++m_pos);
            Expect(']');
        } else if (c == '"') {
            value.kind = JsonValue::Kind::String;
            value.text = String();
        } else if (Word("true")) {
            value.kind = JsonValue::Kind::Bool;
            value.boolean = true;
        } else if (Word("false")) {
            value.kind = JsonValue::Kind::Bool;
        } else if (Word("null")) {
            value.kind = JsonValue::Kind::Null;
        } else {
            value.kind = JsonValue::Kind::Number;
            const std::size_t start = m_pos;
            while (m_pos < m_text.size() &&
                   std::string_view("+-.eE0123456789").find(m_text[m_pos]) != std::string_view::npos) {
                ++m_pos;
            }
            value.text = std::string(m_text.substr(start, m_pos - start));
            char* end = nullptr;
            value.number = std::strtod(value.text.c_str(), &end);
            if (value.text.empty() || *end != '\0') Fail("bad number");
        }
        return value;
    }

    std::string String() {
        Expect('"');
        std::string out;
        while (true) {
            if (m_pos >= m_text.size()) Fail("unterminated string");
            const char c = m_text[m_pos++];
            if (c == '"') return out;
            if (static_cast<unsigned char>(c) < 0x20) Fail("control character in string");
            if (c != '\\') {
                out += c;
                continue;
            }
            if (m_pos >= m_text.size()) Fail("unterminated escape");
            const char e = m_text[m_pos++];
            switch (e) {
                case 'n':
                    out += '\n';
                    break;
                case 't':
                    out += '\t';
                    break;
                case 'r':
                    out += '\r';
                    break;
                case 'b':
                    out += '\b';
                    break;
                case 'f':
                    out += '\f';
                    break;
                case 'u': {
                    if (m_pos + 4 > m_text.size()) Fail("short \\u escape");
                    const unsigned code =
                        static_cast<unsigned>(std::stoul(std::string(m_text.substr(m_pos, 4)), nullptr, 16));
                    m_pos += 4;
                    // Only what the writers escape this way: control characters.
                    if (code >= 0x80) Fail("\\u escape above ASCII");
                    out += static_cast<char>(code);
                    break;
                }
                default:
                    out += e;
            }
        }
    }

    std::string_view m_text;
    std::size_t m_pos = 0;
};

}  // namespace halvex_test
