#include "runtime/variant.h"

#include <array>
#include <charconv>
#include <cmath>
#include <optional>
#include <system_error>

#include "runtime/runtime_error.h"

namespace runtime {
namespace {

[[noreturn]] void typeMismatch() {
    throw runtimeError(errors::kTypeMismatch);
}

// The number a Variant holds, Empty counting as 0; nothing for text or Missing.
std::optional<double> numberOf(const Variant& value) {
    switch (value.type()) {
        case VarType::Empty:
            return 0.0;
        case VarType::Integer:
            return value.integer();
        case VarType::Long:
            return value.longValue();
        case VarType::Single:
            return value.single();
        case VarType::String:
        case VarType::Missing:
            return std::nullopt;
    }
    return std::nullopt;
}

std::optional<double> parseNumber(const std::string& text) {
    double parsed = 0.0;
    const char* const end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, parsed);
    if (error != std::errc{} || stop != end) return std::nullopt;
    return parsed;
}

// Seven significant digits, as a Single shows; whole numbers come out as digits alone.
std::string singleText(float value) {
    if (value == 0.0f) return "0";  // no "-0"
    std::array<char, 32> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::general, 7);
    std::string text(buffer.data(), result.ptr);
    for (char& c : text) {
        if (c == 'e') c = 'E';
    }
    return text;
}

}  // namespace

Variant Variant::missing() {
    return Variant(MissingTag{});
}

void vbaVarMove(Variant& target, Variant& source) {
    target = std::move(source);
    source = Variant();
}

void vbaVarDup(Variant& target, const Variant& source) {
    target = source;
}

std::int16_t vbaVarTstEq(const Variant& left, const Variant& right) {
    constexpr std::int16_t kTrue = -1;
    constexpr std::int16_t kFalse = 0;
    if (left.type() == VarType::Missing || right.type() == VarType::Missing) typeMismatch();
    if (left.type() == VarType::String && right.type() == VarType::String) {
        return left.string() == right.string() ? kTrue : kFalse;
    }
    auto a = numberOf(left);
    auto b = numberOf(right);
    if (!a) a = parseNumber(left.string());
    if (!b) b = parseNumber(right.string());
    if (!a || !b) typeMismatch();
    return *a == *b ? kTrue : kFalse;
}

const std::string& vbaStrVarVal(std::string& slot, const Variant& value) {
    switch (value.type()) {
        case VarType::Empty:
            slot.clear();
            break;
        case VarType::Integer:
            slot = std::to_string(value.integer());
            break;
        case VarType::Long:
            slot = std::to_string(value.longValue());
            break;
        case VarType::Single:
            slot = singleText(value.single());
            break;
        case VarType::String:
            slot = value.string();
            break;
        case VarType::Missing:
            typeMismatch();
    }
    return slot;
}

void vbaFreeVar(Variant& value) {
    value = Variant();
}

void vbaFreeStr(std::string& text) {
    std::string().swap(text);
}

}  // namespace runtime
