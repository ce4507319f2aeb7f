#pragma once

namespace mottler {

/// round(complete / total × 100), halves to even; 0 when total is 0 (an empty bar).
int PartsPercent(int complete, int total);

/// The filled length of a bar interior: round(length × percent / 100), halves to even.
int FillLength(int length, int percent);

/// The counts of a parts progress bar and the percentage derived from them. The counts are
/// full integers, not 16-bit, so that a run of more than 65535 iterations does not wrap.
struct PartsProgress {
    int Total = 0;
    int Complete = 0; ///< 0 … Total
    int Percent = 0;  ///< 0 … 100

    /// A new job: stores the total (negative counts as 0) and resets the parts done and the
    /// percentage to 0.
    void SetTotal(int parts);
    /// Stores parts clamped to 0 … total and derives the percentage.
    void SetComplete(int parts);
};

} // namespace mottler
