#include "autofill/SpecialKeyTable.h"

namespace vaultlet {

const SpecialKey kSpecialKeyTable[26] = {
    {"{BACK}", 8}, {"{TAB}", 9},   {"{ENTER}", 13}, {"{CAPS}", 20},  {"{ESCAPE}", 27}, {"{UP}", 38},     {"{DOWN}", 40},
    {"{END}", 35}, {"{HOME}", 36}, {"{LEFT}", 37},  {"{RIGHT}", 39}, {"{INSERT}", 45}, {"{DELETE}", 46}, {"{F1}", 112},
    {"{F2}", 113}, {"{F3}", 114},  {"{F4}", 115},   {"{F5}", 116},   {"{F6}", 117},    {"{F7}", 118},    {"{F8}", 119},
    {"{F9}", 120}, {"{F10}", 121}, {"{F11}", 122},  {"{F12}", 123},  {"", 0},
};

std::span<const SpecialKey> SpecialKeys() noexcept {
    return std::span<const SpecialKey>(kSpecialKeyTable, std::size(kSpecialKeyTable) - 1);
}

const SpecialKey* FindSpecialKeyAt(std::string_view text) noexcept {
    for (const SpecialKey& key : SpecialKeys()) {
        if (text.starts_with(key.name)) {
            return &key;
        }
    }
    return nullptr;
}

} // namespace vaultlet
