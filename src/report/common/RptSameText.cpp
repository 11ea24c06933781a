#include "report/common/RptSameText.h"

#include "platform/CodePage.h"

#include <array>

namespace zamt {
namespace {

// Windows-1251 maps every letter and its other case to one byte each, so a
// byte table folds case exactly.
std::array<unsigned char, 256> makeLowerTable() {
    std::array<unsigned char, 256> table{};
    for (int byte = 0; byte < 256; ++byte) {
        const char one = static_cast<char>(byte);
        const std::string lower = toCp1251(fromCp1251(std::string_view(&one, 1)).toLower());
        const bool mapped = lower.size() == 1 && (lower[0] != '?' || byte == '?');
        table[byte] =
            mapped ? static_cast<unsigned char>(lower[0]) : static_cast<unsigned char>(byte);
    }
    return table;
}

} // namespace

bool rptSameText(std::string_view a, std::string_view b) {
    static const std::array<unsigned char, 256> lower = makeLowerTable();
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        const auto x = static_cast<unsigned char>(a[i]);
        const auto y = static_cast<unsigned char>(b[i]);
        if (x != y && lower[x] != lower[y])
            return false;
    }
    return true;
}

} // namespace zamt
