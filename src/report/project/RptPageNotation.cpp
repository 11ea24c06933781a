#include "report/project/RptPageNotation.h"

#include "report/stream/TRptStreamWriter.h"

#include <array>

namespace zamt {
namespace {

struct Notation {
    std::string_view word;
    int macro; // page macro of the stream (RptPageMacros.h)
};

constexpr std::array<Notation, 4> kNotations = {{
    {"{page}", 11},
    {"{pages}", 10},
    {"{date}", 0},
    {"{time}", 4},
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
                out += TRptStreamWriter::pageMacro(notation.macro);
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
