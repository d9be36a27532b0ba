#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace planner {

// One JSON value as read, with the byte offset where it starts so that a
// later check can still say where the value was.
struct JsonValue {
    enum class Type { Null, Bool, Number, String, Array, Object };

    Type type = Type::Null;
    bool boolean = false;
    double number = 0.0;
    std::string text;                // a string's value
    std::vector<JsonValue> items;    // an array's items, or an object's values
    std::vector<std::string> names;  // an object's names, parallel to items
    std::size_t offset = 0;

    // The member of an object with this name, or nullptr.
    const JsonValue* Find(std::string_view name) const;
};

struct JsonError {
    std::size_t line = 0;    // from 1
    std::size_t column = 0;  // from 1, in bytes
    std::string path;        // where in the document, e.g. "profile[1].to"; empty at the top
    std::string what;
};

// Nesting deeper than this is refused rather than risking the stack.
constexpr int kJsonMaxDepth = 64;

// Reads a whole text as one JSON value (RFC 8259: UTF-8, no comments, no
// trailing commas, no leading zeros, no duplicate names in one object).
// Numbers too large for a double are refused. Returns false with the error.
bool ParseJson(std::string_view text, JsonValue& value, JsonError& error);

// "line 3, column 7: what" with the path first when there is one.
std::string FormatJsonError(const JsonError& error);

// Text from a document or a command line in quotes and escaped as a JSON
// string (numeric/json_text.h), so that a message stays on one line and is
// UTF-8 whatever it holds.
std::string Quoted(std::string_view text);

// Appends a member name to a path: ".name" (no dot at the start), or
// ["name"] for a name that is not plain letters, digits, '_' and '-'.
void AppendPathMember(std::string& path, std::string_view name);

}  // namespace planner
