// The message catalogue: the 64 handler kinds and their templates.
#pragma once

#include <string_view>

namespace genhand {

constexpr int kEntryCount = 64;       // entry ids 1..64
constexpr int kTemplateIdBase = 500;  // template id = 500 + entry id
constexpr int kFirstTemplateId = kTemplateIdBase + 1;
constexpr int kLastTemplateId = kTemplateIdBase + kEntryCount;
// Template ids 501..504 are the pseudo-entries that take an ID.
constexpr int kLastIdTemplateId = kTemplateIdBase + 4;
constexpr int kVmlogmTemplateId = kTemplateIdBase + 4;
constexpr int kOtherTemplateId = kTemplateIdBase + 1;

struct CatalogueEntry {
    int entryId;
    int templateId;
    std::string_view name;         // as the message list shows it
    std::string_view templateText; // lines end in CR LF
};

// Entry by entry id (1..64); nullptr when there is none.
const CatalogueEntry* EntryById(int entryId);
// Entry by template id (501..564); nullptr when there is none.
const CatalogueEntry* EntryByTemplateId(int templateId);
// Entry by the name a user types: the catalogue name in any letter case, or,
// for window messages, the same with a leading "WM_". nullptr if unknown.
const CatalogueEntry* EntryByUserName(std::string_view name);

inline bool TakesId(int templateId) {
    return templateId >= kFirstTemplateId && templateId <= kLastIdTemplateId;
}

}  // namespace genhand
