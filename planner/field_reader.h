#pragma once

#include <array>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

#include "planner/json.h"
#include "planner/quantity.h"

namespace planner {

// "a number", "an array": what a message says was found.
const char* TypeName(const JsonValue& value);

// The checks every field of a Halvex document goes through, for the readers
// of plans and of libraries: each stops at the first fault with one message
// that names the field by its JSON path.
class FieldReader {
public:
    explicit FieldReader(std::string& message) : m_message(message) {}

    bool Fail(const std::string& path, const std::string& what);

    bool CheckObject(const JsonValue& value, const std::string& path);

    bool CheckFields(const JsonValue& object, const std::string& path, std::initializer_list<const char*> known);

    // True when value is "?", a field left to fill: then ok says whether the
    // document may hold one (version 2 on), and the field is noted as unfilled.
    bool ToFill(const JsonValue& value, const std::string& path, bool& ok);

    // A quantity to fill may keep the unit it is to be given in: "? g".
    bool ToFillQuantity(const JsonValue& value, QuantityKind kind, const std::string& path, Quantity& quantity,
                        bool& ok);

    static std::string Join(const std::string& path, const std::string& name);

    bool ReadQuantity(const JsonValue& value, QuantityKind kind, const std::string& path, Quantity& quantity);

    // A quantity that must be positive and finite in SI units.
    bool ReadPositive(const JsonValue& value, QuantityKind kind, const std::string& path, Quantity& quantity);

    bool ReadOptionalPositive(const JsonValue& object, const char* name, QuantityKind kind, const std::string& path,
                              std::optional<Quantity>& quantity);

    bool ReadWhole(const JsonValue& object, const char* name, const std::string& path, double max, double& number);

    bool ReadWord(const JsonValue& object, const char* name, const std::string& path,
                  std::initializer_list<const char*> words, int& index);

    // Exactly one of two fields that say the same thing two ways.
    bool EitherOr(const JsonValue& object, const std::string& path, const char* one, const char* other);

    // A number above 0 and finite, not necessarily whole (cycles).
    bool ReadCount(const JsonValue& object, const char* name, const std::string& path, std::optional<double>& number);

    bool ReadOptionalWhole(const JsonValue& object, const char* name, const std::string& path, double max,
                           std::optional<double>& number);

    // A name or a text: a string that is not blank. "?" is refused: a field
    // to fill stands for a figure, not for a name.
    bool ReadText(const JsonValue& value, const std::string& path, std::string& text);
    bool ReadOptionalText(const JsonValue& object, const char* name, const std::string& path,
                          std::optional<std::string>& text);

    // "frequency_range": two frequencies, the lowest and the highest above it
    // (unless either is still to fill).
    bool ReadFrequencyRange(const JsonValue& object, const std::string& path,
                            std::optional<std::array<Quantity, 2>>& range);

protected:
    std::string& m_message;
    double m_gravity = kStandardGravity;  // what "g" means in an acceleration
    int m_version = 1;
    // Where fields to fill ("?") are noted; none may be when null.
    std::vector<std::string>* m_unfilled = nullptr;
};

}  // namespace planner
