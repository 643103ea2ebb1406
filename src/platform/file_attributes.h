#pragma once

#include <cstdint>

// File attributes with the Windows bit values, as the engine stores, filters
// and compares them.
namespace brenx::platform {

inline constexpr std::uint32_t kAttrReadOnly = 0x01;
inline constexpr std::uint32_t kAttrHidden = 0x02;
inline constexpr std::uint32_t kAttrSystem = 0x04;
inline constexpr std::uint32_t kAttrVolumeId = 0x08;
inline constexpr std::uint32_t kAttrDirectory = 0x10;
inline constexpr std::uint32_t kAttrArchive = 0x20;

// Every bit a search filter can name: a search with it returns every entry.
inline constexpr std::uint32_t kAttrAnyFile = 0x3F;

// The bits a search filter must include for entries carrying them to be returned;
// entries with none of them (plain files, read-only or archive ones too) always are.
inline constexpr std::uint32_t kAttrExcludable =
    kAttrHidden | kAttrSystem | kAttrVolumeId | kAttrDirectory;

// Whether a search with this filter returns an entry with these attributes.
inline bool PassesSearchFilter(std::uint32_t attributes, std::uint32_t filter) {
    return (attributes & kAttrExcludable & ~filter) == 0;
}

}  // namespace brenx::platform
