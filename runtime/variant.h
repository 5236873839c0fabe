#pragma once

#include <cstdint>
#include <string>
#include <variant>

namespace runtime {

// Tags of the runtime's tagged value.
enum class VarType : std::uint8_t { Empty, Integer, Long, Single, String, Missing };

// The tagged value the handlers pass to and get from the runtime.
class Variant {
  public:
    Variant() = default;
    explicit Variant(std::int16_t value) : value_(value) {}
    explicit Variant(std::int32_t value) : value_(value) {}
    explicit Variant(float value) : value_(value) {}
    explicit Variant(std::string value) : value_(std::move(value)) {}

    // An omitted optional argument.
    static Variant missing();

    VarType type() const { return static_cast<VarType>(value_.index()); }
    bool isEmpty() const { return type() == VarType::Empty; }

    std::int16_t integer() const { return std::get<std::int16_t>(value_); }
    std::int32_t longValue() const { return std::get<std::int32_t>(value_); }
    float single() const { return std::get<float>(value_); }
    const std::string& string() const { return std::get<std::string>(value_); }

    friend bool operator==(const Variant&, const Variant&) = default;

  private:
    struct MissingTag {
        friend bool operator==(MissingTag, MissingTag) = default;
    };
    explicit Variant(MissingTag tag) : value_(tag) {}

    // Alternatives in the order of VarType.
    std::variant<std::monostate, std::int16_t, std::int32_t, float, std::string, MissingTag> value_;
};

// The runtime's operations on Variants and strings, named as the handlers know them.

// Target takes the source's tag and value; the source is left Empty.
void vbaVarMove(Variant& target, Variant& source);
// Target gets its own copy of the source.
void vbaVarDup(Variant& target, const Variant& source);
// True (-1) when the two are equal, numerically when both hold numbers; False (0) otherwise.
std::int16_t vbaVarTstEq(const Variant& left, const Variant& right);
// The value's text, left in the slot: a whole number gives its decimal digits alone.
const std::string& vbaStrVarVal(std::string& slot, const Variant& value);

void vbaFreeVar(Variant& value);
void vbaFreeStr(std::string& text);

template <class... Variants>
void vbaFreeVarList(Variants&... values) {
    (vbaFreeVar(values), ...);
}

}  // namespace runtime
