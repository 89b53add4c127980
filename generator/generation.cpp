#include "generator/generation.h"

#include "generator/catalogue.h"
#include "generator/statement.h"

namespace genhand {

bool GenerateTexts(const GenerationInputs& inputs, GenerationResult& result) {
    const CatalogueEntry* entry = EntryByTemplateId(inputs.expansion.templateId);
    if (entry == nullptr) return false;
    result.routineBox.assign(inputs.separator);
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
