// The statement that registers a generated handler with the library.
#pragma once

#include <string>
#include <string_view>

namespace genhand {

// "bSt = VSetHandler(VW_FRAME, WM_SIZE, VW_FRAME_OnSize)" and its kin.
// `routine` is the expanded routine; the statement names the routine exactly
// as its END line does. `entryName` is used for template ids 505..564,
// `idText` (as typed) for 501..504.
std::string BuildSetHandlerStatement(int templateId, std::string_view windowName,
                                     std::string_view idText, std::string_view entryName,
                                     std::string_view routine);

// The name that the END line of an expanded routine gives: its last word.
std::string_view RoutineNameOf(std::string_view routine);

}  // namespace genhand
