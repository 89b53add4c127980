#include "generator/generation.h"

#include "generator/catalogue.h"
#include "generator/statement.h"

namespace genhand {

bool GenerateTexts(const GenerationInputs& inputs, GenerationResult& result) {
    const CatalogueEntry* entry = EntryByTemplateId(inputs.expansion.templateId);
    if (entry == nullptr) return false;
    // The box takes its text as a C string: a separator file with a NUL byte
    // shows only what comes before it.
    const std::string_view separator = inputs.separator.substr(0, inputs.separator.find('\0'));
    result.routineBox.assign(separator);
    const std::size_t routineStart = result.routineBox.size();
    ExpandTemplateInto(inputs.expansion, result.routineBox);
    const std::string_view routine =
        std::string_view(result.routineBox).substr(routineStart);
    result.statement = BuildSetHandlerStatement(inputs.expansion.templateId,
                                                inputs.expansion.windowName,
                                                inputs.expansion.idText, entry->name, routine);
    return true;
}

}  // namespace genhand
