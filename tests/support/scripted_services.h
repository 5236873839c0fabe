#pragma once

#include <cfenv>
#include <cstddef>
#include <deque>
#include <set>

#include "runtime/float_checks.h"
#include "runtime/generator.h"

namespace testing_support {

// Plays the given values in order, then zeros; counts every draw.
class ScriptedGenerator final : public runtime::UniformGenerator {
  public:
    explicit ScriptedGenerator(std::size_t& draws) : draws_(draws) {}
    void push(float value) { values_.push_back(value); }
    float next() override {
        ++draws_;
        if (values_.empty()) return 0.0f;
        const float value = values_.front();
        values_.pop_front();
        return value;
    }

  private:
    std::deque<float> values_;
    std::size_t& draws_;
};

// The processor's flags, except that chosen flag tests (counted from 1) find overflow set.
class InjectedFlags final : public runtime::FloatingPointFlags {
  public:
    explicit InjectedFlags(std::size_t& tests) : tests_(tests) {}
    void failTest(std::size_t number) { failing_.insert(number); }
    int raised() const override {
        ++tests_;
        if (failing_.count(tests_) != 0) return FE_OVERFLOW;
        return FloatingPointFlags::raised();
    }

  private:
    std::set<std::size_t> failing_;
    std::size_t& tests_;
};

}  // namespace testing_support
