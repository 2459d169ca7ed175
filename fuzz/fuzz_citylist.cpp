// libFuzzer target: the city list's reader on any bytes. A fault here is a crash, a read past
// the text, or a row that passes although a field breaks the checks the reader promises (a
// coordinate out of range, a blank name, a control or format character, half a surrogate pair).
#include "citylistcsv.h"
#include "textfold.h"

#include <cstddef>
#include <cstdint>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<za::CityListRow> rows;
    QString error;
    const QByteArray csv(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    if (!za::ParseCityList(csv, &rows, &error)) {
        if (error.isEmpty()) __builtin_trap();  // a refusal always says why
        return 0;
    }
    for (const za::CityListRow& r : rows) {
        if (r.latitude < -9000 || r.latitude > 9000 || r.longitude < -18000 || r.longitude > 18000 || r.zoneId < 0) {
            __builtin_trap();
        }
        if (za::IsBlank(r.name)) __builtin_trap();
        for (const QString* text : {&r.name, &r.country, &r.phone, &r.area, &r.airport}) {
            if (!za::IsStorableText(*text)) __builtin_trap();
        }
    }
    return 0;
}
