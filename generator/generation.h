// One generation: the two texts that the wizard shows for one set of inputs.
#pragma once

#include <string>
#include <string_view>

#include "generator/expansion.h"

namespace genhand {

struct GenerationInputs {
    ExpansionOptions expansion;
    std::string_view separator;  // the separator text, already built
};

struct GenerationResult {
    std::string routineBox;  // separator (up to any NUL) immediately followed by the routine
    std::string statement;   // the set-handler statement
};

// Fills `result` (reusing its storage) for a template id of the catalogue.
// Returns false, leaving `result` untouched, for any other template id.
bool GenerateTexts(const GenerationInputs& inputs, GenerationResult& result);

}  // namespace genhand
