#pragma once

namespace vaultlet {

// Every length the program sets in pixels is designed for 96 dots per inch, the resolution of 100 %
// display scaling. A window shown at another resolution multiplies each such length by its DPI / 96, so
// that what the program sizes grows with the text the system draws; this class is the one place that
// does it. A size measured at one resolution (one the settings kept from an earlier start) comes to
// another the same way.
class DpiScale {
public:
    static constexpr int kDesignDpi = 96;
    // Displays range from 100 % to 500 % scaling; anything far outside is not a resolution (a value
    // missing or damaged in the settings) and counts as 96.
    static constexpr int kLowestDpi = 48;
    static constexpr int kHighestDpi = 960;

    constexpr DpiScale() = default;
    explicit DpiScale(int dpi) noexcept;

    int Dpi() const noexcept { return m_dpi; }
    // A length designed at 96 DPI, at this resolution, rounded to the nearest pixel.
    int Scale(int length) const noexcept { return Convert(length, kDesignDpi, m_dpi); }
    // A length measured at another resolution, at this one.
    int From(int length, const DpiScale& measuredAt) const noexcept { return Convert(length, measuredAt.m_dpi, m_dpi); }

    bool operator==(const DpiScale&) const = default;

private:
    static int Convert(int length, int from, int to) noexcept;

    int m_dpi = kDesignDpi;
};

} // namespace vaultlet
