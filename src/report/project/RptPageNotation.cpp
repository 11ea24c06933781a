#include "report/project/RptPageNotation.h"

#include "report/stream/RptPageMacros.h"

#include <array>

namespace zamt {
namespace {

struct Notation {
    std::string_view word;
    int macro; // page macro of the stream
};

constexpr std::array<Notation, 4> kNotations = {{
    {"{page}", RptMacro::PageNumber},
    {"{pages}", RptMacro::PageCount},
    {"{date}", RptMacro::ShortDate},
    {"{time}", RptMacro::ShortTime},
}};

} // namespace

std::string rptExpandPageNotation(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    size_t at = 0;
    while (at < text.size()) {
        const std::string_view rest = text.substr(at);
        if (rest.starts_with("{{")) {
            out += '{';
            at += 2;
            continue;
        }
        bool replaced = false;
        for (const Notation& notation : kNotations) {
            if (rest.starts_with(notation.word)) {
                out += rptPageMacro(notation.macro);
                at += notation.word.size();
                replaced = true;
                break;
            }
        }
        if (!replaced)
            out += text[at++];
    }
    return out;
}

} // namespace zamt
