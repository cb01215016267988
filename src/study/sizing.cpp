#include "study/sizing.h"

#include <algorithm>
#include <limits>
#include <map>

#include "study/study_texts.h"

namespace marvoten {
namespace {

VariedField freeField(const char* name, double from, double to) {
    const auto& fields = numberFields();
    const auto it = std::find_if(fields.begin(), fields.end(), [&](const NumberFieldInfo& f) {
        return std::string(f.name) == name;
    });
    return VariedField{&*it, from, to, 50, 0};
}

using Point = std::vector<int>;  // a grid index per free field

// The evaluations of the search, each grid point evaluated once.
class Search {
public:
    Search(const DesignConditions& base, const std::vector<VariedField>& free,
           const StudyProgress& progress)
        : base_(base), free_(free), progress_(progress) {
        for (const VariedField& f : free_) values_.push_back(f.values());
    }

    DesignConditions design(const Point& p) const {
        DesignConditions d = base_;
        for (std::size_t i = 0; i < free_.size(); ++i)
            setFieldValue(d, free_[i], values_[i][static_cast<std::size_t>(p[i])]);
        return d;
    }

    // Evaluates the points not seen yet, together on every core.
    void evaluate(const std::vector<Point>& points) {
        std::vector<Point> fresh;
        std::vector<DesignConditions> designs;
        for (const Point& p : points)
            if (!seen_.count(p) && std::find(fresh.begin(), fresh.end(), p) == fresh.end()) {
                fresh.push_back(p);
                designs.push_back(design(p));
            }
        std::vector<DesignEvaluation> results = evaluateDesigns(designs);
        for (std::size_t i = 0; i < fresh.size(); ++i)
            seen_.emplace(fresh[i], std::move(results[i]));
        if (progress_) progress_(seen_.size(), 0);
    }

    const DesignEvaluation& at(const Point& p) {
        evaluate({p});
        return seen_.at(p);
    }
    bool passes(const Point& p) { return at(p).passed; }

    // The smallest value of field i, the others kept, at which the design passes.
    // Every value of the field is tried, so a check that is not monotone in it
    // cannot hide a smaller passing design.
    int smallestPassing(Point p, std::size_t i) {
        std::vector<Point> line;
        for (int k = 0; k <= p[i]; ++k) {
            Point q = p;
            q[i] = k;
            line.push_back(q);
        }
        evaluate(line);
        for (const Point& q : line)
            if (passes(q)) return q[i];
        return p[i];
    }

    // Lowers each field in turn, from field `first` on, to its smallest passing
    // value until none moves.
    Point descend(Point p, std::size_t first) {
        for (bool moved = true; moved;) {
            moved = false;
            for (std::size_t n = 0; n < p.size(); ++n) {
                const std::size_t i = (first + n) % p.size();
                const int lowest = smallestPassing(p, i);
                if (lowest != p[i]) p[i] = lowest, moved = true;
            }
        }
        return p;
    }

    std::size_t tried() const { return seen_.size(); }
    const std::map<Point, DesignEvaluation>& seen() const { return seen_; }
    const std::vector<double>& values(std::size_t i) const { return values_[i]; }

private:
    const DesignConditions& base_;
    const std::vector<VariedField>& free_;
    const StudyProgress& progress_;
    std::vector<std::vector<double>> values_;
    std::map<Point, DesignEvaluation> seen_;
};

// Less concrete first; equal areas by the earlier free fields' smaller values.
bool smaller(Search& s, const Point& a, const Point& b) {
    const double areaA = s.at(a).concreteArea, areaB = s.at(b).concreteArea;
    if (areaA != areaB) return areaA < areaB;
    return a < b;
}

}  // namespace

std::vector<VariedField> defaultFreeFields() {
    return {freeField("toeWidth", 500, 8000), freeField("baseThickness", 300, 2000),
            freeField("crestWidth", 200, 1500), freeField("frontBatterWidth", 0, 1500)};
}

SizingResult sizeDesign(const DesignConditions& base, const std::vector<VariedField>& free,
                        const StudyProgress& progress) {
    Search search(base, free, progress);
    SizingResult result;
    result.design = base;
    Point largest;
    for (std::size_t i = 0; i < free.size(); ++i)
        largest.push_back(static_cast<int>(search.values(i).size()) - 1);

    // The checks grow easier as the wall grows: if the largest design fails, none
    // in the range passes. Otherwise descend from it, one field after another in
    // each of their orders of precedence, and keep the least concrete.
    std::optional<Point> best;
    if (search.passes(largest)) {
        for (std::size_t first = 0; first < free.size(); ++first) {
            const Point p = search.descend(largest, first);
            if (!best || smaller(search, p, *best)) best = p;
        }
    }
    result.designsTried = search.tried();
    if (!best) {
        result.bestUtilisation = std::numeric_limits<double>::infinity();
        for (const auto& [p, ev] : search.seen())
            if (const CheckResult* g = ev.governing();
                g && g->utilisation && *g->utilisation < result.bestUtilisation) {
                result.bestUtilisation = *g->utilisation;
                result.bestCheck = g->label;
            }
        return result;
    }
    result.found = true;
    result.design = search.design(*best);
    result.evaluation = search.at(*best);
    for (std::size_t i = 0; i < free.size(); ++i) {
        FreeFieldOutcome o{free[i].text(search.values(i)[static_cast<std::size_t>((*best)[i])]),
                           ""};
        if ((*best)[i] == 0) {
            o.governs = "範囲の下限";
        } else {
            Point smallerStep = *best;
            --smallerStep[i];
            o.governs = governingText(search.at(smallerStep));
        }
        result.fields.push_back(o);
    }
    result.designsTried = search.tried();
    return result;
}

void typeSizedDesign(DesignConditionsEditor& editor, const SizingResult& sized,
                     const std::vector<VariedField>& free) {
    for (const VariedField& f : free)
        editor.typeText(f.field->member, (sized.design.*(f.field->member)).text);
    editor.typeText(&DesignConditions::baseWidth, sized.design.baseWidth.text);
}

}  // namespace marvoten
