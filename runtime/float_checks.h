#pragma once

namespace runtime {

// The sticky floating-point exception flags a roll's arithmetic is checked for.
class FloatingPointFlags {
  public:
    virtual ~FloatingPointFlags() = default;

    // Invalid operation, division by zero and overflow raised since the last clear, as
    // <cfenv> flags; 0 when none is.
    virtual int raised() const;
    virtual void clear();
};

// Raises the floating-point run-time error for the given <cfenv> flags.
[[noreturn]] void vbaFPException(int raisedFlags);

// Int: the largest whole number not above the value.
double vbaFPInt(double value);

// Forces a computed value out to memory, so that the arithmetic producing it stays before
// whatever follows (a flag test) and keeps its full double precision.
double settled(double value);

}  // namespace runtime
