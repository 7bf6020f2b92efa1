#pragma once

// The names of the own XML exchange format, shared by its writer and its reader.
namespace vaultlet::xml {

inline constexpr const char* kDisplayName = "Quillmoth Keyhaven XML";
inline constexpr const char* kFileFilter = "Quillmoth Keyhaven XML (*.xml)%*.xml%";

inline constexpr const char* kRoot = "Cofferbook";
inline constexpr const char* kDatabase = "Database";
inline constexpr const char* kGroups = "Groups";
inline constexpr const char* kGroup = "Group";
inline constexpr const char* kPasscards = "Passcards";
inline constexpr const char* kPasscard = "Passcard";
inline constexpr const char* kItems = "Items";
inline constexpr const char* kItem = "Item";

inline constexpr const char* kName = "Name";
inline constexpr const char* kComment = "Comment";
inline constexpr const char* kBookmarked = "Bookmarked";
inline constexpr const char* kAutofill = "Autofill";
inline constexpr const char* kAutofillString = "AutofillString";
inline constexpr const char* kExpirationTimeUtc = "ExpirationTimeUTC";
inline constexpr const char* kData = "Data";
inline constexpr const char* kMeta = "Meta";
inline constexpr const char* kImage = "Image";
inline constexpr const char* kType = "Type";
inline constexpr const char* kHide = "Hide";

} // namespace vaultlet::xml
