#pragma once
// Every search of the calculation counts its trials against a limit. Inputs that
// validation admits end every search well inside its limit; a search that reaches it
// was given values no wall can have and ends the run instead of keeping it busy for
// ever (an angle of −10⁹ degrees would take 10⁹ trial wedges).
#include <stdexcept>

namespace marvoten {

enum class Search {
    SlipAngle,        // the trial wedge's coarse and fine search of the critical slip angle
    SlipAngleCurve,   // the thrust over the slip angle for the earth-pressure figure
    Anchorage,        // the stem section where half the bars may end
    StemCurve,        // the stem's sections every 0.1 m for the anchorage figure
    NeutralAxis,      // the neutral axis of the required bar area
    BearingSlipLine,  // the slip line of the bearing-capacity factors
};

// The run ends here; the session tells the user which search did not end.
class SearchLimitExceeded : public std::runtime_error {
public:
    explicit SearchLimitExceeded(Search s)
        : std::runtime_error("search limit exceeded"), search_(s) {}
    Search search() const { return search_; }

private:
    Search search_;
};

// Counts the trials of one search; the trial after the last allowed one throws.
class TrialCounter {
public:
    TrialCounter(Search s, long limit) : search_(s), left_(limit) {}
    void next() {
        if (left_-- <= 0) throw SearchLimitExceeded(search_);
    }

private:
    Search search_;
    long left_;
};

}  // namespace marvoten
