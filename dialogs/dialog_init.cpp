#include "dialogs/dialog_init.h"

#include <cstring>
#include "common/bytes.h"

namespace velmora {
namespace {

constexpr std::size_t kHeaderBytes = 8;

using common::Load;

}  // namespace

std::vector<DialogInitRecord> ReadDialogInit(const void* data, std::size_t size) {
    std::vector<DialogInitRecord> records;
    if (data == nullptr) return records;
    const auto* bytes = static_cast<const unsigned char*>(data);
    std::size_t pos = 0;
    while (size - pos >= kHeaderBytes) {
        const auto id = Load<int16_t>(bytes + pos);
        if (id == 0) break;
        const auto message = Load<uint16_t>(bytes + pos + 2);
        // Only the low 16 bits of the length field count, sign-extended.
        const auto length = static_cast<int16_t>(Load<uint32_t>(bytes + pos + 4) & 0xFFFF);
        if (length < 0) break;
        const std::size_t dataStart = pos + kHeaderBytes;
        const auto dataLength = static_cast<std::size_t>(length);
        if (dataLength > size - dataStart) break;
        const void* nul = std::memchr(bytes + dataStart, '\0', dataLength);
        if (nul == nullptr) break;
        DialogInitRecord record;
        record.controlId = id;
        record.message = message;
        record.text.assign(reinterpret_cast<const char*>(bytes + dataStart),
                           static_cast<const unsigned char*>(nul) - (bytes + dataStart));
        records.push_back(std::move(record));
        pos = dataStart + dataLength;
    }
    return records;
}

}  // namespace velmora
