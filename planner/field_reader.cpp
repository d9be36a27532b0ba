#include "planner/field_reader.h"

#include <cmath>

#include "lang/tr.h"

namespace planner {

const char* TypeName(const JsonValue& value) {
    switch (value.type) {
        case JsonValue::Type::Null:
            return "null";
        case JsonValue::Type::Bool:
            return value.boolean ? "true" : "false";
        case JsonValue::Type::Number:
            return lang::Tr("a number");
        case JsonValue::Type::String:
            return lang::Tr("a string");
        case JsonValue::Type::Array:
            return lang::Tr("an array");
        case JsonValue::Type::Object:
            break;
    }
    return lang::Tr("an object");
}

bool FieldReader::Fail(const std::string& path, const std::string& what) {
    m_message = path + ": " + what;
    return false;
}

bool FieldReader::CheckObject(const JsonValue& value, const std::string& path) {
    if (value.type != JsonValue::Type::Object)
        return Fail(path, lang::Fill(lang::Tr("expected an object, found %1"), {TypeName(value)}));
    return true;
}

bool FieldReader::CheckFields(const JsonValue& object, const std::string& path,
                              std::initializer_list<const char*> known) {
    for (const std::string& name : object.names) {
        bool found = false;
        for (const char* k : known) found = found || name == k;
        if (!found) return Fail(Join(path, name), lang::Tr("unknown field"));
    }
    return true;
}

bool FieldReader::ToFill(const JsonValue& value, const std::string& path, bool& ok) {
    if (m_unfilled == nullptr || value.type != JsonValue::Type::String || value.text != "?") return false;
    ok = m_version >= 2 ? (m_unfilled->push_back(path), true)
                        : Fail(path, lang::Tr("a field to fill (\"?\") needs version 2 of the format"));
    return true;
}

bool FieldReader::ToFillQuantity(const JsonValue& value, QuantityKind kind, const std::string& path, Quantity& quantity,
                                 bool& ok) {
    if (m_unfilled == nullptr || value.type != JsonValue::Type::String || value.text.compare(0, 1, "?") != 0) {
        return false;
    }
    const std::size_t unit = value.text.find_first_not_of(' ', 1);
    if (unit == std::string::npos) return ToFill(value, path, ok);
    Quantity read;
    std::string problem;
    if (value.text[1] != ' ' || !ParsePointQuantityText("1 " + value.text.substr(unit), kind, read, problem)) {
        ok = Fail(path, lang::Tr("a field to fill is \"?\", or \"?\", a blank and the unit it is to be given in"));
        return true;
    }
    if (m_version < 2) {
        ok = Fail(path, lang::Tr("a field to fill (\"?\") needs version 2 of the format"));
        return true;
    }
    m_unfilled->push_back(path);
    quantity = Quantity{0.0, read.unit};
    ok = true;
    return true;
}

std::string FieldReader::Join(const std::string& path, const std::string& name) {
    std::string joined = path;
    AppendPathMember(joined, name);
    return joined;
}

bool FieldReader::ReadQuantity(const JsonValue& value, QuantityKind kind, const std::string& path, Quantity& quantity) {
    if (value.type == JsonValue::Type::Number) {
        quantity = Quantity{value.number, ""};
        return true;
    }
    if (value.type != JsonValue::Type::String) {
        return Fail(path, "expected " + KindDescription(kind) + ", found " + TypeName(value));
    }
    std::string problem;
    if (!ParsePointQuantityText(value.text, kind, quantity, problem)) return Fail(path, problem);
    return true;
}

bool FieldReader::ReadPositive(const JsonValue& value, QuantityKind kind, const std::string& path, Quantity& quantity) {
    bool ok = true;
    if (ToFillQuantity(value, kind, path, quantity, ok)) return ok;
    if (!ReadQuantity(value, kind, path, quantity)) return false;
    const double si = ToSi(quantity, kind, m_gravity);
    if (!std::isfinite(si) || !(si > 0.0)) return Fail(path, lang::Tr("must be positive and finite"));
    return true;
}

bool FieldReader::ReadOptionalPositive(const JsonValue& object, const char* name, QuantityKind kind,
                                       const std::string& path, std::optional<Quantity>& quantity) {
    const JsonValue* value = object.Find(name);
    if (value == nullptr) return true;
    quantity.emplace();
    return ReadPositive(*value, kind, Join(path, name), *quantity);
}

bool FieldReader::ReadWhole(const JsonValue& object, const char* name, const std::string& path, double max,
                            double& number) {
    const JsonValue* value = object.Find(name);
    if (value == nullptr) return true;
    const std::string field = Join(path, name);
    bool ok = true;
    if (ToFill(*value, field, ok)) {
        number = 0.0;
        return ok;
    }
    if (value->type != JsonValue::Type::Number) {
        return Fail(field, lang::Fill(lang::Tr("expected a whole number, found %1"), {TypeName(*value)}));
    }
    if (!(value->number >= 1.0) || value->number != std::floor(value->number)) {
        return Fail(field, lang::Tr("must be a whole number, at least 1"));
    }
    if (value->number > max)
        return Fail(field, lang::Fill(lang::Tr("must be at most %1"), {std::to_string(static_cast<long>(max))}));
    number = value->number;
    return true;
}

bool FieldReader::ReadWord(const JsonValue& object, const char* name, const std::string& path,
                           std::initializer_list<const char*> words, int& index) {
    const JsonValue* value = object.Find(name);
    const std::string field = Join(path, name);
    if (value == nullptr) return Fail(field, lang::Tr("missing"));
    std::string list;
    int i = 0;
    for (const char* word : words) {
        if (value->type == JsonValue::Type::String && value->text == word) {
            index = i;
            return true;
        }
        list += std::string(i == 0 ? "" : ", ") + '"' + word + '"';
        ++i;
    }
    return Fail(field, lang::Fill(lang::Tr("must be one of %1"), {list}));
}

bool FieldReader::EitherOr(const JsonValue& object, const std::string& path, const char* one, const char* other) {
    const bool hasOne = object.Find(one) != nullptr;
    const bool hasOther = object.Find(other) != nullptr;
    if (hasOne && hasOther) return Fail(path, lang::Fill(lang::Tr("give either %1 or %2, not both"), {one, other}));
    if (!hasOne && !hasOther) return Fail(path, lang::Fill(lang::Tr("give %1 or %2"), {one, other}));
    return true;
}

bool FieldReader::ReadCount(const JsonValue& object, const char* name, const std::string& path,
                            std::optional<double>& number) {
    const JsonValue* value = object.Find(name);
    if (value == nullptr) return true;
    const std::string field = Join(path, name);
    number = 0.0;
    bool ok = true;
    if (ToFill(*value, field, ok)) return ok;
    if (value->type != JsonValue::Type::Number || !(value->number > 0.0) || !std::isfinite(value->number)) {
        return Fail(field, lang::Tr("must be a number above 0"));
    }
    number = value->number;
    return true;
}

bool FieldReader::ReadOptionalWhole(const JsonValue& object, const char* name, const std::string& path, double max,
                                    std::optional<double>& number) {
    if (object.Find(name) == nullptr) return true;
    number = 1.0;
    return ReadWhole(object, name, path, max, *number);
}

bool FieldReader::ReadText(const JsonValue& value, const std::string& path, std::string& text) {
    if (value.type != JsonValue::Type::String)
        return Fail(path, lang::Fill(lang::Tr("expected a text, found %1"), {TypeName(value)}));
    if (value.text.find_first_not_of(' ') == std::string::npos) return Fail(path, lang::Tr("must not be blank"));
    if (value.text == "?")
        return Fail(path, lang::Tr("a field to fill (\"?\") stands for a figure, not for a name or a text"));
    text = value.text;
    return true;
}

bool FieldReader::ReadOptionalText(const JsonValue& object, const char* name, const std::string& path,
                                   std::optional<std::string>& text) {
    const JsonValue* value = object.Find(name);
    if (value == nullptr) return true;
    text.emplace();
    return ReadText(*value, Join(path, name), *text);
}

bool FieldReader::ReadFrequencyRange(const JsonValue& object, const std::string& path,
                                     std::optional<std::array<Quantity, 2>>& range) {
    const JsonValue* value = object.Find("frequency_range");
    if (value == nullptr) return true;
    const std::string field = Join(path, "frequency_range");
    if (value->type != JsonValue::Type::Array || value->items.size() != 2) {
        return Fail(field, lang::Tr("expected a list of two frequencies, the lowest and the highest"));
    }
    range.emplace();
    const std::size_t filled = m_unfilled != nullptr ? m_unfilled->size() : 0;
    for (std::size_t i = 0; i < 2; ++i) {
        if (!ReadPositive(value->items[i], QuantityKind::Frequency, field + "[" + std::to_string(i) + "]",
                          (*range)[i])) {
            return false;
        }
    }
    const bool toFill = m_unfilled != nullptr && m_unfilled->size() > filled;
    if (!toFill && !(ToSi((*range)[0], QuantityKind::Frequency, m_gravity) <
                     ToSi((*range)[1], QuantityKind::Frequency, m_gravity))) {
        return Fail(field + "[1]", lang::Tr("must be above the lowest frequency"));
    }
    return true;
}

}  // namespace planner
