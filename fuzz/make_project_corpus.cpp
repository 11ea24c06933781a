// Writes the seed corpus of the project reader's fuzzer: the default
// project, an empty file, a few small valid projects and damaged ones.
//   fuzz_make_project_corpus DIR
#include "SeedFiles.h"
#include "DefaultProject.h"
#include "report/project/RptProjectFile.h"
#include "report/project/RptProjectHeader.h"

#include <QDir>
#include <QFile>
#include <cstdio>

namespace {

using zamt::rptFrameProjectText;

const QByteArray kMinimal =
    R"(<?xml version="1.0" encoding="UTF-8"?>
<project activeReport="R">
  <dataView name="V" connection="RptCustomConnection1"><field name="StrField"/></dataView>
  <report name="R"><detail height="0.2" dataView="V"><dataText field="StrField" width="1"/></detail></report>
</project>
)";

const QByteArray kItems =
    R"(<project activeReport="Two">
  <dataView name="V" connection="RptCustomConnection1">
    <field name="StrField" type="dtString"/><field name="N" type="dtInteger"/>
  </dataView>
  <report name="One" paper="Letter"/>
  <report name="Two" title="Заголовок" paperWidth="8.25" paperHeight="11.75" orientation="landscape"
          marginLeft="0.25" alwaysGenerate="true">
    <pageHeader height="0.5">
      <text x="0" y="0" width="5" height="0.3" font="DejaVu Sans" fontSize="12" bold="true"
            italic="true" underline="true" color="#102030" align="center">Страница {page} из {pages} {{</text>
      <line x1="0" y1="0.4" x2="5" y2="0.4" penWidth="0.5"/>
      <box x="0" y="0" width="1" height="0.5" color="#FF0000" fill="#00FF00"/>
    </pageHeader>
    <detail height="0.2" dataView="V">
      <dataText x="0.5" width="4" field="N" align="right"/>
    </detail>
    <pageFooter height="0.3"><dataText dataView="V" field="StrField"/></pageFooter>
  </report>
</project>
)";

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: fuzz_make_project_corpus DIR\n");
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    const QByteArray minimal = rptFrameProjectText(kMinimal);
    QByteArray badCheck = minimal;
    badCheck[10] = char(badCheck[10] ^ 0x55);
    const zamt::fuzz::Seeds seeds = {
        {"default.rpj", zamt::rptWriteProject(zamt::rptDefaultProject())},
        {"empty.rpj", QByteArray()},
        {"minimal.rpj", minimal},
        {"items.rpj", rptFrameProjectText(kItems)},
        {"no-report.rpj", rptFrameProjectText("<project/>")},
        {"bad-signature.rpj", "RPX\x1A" + minimal.mid(4)},
        {"bad-check-word.rpj", badCheck},
        {"truncated.rpj", minimal.left(minimal.size() / 2)},
        {"bad-xml.rpj", rptFrameProjectText(QByteArray(kMinimal).replace("</report>", "</rep>"))},
    };
    return zamt::fuzz::writeSeeds(dir, seeds);
}
