#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <string>

#include "runtime/generator.h"
#include "runtime/item_store.h"
#include "runtime/runtime_error.h"
#include "runtime/variant.h"

namespace {

using runtime::Variant;

struct TextCase {
    Variant value;
    std::string text;
};

TEST(Variant, TextOfEachTag) {
    const TextCase cases[] = {
        {Variant(), ""},
        {Variant(std::int16_t{-12}), "-12"},
        {Variant(std::int32_t{70000}), "70000"},
        {Variant(20.0f), "20"},
        {Variant(0.0f), "0"},
        {Variant(-0.0f), "0"},
        {Variant(90.0f), "90"},
        {Variant(1234567.0f), "1234567"},
        {Variant(2.5f), "2.5"},
        {Variant(std::string("00")), "00"},
    };
    for (const auto& [value, text] : cases) {
        std::string slot = "stale";
        EXPECT_EQ(runtime::vbaStrVarVal(slot, value), text);
        EXPECT_EQ(slot, text);
    }
}

TEST(Variant, TextDoesNotFollowTheLocale) {
    const char* const previous = std::setlocale(LC_ALL, nullptr);
    const std::string saved = previous != nullptr ? previous : "C";
    if (std::setlocale(LC_ALL, "it_IT.UTF-8") == nullptr) std::setlocale(LC_ALL, "de_DE.UTF-8");
    std::string slot;
    EXPECT_EQ(runtime::vbaStrVarVal(slot, Variant(2.5f)), "2.5");
    EXPECT_EQ(runtime::vbaStrVarVal(slot, Variant(12.0f)), "12");
    std::setlocale(LC_ALL, saved.c_str());
}

TEST(Variant, MissingHasNoText) {
    std::string slot;
    EXPECT_THROW(runtime::vbaStrVarVal(slot, Variant::missing()), runtime::RuntimeError);
}

TEST(Variant, EqualityIsNumericAcrossIntegerSingleAndLong) {
    const Variant zero(std::int16_t{0});
    const Variant one(std::int16_t{1});
    EXPECT_EQ(runtime::vbaVarTstEq(zero, Variant(0.0f)), -1);
    EXPECT_EQ(runtime::vbaVarTstEq(zero, Variant(10.0f)), 0);
    EXPECT_EQ(runtime::vbaVarTstEq(one, Variant(std::int32_t{1})), -1);
    EXPECT_EQ(runtime::vbaVarTstEq(one, Variant(std::int32_t{2})), 0);
    EXPECT_EQ(runtime::vbaVarTstEq(zero, Variant()), -1);
    EXPECT_THROW(runtime::vbaVarTstEq(one, Variant::missing()), runtime::RuntimeError);
}

TEST(Variant, MoveLeavesTheSourceEmptyAndDupCopies) {
    Variant target(std::string("old"));
    Variant source(7.0f);
    runtime::vbaVarMove(target, source);
    EXPECT_EQ(target, Variant(7.0f));
    EXPECT_TRUE(source.isEmpty());
    Variant copy;
    runtime::vbaVarDup(copy, target);
    EXPECT_EQ(copy, target);
}

TEST(RuntimeError, StatusesBecomeTheirErrorNumbers) {
    EXPECT_EQ(runtime::errorFromStatus(runtime::kOutOfMemory, runtime::kListBoxInterface).number(),
              7);
    EXPECT_EQ(runtime::errorFromStatus(runtime::kObjectUnloaded, runtime::kFormInterface).number(),
              364);
    const auto other = runtime::errorFromStatus(runtime::kFail, runtime::kGlobalInterface);
    EXPECT_EQ(other.number(), runtime::kFail);
    EXPECT_NE(other.description().find("Global"), std::string::npos);
    EXPECT_THROW(runtime::vbaHresultCheckObj(runtime::kFail, runtime::kListBoxInterface),
                 runtime::RuntimeError);
}

TEST(Generator, ValuesLieOnTheFull24BitGridBelowOne) {
    runtime::Xoshiro128Generator generator(42);
    runtime::Xoshiro128Generator same(42);
    runtime::Xoshiro128Generator other(43);
    int differences = 0;
    double sum = 0;
    // Every bit of the 24-bit grid index must be seen both set and clear: a generator of less
    // resolution, or one that forces a bit to avoid zero, leaves one fixed.
    std::uint32_t setBits = 0;
    std::uint32_t clearBits = 0;
    constexpr int kDraws = 100000;
    for (int i = 0; i < kDraws; ++i) {
        const float r = generator.next();
        ASSERT_GE(r, 0.0f);
        ASSERT_LT(r, 1.0f);
        const float scaled = r * 16777216.0f;
        ASSERT_EQ(scaled, std::floor(scaled));
        setBits |= static_cast<std::uint32_t>(scaled);
        clearBits |= ~static_cast<std::uint32_t>(scaled);
        EXPECT_EQ(r, same.next());
        differences += r != other.next() ? 1 : 0;
        sum += r;
    }
    EXPECT_EQ(setBits & 0xFFFFFFU, 0xFFFFFFU)
        << "grid bits never set: " << std::hex << (~setBits & 0xFFFFFFU);
    EXPECT_EQ(clearBits & 0xFFFFFFU, 0xFFFFFFU)
        << "grid bits never clear: " << std::hex << (~clearBits & 0xFFFFFFU);
    EXPECT_GT(differences, kDraws * 9 / 10);
    EXPECT_NEAR(sum / kDraws, 0.5, 0.01);
}

// Both ends of the grid, 0 and 1 - 2^-24, come up from a fixed seed. Each has a chance of 2^-24
// a draw, so a full-grid generator misses one within 24 * 2^24 draws with a probability of
// about 1e-10; one that never yields 0, or stops short of the top, always does.
TEST(Generator, DrawsZeroAndTheLargestValueBelowOne) {
    runtime::Xoshiro128Generator generator(42);
    const float largest = 1.0f - std::ldexp(1.0f, -24);
    bool zero = false;
    bool top = false;
    for (std::int64_t i = 0; i < std::int64_t{24} << 24 && !(zero && top); ++i) {
        const float r = generator.next();
        zero = zero || r == 0.0f;
        top = top || r == largest;
    }
    EXPECT_TRUE(zero) << "0 never drawn";
    EXPECT_TRUE(top) << "1 - 2^-24 never drawn";
}

TEST(ItemStore, KeepsItemsInOrderAndClearsCompletely) {
    runtime::ItemStore store;
    for (const char* text : {"1", "20", "", "00"}) ASSERT_EQ(store.append(text), runtime::kOk);
    ASSERT_EQ(store.size(), 4U);
    EXPECT_EQ(store.at(0), "1");
    EXPECT_EQ(store.at(1), "20");
    EXPECT_EQ(store.at(2), "");
    EXPECT_EQ(store.at(3), "00");
    store.clear();
    EXPECT_EQ(store.size(), 0U);
    EXPECT_EQ(store.capacityBytes(), runtime::ItemStore().capacityBytes());
}

}  // namespace
