#pragma once
// Automatic sizing: the design with the least concrete in its section that passes
// every check, on the steps of the free fields.
#include <string>
#include <vector>

#include "model/design_conditions_editor.h"
#include "study/design_evaluation.h"
#include "study/parameter_study.h"

namespace marvoten {

// Toe width, base thickness, stem crest and front batter, in 50 mm steps.
std::vector<VariedField> defaultFreeFields();

struct FreeFieldOutcome {
    std::string value;    // the sized text of the field
    std::string governs;  // the check that fails one step smaller, or the range's end
};

struct SizingResult {
    bool found = false;
    DesignConditions design;               // the sized design (the base where none passes)
    DesignEvaluation evaluation;           // of the sized design
    std::vector<FreeFieldOutcome> fields;  // in the order of the free fields
    std::size_t designsTried = 0;
    // Without a passing design: the smallest governing utilisation seen, and its check.
    double bestUtilisation = 0;
    std::string bestCheck;
};

// `progress` hears how many designs were tried after every batch (the total is not
// known: 0); an exception it throws ends the search.
SizingResult sizeDesign(const DesignConditions& base, const std::vector<VariedField>& free,
                        const StudyProgress& progress = {});

// The sized dimensions typed into the editor as a user types them: each free field,
// then the base width that keeps the base the sum of its parts.
void typeSizedDesign(DesignConditionsEditor& editor, const SizingResult& sized,
                     const std::vector<VariedField>& free);

}  // namespace marvoten
