// Numbers to text and back. Integers are culture-free; floating-point texts follow a
// TFormatSettings, the display conventions unless the caller passes tk::machineFormat().
#pragma once

#include <cstdint>
#include <string_view>

#include "toolkit/AnsiString.h"
#include "toolkit/TFormatSettings.h"

AnsiString IntToStr(int64_t Value);
// Accepts leading blanks, a sign, and "$" or "0x" for hexadecimal (up to 8 digits, read as a
// 32-bit pattern); raises EConvertError "'S' is not a valid integer value" for anything else.
int StrToInt(std::string_view S);
int StrToIntDef(std::string_view S, int Default);
bool TryStrToInt(std::string_view S, int& Value);
// Upper-case hexadecimal digits, at least Digits of them; a negative value as its 32-bit pattern.
AnsiString IntToHex(int64_t Value, int Digits);

enum TFloatFormat {
    ffGeneral,  // shortest of fixed and scientific, Precision significant digits
    ffExponent, // d.dddE+xxxx: Precision digits, at least Digits exponent digits
    ffFixed,    // Digits decimals; scientific when the integer part has more than Precision digits
    ffNumber,   // ffFixed with thousand separators
};

AnsiString FloatToStrF(double Value, TFloatFormat Format, int Precision, int Digits,
                       const TFormatSettings& Settings = FormatSettings);
// ffGeneral with 15 digits.
AnsiString FloatToStr(double Value, const TFormatSettings& Settings = FormatSettings);

// Blanks around, a sign, digits with one Settings.DecimalSeparator, an optional exponent; raises
// EConvertError "'S' is not a valid floating point value" for anything else.
double StrToFloat(std::string_view S, const TFormatSettings& Settings = FormatSettings);
bool TryStrToFloat(std::string_view S, double& Value, const TFormatSettings& Settings = FormatSettings);
