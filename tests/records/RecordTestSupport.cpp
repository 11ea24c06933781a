#include "RecordTestSupport.h"

#include "calc/FloatFaults.h"
#include "platform/CodePage.h"

#include <QDir>

namespace zamt::test {

Measurement exampleMeasurement() {
    using namespace fp;
    constexpr long double pi = 3.141592653589793238462643383279502884L;
    const long double Dn = 100, ds = 5, dn = 1, angle = 45, offset = 10;
    Measurement m;
    // The geometry window.
    m.ds = store(ds);
    m.dn = store(dn);
    m.angle_deg = store(angle);
    m.offset = store(offset);
    const long double rad = div(mul(pi, angle), 180);
    m.L_a_exact = store(div(add(Dn, 16.33L), sin(rad)));
    m.L_a_rough = store(mul(Dn, sqrt(2.0L)));
    m.K_La = store(sqrt(sub(1, div(mul(4, offset), mul(Dn, Dn)))));
    m.D_calc = store(add(Dn, 16.33L));
    m.object_name = cp1251("Насосная станция 3");
    // The hydraulics window with its start texts; the flows of nominal
    // diameter 100.
    const long double D = m.D_calc;
    m.nu = 0.000001308;
    m.Q_min = 7.5;
    m.Q_max = 765;
    m.Re_min = store(div(mul(4, mul(m.Q_min, 1000)), mul(mul(pi, D), m.nu)));
    m.Re_max = store(div(mul(4, mul(m.Q_max, 1000)), mul(mul(pi, D), m.nu)));
    m.K_e = 1;
    m.lambda = store(mul(0.11L, exp(mul(0.25L, ln(add(div(68, m.Re_max), div(m.K_e, D)))))));
    m.K_gn = 1.075;
    m.K_gv = store(add(mul(0.38L, sqrt(m.lambda)), 1.01L));
    m.K_g = store(div(add(m.K_gn, m.K_gv), 2));
    const long double rad2 = div(mul(pi, m.angle_deg), 180);
    m.K_d = store(mul(sin(rad2), div(m.L_a_exact, D)));
    const long double tangent = div(sin(rad2), cos(rad2));
    m.K_corr = store(div(mul(mul(div(1, m.K_g), tangent), m.K_d), m.K_La));
    m.t = 10;
    return m;
}

const RecordLine kExampleLines[30] = {
    {"", ""},
    {"наименование: ", "Насосная станция 3", true},
    {"____________________________________________", ""},
    {"", ""},
    {"внутр. диаметр Dn (мм) = ", "100,0"},
    {"толщина стенки трубы ds (мм) = ", "5,0"},
    {"толщина отложений на стенках dn (мм) = ", "1,0"},
    {"смещение акустического канала отн. оси трубопровода (мм) = ", "10,0"},
    {"длина акустического канала (L_a грубо) (мм) = ", "141,4"},
    {"длина акустического канала (L_a точно) (мм) = ", "164,5"},
    {"коеффициент связанный с геометр. расп. акустического канала (К_La) = ", "0,99800"},
    {"угол м/ду осью трубы и акустическим каналом в град угловых = ", "45,000"},
    {"угол м/ду осью трубы и акустическим каналом в рад угловых = ", "0,8"},
    {"коеффициент кинематической вязкости воды nu (10Е-6 м2/сек) = ", "0,000001308000"},
    {"температура воды t в град Цельсия = ", "10,0"},
    {"наименьший расход рабочего диапазона расходомера Qмин (м3/сек) = ", "7,5"},
    {"наибольший расход рабочего диапазона расходомера Qмак (м3/сек) = ", "765,0"},
    {"коэффициент шероховатости Кэ (эквивалентный) = ", "1,000"},
    {"коеффициент гидравлического трения (лямбда) = ", "0,03349"},
    {"число Рейнольдса минимальное Re_min = ", "6,27584E7"},
    {"число Рейнольдса максимальное Re_max = ", "6,4014E9"},
    {"гидродинамический коеффициент Кгв, соотв. Re_max = ", "1,07955"},
    {"гидродинамический коеффициент Кгн, соотв. Re_min = ", "1,07500"},
    {"гидродинамический коеффициент Kг = ", "1,07727"},
    {"гидродинамический коеффициент (величина обратная 1/Кг) = ", "0,92827"},
    {"коеффициент, учитывающий смещения оси акуст. канала от оси трубы Кd = ", "1,00000"},
    {"коеффициент коррекции К (заноситься в прибор) = ", "0,93013"},
    {"", ""},
    {"", ""},
    {"подпись оператора:  ______________   ______________ /расшифровка подписи/", ""},
};

std::string exampleRecord(char separator) {
    std::string record;
    for (const RecordLine& line : kExampleLines) {
        record += cp1251(line.label);
        std::string value = cp1251(line.value);
        if (!line.name)
            for (char& c : value)
                if (c == ',')
                    c = separator;
        record += value + "\r\n";
    }
    return record;
}

QStringList folderEntries(const QString& folder) {
    return QDir(folder).entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

} // namespace zamt::test
