#include "records/PassportRecord.h"

#include "calc/FloatFaults.h"
#include "calc/NumberText.h"
#include "platform/CodePage.h"

#include <string_view>

namespace zamt {
namespace {

// The labels are UTF-8 in this file and Windows-1251 in the record. They mix
// the alphabets on purpose: "Dn", "ds", "dn", "L_a", "La", "nu", "t", "Q",
// "Re_min", "Re_max", the "d" of "Кd" and the "K" of "Kг" (line 24) are
// Latin; every other "К" and the "Е" of "10Е-6" are Cyrillic. The spellings
// "коеффициент" and "заноситься" belong to the format as well.
constexpr std::string_view kName = "наименование: ";
constexpr std::string_view kRule = "____________________________________________";
constexpr std::string_view kDn = "внутр. диаметр Dn (мм) = ";
constexpr std::string_view kDs = "толщина стенки трубы ds (мм) = ";
constexpr std::string_view kDeposits = "толщина отложений на стенках dn (мм) = ";
constexpr std::string_view kOffset = "смещение акустического канала отн. оси трубопровода (мм) = ";
constexpr std::string_view kRough = "длина акустического канала (L_a грубо) (мм) = ";
constexpr std::string_view kExact = "длина акустического канала (L_a точно) (мм) = ";
constexpr std::string_view kKLa =
    "коеффициент связанный с геометр. расп. акустического канала (К_La) = ";
constexpr std::string_view kDegrees = "угол м/ду осью трубы и акустическим каналом в град угловых = ";
constexpr std::string_view kRadians = "угол м/ду осью трубы и акустическим каналом в рад угловых = ";
constexpr std::string_view kNu = "коеффициент кинематической вязкости воды nu (10Е-6 м2/сек) = ";
constexpr std::string_view kT = "температура воды t в град Цельсия = ";
constexpr std::string_view kQmin = "наименьший расход рабочего диапазона расходомера Qмин (м3/сек) = ";
constexpr std::string_view kQmax = "наибольший расход рабочего диапазона расходомера Qмак (м3/сек) = ";
constexpr std::string_view kKe = "коэффициент шероховатости Кэ (эквивалентный) = ";
constexpr std::string_view kLambda = "коеффициент гидравлического трения (лямбда) = ";
constexpr std::string_view kReMin = "число Рейнольдса минимальное Re_min = ";
constexpr std::string_view kReMax = "число Рейнольдса максимальное Re_max = ";
constexpr std::string_view kKgv = "гидродинамический коеффициент Кгв, соотв. Re_max = ";
constexpr std::string_view kKgn = "гидродинамический коеффициент Кгн, соотв. Re_min = ";
constexpr std::string_view kKg = "гидродинамический коеффициент Kг = ";
constexpr std::string_view kReciprocal = "гидродинамический коеффициент (величина обратная 1/Кг) = ";
constexpr std::string_view kKd =
    "коеффициент, учитывающий смещения оси акуст. канала от оси трубы Кd = ";
constexpr std::string_view kKcorr = "коеффициент коррекции К (заноситься в прибор) = ";
constexpr std::string_view kSignature =
    "подпись оператора:  ______________   ______________ /расшифровка подписи/";


class RecordText {
public:
    RecordText(char separator) : separator_(separator) {}

    void empty() { text_ += "\r\n"; }

    void line(std::string_view label, std::string_view value = {}) {
        text_ += cp1251(label);
        text_ += value;
        text_ += "\r\n";
    }

    void number(std::string_view label, double value, int precision, int decimals) {
        line(label, FormatFixed(value, precision, decimals, separator_));
    }

    std::string take() { return std::move(text_); }

private:
    char separator_;
    std::string text_;
};

} // namespace

std::string formatPassportRecord(const Measurement& s, char separator) {
    RecordText r(separator);
    r.empty();
    r.line(kName, s.object_name);
    r.line(kRule);
    r.empty();
    // The typed diameter is not stored; it is D_calc less the allowance.
    r.number(kDn, typedDiameter(s), 6, 1);
    r.number(kDs, s.ds, 6, 1);
    r.number(kDeposits, s.dn, 6, 1);
    r.number(kOffset, s.offset, 6, 1);
    r.number(kRough, s.L_a_rough, 6, 1);
    r.number(kExact, s.L_a_exact, 6, 1);
    r.number(kKLa, s.K_La, 7, 5);
    r.number(kDegrees, s.angle_deg, 6, 3);
    r.number(kRadians, fp::store(fp::div(fp::mul(s.angle_deg, kPi), 180.0L)), 6, 1);
    r.number(kNu, s.nu, 5, 12);
    r.number(kT, s.t, 6, 1);
    r.number(kQmin, s.Q_min, 6, 1);
    r.number(kQmax, s.Q_max, 6, 1);
    r.number(kKe, s.K_e, 5, 3);
    r.number(kLambda, s.lambda, 7, 5);
    r.number(kReMin, s.Re_min, 6, 1);
    r.number(kReMax, s.Re_max, 5, 14);
    r.number(kKgv, s.K_gv, 7, 5);
    r.number(kKgn, s.K_gn, 7, 5);
    r.number(kKg, s.K_g, 7, 5);
    r.number(kReciprocal, fp::store(fp::div(1.0L, s.K_g)), 7, 5);
    r.number(kKd, s.K_d, 7, 5);
    r.number(kKcorr, s.K_corr, 7, 5);
    r.empty();
    r.empty();
    r.line(kSignature);
    return r.take();
}

std::size_t passportSizeFigure(std::size_t recordLength) { return recordLength / 128; }

} // namespace zamt
