#pragma once

namespace vaultlet {

// Where the password generator's numbers come from: each draw is a number from 0 to 32767.
class GeneratorDraws {
public:
    static constexpr int kMaxDraw = 32767;

    virtual ~GeneratorDraws() = default;

    // One number 0..kMaxDraw; false when no number can be had (the password must then not be made).
    virtual bool Draw(int& value) = 0;
};

} // namespace vaultlet
