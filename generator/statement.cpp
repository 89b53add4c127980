#include "generator/statement.h"

#include "generator/catalogue.h"
#include "generator/expansion.h"
#include "generator/text.h"

namespace genhand {

std::string_view RoutineNameOf(std::string_view routine) {
    // The END line is last: its final word, without the closing CR LF.
    std::string_view text = routine;
    if (text.size() >= 2 && text.substr(text.size() - 2) == "\r\n") text.remove_suffix(2);
    const std::size_t blank = text.rfind(' ');
    return blank == std::string_view::npos ? text : text.substr(blank + 1);
}

std::string BuildSetHandlerStatement(int templateId, std::string_view windowName,
                                     std::string_view idText, std::string_view entryName,
                                     std::string_view routine) {
    std::string_view registration = "VSetHandler(";
    switch (templateId - kTemplateIdBase) {
        case 2: registration = "VSetCommand("; break;
        case 3: registration = "VCtlSetSub("; break;
        case 4: registration = "DlgSetSub("; break;
        default: break;
    }
    const std::string_view window = TrimTrailingBlanks(CutToField(windowName, kWindowNameLength));
    const std::string_view name = RoutineNameOf(routine);

    std::string statement;
    statement.reserve(64 + window.size() + name.size() + kIdTextLength);
    statement += "bSt = ";
    statement += registration;
    statement += window;
    statement += ", ";
    if (TakesId(templateId)) {
        statement += TrimTrailingBlanks(EffectiveIdText(idText));
    } else {
        statement += "WM_";
        statement += TrimTrailingBlanks(entryName);
    }
    // The name is written in full, exactly as the END line has it; a long
    // window name must not make the statement name a routine that does not
    // exist.
    statement += ", ";
    statement += name;
    statement += ')';
    return statement;
}

}  // namespace genhand
