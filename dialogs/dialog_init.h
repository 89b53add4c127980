// Records of a dialog-initialisation resource (RT_DLGINIT): strings that
// fill the list and combo boxes of a dialog template.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace velmora {

constexpr uint16_t DLGINIT_ADDSTRING = 0x403;

struct DialogInitRecord {
    int16_t controlId = 0;
    uint16_t message = 0;
    std::string text;
};

// Reads the records from the start of the resource. The walk ends at a
// control id of 0, when no complete 8-byte header remains, or at the first
// malformed record: a negative length, data reaching past the resource, or
// data without its terminating NUL. It never reads outside `size` bytes.
std::vector<DialogInitRecord> ReadDialogInit(const void* data, std::size_t size);

}  // namespace velmora
