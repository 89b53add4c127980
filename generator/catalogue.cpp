#include "generator/catalogue.h"

#include <array>

#include "generator/text.h"

namespace genhand {
namespace {

constexpr std::array<CatalogueEntry, kEntryCount> kCatalogue = {{
#define CATALOGUE_ENTRY(entryId, templateId, name, text) {entryId, templateId, name, text},
#include "generator/catalogue.def"
#undef CATALOGUE_ENTRY
}};

constexpr bool CatalogueIsInOrder() {
    for (int i = 0; i < kEntryCount; ++i) {
        if (kCatalogue[i].entryId != i + 1) return false;
        if (kCatalogue[i].templateId != kTemplateIdBase + i + 1) return false;
        if (kCatalogue[i].name.size() > 39) return false;       // 40-byte load buffer
        if (kCatalogue[i].templateText.size() > 1023) return false;
    }
    return true;
}
static_assert(CatalogueIsInOrder(), "catalogue.def must list entries 1..64 in order");

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (UpperLatin1(a[i]) != UpperLatin1(b[i])) return false;
    }
    return true;
}

}  // namespace

const CatalogueEntry* EntryById(int entryId) {
    if (entryId < 1 || entryId > kEntryCount) return nullptr;
    return &kCatalogue[entryId - 1];
}

const CatalogueEntry* EntryByTemplateId(int templateId) {
    return EntryById(templateId - kTemplateIdBase);
}

const CatalogueEntry* EntryByUserName(std::string_view name) {
    for (const CatalogueEntry& entry : kCatalogue) {
        if (EqualsIgnoringCase(name, entry.name)) return &entry;
    }
    constexpr std::string_view kPrefix = "WM_";
    if (name.size() > kPrefix.size() && EqualsIgnoringCase(name.substr(0, 3), kPrefix)) {
        const std::string_view message = name.substr(kPrefix.size());
        for (const CatalogueEntry& entry : kCatalogue) {
            if (!TakesId(entry.templateId) && EqualsIgnoringCase(message, entry.name)) return &entry;
        }
    }
    return nullptr;
}

}  // namespace genhand
