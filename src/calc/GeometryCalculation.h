#pragma once
// The geometry calculation behind the geometry window's "считаем?": it tests
// the typed inputs, computes the two lengths of the acoustic channel and the
// channel coefficient, and stores and shows them step by step. A refusal
// changes nothing; a parse error or a floating-point fault ends the
// calculation where it happens and leaves what was done before it.
#include "calc/Measurement.h"

#include <string>

namespace zamt {

// The texts of the window's boxes, Windows-1251, as they stand.
struct GeometryTexts {
    std::string name;     // Edit1: object name
    std::string diameter; // Edit2: inner diameter Dn, mm
    std::string wall;     // Edit3: wall thickness, mm
    std::string deposit;  // Edit4: deposit thickness, mm
    std::string angle;    // Edit5: angle between pipe axis and channel, degrees
    std::string offset;   // Edit6: channel offset from the pipe axis, mm
};

// The result labels of the geometry window.
enum class GeometryLabel {
    Diameter,     // Label8: Dn as typed
    Wall,         // Label9
    Deposit,      // Label10
    Angle,        // Label11
    ExactLength,  // Label17: L_a_exact
    RoughLength,  // Label18: L_a_rough
    ChannelCoeff, // Label25: K_La
};

// Where the calculation shows what it does; texts are Windows-1251.
class GeometrySink {
public:
    virtual ~GeometrySink() = default;
    // A refusal of the input: one fixed sentence in a plain message box.
    virtual void refuse(const std::string& message) = 0;
    virtual void showResult(GeometryLabel label, const std::string& text) = 0;
    // The calculation went through to its end.
    virtual void calculated() = 0;
};

// The refusals, Windows-1251.
const std::string& nothingEnteredMessage();   // "введите что нибудь!"
const std::string& diameterTooSmallMessage(); // "диаметр только больше 50 мм!"

// Runs the calculation on the boxes' texts, under the program's decimal
// separator. Throws the conversion error or a floating-point fault.
void calculateGeometry(const GeometryTexts& texts, Measurement& state, GeometrySink& sink);

} // namespace zamt
