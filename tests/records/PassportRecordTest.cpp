#include "RecordTestSupport.h"

#include "calc/FloatFaults.h"
#include "platform/CodePage.h"
#include "records/PassportRecord.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <vector>

namespace zamt {
namespace {

using test::exampleMeasurement;
using test::exampleRecord;
using test::kExampleLines;

// The record's lines without their CR LF; fails the test on any line end
// other than CR LF and on a last line without one.
std::vector<std::string> linesOf(const std::string& record) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < record.size()) {
        const size_t end = record.find("\r\n", start);
        EXPECT_NE(end, std::string::npos) << "the last line has no CR LF";
        if (end == std::string::npos)
            break;
        lines.push_back(record.substr(start, end - start));
        EXPECT_EQ(lines.back().find_first_of("\r\n"), std::string::npos)
            << "a bare CR or LF in line " << lines.size();
        start = end + 2;
    }
    return lines;
}

TEST(PassportRecord, ExampleIsTheThirtyLinesByteForByte) {
    const std::string record = formatPassportRecord(exampleMeasurement(), ',');
    const std::vector<std::string> lines = linesOf(record);
    ASSERT_EQ(lines.size(), 30u);
    for (size_t i = 0; i < 30; ++i) {
        const std::string expected =
            cp1251(kExampleLines[i].label) + cp1251(kExampleLines[i].value);
        EXPECT_EQ(lines[i], expected) << "line " << i + 1;
    }
    EXPECT_EQ(record, exampleRecord(','));
    // The Windows build's end-to-end check compares its record with this copy.
    EXPECT_EQ(test::readFile(test::sourceDir() + "/tests/windows/example-record.txt").toStdString(),
              record);
    EXPECT_EQ(record.size(), 1492u);
    EXPECT_EQ(passportSizeFigure(record.size()), 11u);
    EXPECT_EQ(record.substr(record.size() - 3), "/\r\n");
}

TEST(PassportRecord, ExampleUnderAFullStopChangesOnlyTheNumbers) {
    const std::string record = formatPassportRecord(exampleMeasurement(), '.');
    EXPECT_EQ(record, exampleRecord('.'));
    // Labels with commas keep them.
    EXPECT_NE(record.find(cp1251("Кгв, соотв. Re_max = 1.07955\r\n")), std::string::npos);
}

TEST(PassportRecord, FixedPartIs1336BytesAndTheRestIsNameAndValues) {
    size_t fixed = 0, values = 0;
    for (const auto& line : kExampleLines) {
        fixed += cp1251(line.label).size() + 2;
        values += cp1251(line.value).size();
    }
    EXPECT_EQ(fixed, 1336u);
    EXPECT_EQ(formatPassportRecord(exampleMeasurement(), ',').size(), fixed + values);
}

TEST(PassportRecord, LabelsMixTheAlphabetsAsTheFormatWants) {
    const std::vector<std::string> lines = linesOf(formatPassportRecord(exampleMeasurement(), ','));
    ASSERT_EQ(lines.size(), 30u);
    auto byteAfter = [](const std::string& line, std::string_view utf8Prefix) {
        const std::string prefix = cp1251(utf8Prefix);
        EXPECT_EQ(line.compare(0, prefix.size(), prefix), 0) << line;
        return static_cast<unsigned char>(line[prefix.size()]);
    };
    const struct {
        int line;
        std::string_view before;
        unsigned char byte;
    } cases[] = {
        {24, "гидродинамический коеффициент ", 'K'},                         // Latin K of "Kг"
        {24, "гидродинамический коеффициент K", 0xE3},                       // Cyrillic г
        {11, "коеффициент связанный с геометр. расп. акустического канала (", 0xCA}, // К_La
        {14, "коеффициент кинематической вязкости воды nu (10", 0xC5},        // Cyrillic Е
        {26, "коеффициент, учитывающий смещения оси акуст. канала от оси трубы ", 0xCA},
        {26, "коеффициент, учитывающий смещения оси акуст. канала от оси трубы К", 'd'},
        {16, "наименьший расход рабочего диапазона расходомера ", 'Q'},
    };
    for (const auto& c : cases)
        EXPECT_EQ(byteAfter(lines[c.line - 1], c.before), c.byte)
            << "line " << c.line << " after \"" << c.before << "\"";
}

// One value of the state changed, one line of the record checked.
struct ValueCase {
    const char* what;
    double Measurement::*field;
    double value;
    int line;
    std::string_view expected; // UTF-8, the whole line
};

TEST(PassportRecord, NumberTextsOfSingleValues) {
    const ValueCase cases[] = {
        {"Re_max below 99999.5", &Measurement::Re_max, 45678.9, 21,
         "число Рейнольдса максимальное Re_max = 45679,00000000000000"},
        {"Re_max scientific", &Measurement::Re_max, 6401357493.5, 21,
         "число Рейнольдса максимальное Re_max = 6,4014E9"},
        {"Re_max just scientific", &Measurement::Re_max, 99999.5, 21,
         "число Рейнольдса максимальное Re_max = 1E5"},
        {"Re_min fixed", &Measurement::Re_min, 123456.78, 20,
         "число Рейнольдса минимальное Re_min = 123457,0"},
        {"a small flow", &Measurement::Q_min, 0.00167, 16,
         "наименьший расход рабочего диапазона расходомера Qмин (м3/сек) = 0,0"},
        {"nu", &Measurement::nu, 0.000001308, 14,
         "коеффициент кинематической вязкости воды nu (10Е-6 м2/сек) = 0,000001308000"},
        {"diameter before any geometry", &Measurement::D_calc, 0, 5,
         "внутр. диаметр Dn (мм) = -16,3"},
        {"angle 90 in radians", &Measurement::angle_deg, 90, 13,
         "угол м/ду осью трубы и акустическим каналом в рад угловых = 1,6"},
        {"angle 1000000 in radians", &Measurement::angle_deg, 1000000, 13,
         "угол м/ду осью трубы и акустическим каналом в рад угловых = 17453,3"},
        {"K_g 0.5 and its reciprocal", &Measurement::K_g, 0.5, 25,
         "гидродинамический коеффициент (величина обратная 1/Кг) = 2,00000"},
        {"negative K_g", &Measurement::K_g, -4, 25,
         "гидродинамический коеффициент (величина обратная 1/Кг) = -0,25000"},
        {"K_corr, half away from zero", &Measurement::K_corr, 1.234375, 27,
         "коеффициент коррекции К (заноситься в прибор) = 1,23438"},
    };
    for (const ValueCase& c : cases) {
        Measurement m = exampleMeasurement();
        m.*c.field = c.value;
        const std::vector<std::string> lines = linesOf(formatPassportRecord(m, ','));
        ASSERT_EQ(lines.size(), 30u) << c.what;
        EXPECT_EQ(fromCp1251(lines[c.line - 1]).toStdString(), c.expected) << c.what;
    }
}

TEST(PassportRecord, NameIsWrittenAsStored) {
    const struct {
        const char* what;
        std::string name;
        std::string line;
    } cases[] = {
        {"empty", "", cp1251("наименование: ")},
        {"with the separator", "12,5 a", cp1251("наименование: ") + "12,5 a"},
        {"raw bytes", "\xFF\x80 \xB9", cp1251("наименование: ") + "\xFF\x80 \xB9"},
    };
    for (const auto& c : cases) {
        Measurement m = exampleMeasurement();
        m.object_name = c.name;
        const std::string record = formatPassportRecord(m, '.');
        const std::vector<std::string> lines = linesOf(record);
        ASSERT_EQ(lines.size(), 30u) << c.what;
        EXPECT_EQ(lines[1], c.line) << c.what;
        EXPECT_EQ(record.size(), 1492u - cp1251("Насосная станция 3").size() + c.name.size())
            << c.what;
    }
}

TEST(PassportRecord, ZeroKgIsADivisionByZero) {
    for (const double zero : {0.0, -0.0}) {
        Measurement m = exampleMeasurement();
        m.K_g = zero;
        try {
            formatPassportRecord(m, ',');
            ADD_FAILURE() << "no fault for K_g " << zero;
        } catch (const FloatFaultError& error) {
            EXPECT_EQ(error.fault(), FloatFault::DivisionByZero);
        }
    }
}

} // namespace
} // namespace zamt
