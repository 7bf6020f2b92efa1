#include "exchange/ImportReport.h"

#include <initializer_list>

namespace vaultlet {
namespace {

// Fills the format's conversions in order: numbers for "%d", "%i" and "%u", texts for "%s".
std::string Substitute(std::string_view format, std::initializer_list<std::size_t> numbers,
                       std::initializer_list<std::string_view> texts) {
    std::string out;
    auto number = numbers.begin();
    auto text = texts.begin();
    for (std::size_t i = 0; i < format.size(); ++i) {
        const char next = i + 1 < format.size() ? format[i + 1] : '\0';
        if (format[i] != '%' || next == '\0') {
            out.push_back(format[i]);
        } else if (next == '%') {
            out.push_back('%');
            ++i;
        } else if ((next == 'd' || next == 'i' || next == 'u') && number != numbers.end()) {
            out += std::to_string(*number++);
            ++i;
        } else if (next == 's' && text != texts.end()) {
            out += *text++;
            ++i;
        } else {
            out.push_back('%');
        }
    }
    return out;
}

} // namespace

std::string FormatImportCounts(std::string_view format, const ImportCounts& counts) {
    return Substitute(format, {counts.groups, counts.passcards, counts.items}, {});
}

std::string FormatImportFailure(std::string_view format, std::string_view displayName) {
    return Substitute(format, {}, {displayName});
}

} // namespace vaultlet
