// The generator's text operations: those of common/text.h.
#pragma once

#include "common/text.h"

namespace genhand {
using common::CutToField;
using common::IsBlank;
using common::LowerLatin1;
using common::TrimTrailingBlanks;
using common::UpperLatin1;
}  // namespace genhand
