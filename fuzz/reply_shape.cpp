// A reply line taken as a value: each shape's rule, the number conversions a value meets, the
// line as the error dialog quotes it, and the line as each value of the path preview's trace.
#include "common/convert.h"
#include "fuzz_input.h"
#include "procedures/reply_rules.h"
#include "steps/path_trace.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string reply(mivo::fuzz::Text(data, size));
    using mivo::ValueShape;
    for (ValueShape shape : {ValueShape::Number, ValueShape::Numbers, ValueShape::Digit,
                             ValueShape::StepNumber, ValueShape::Word})
        mivo::FitsShape(reply, shape);
    int whole = 0;
    double number = 0;
    mivo::TryStrToInt(reply, whole);
    if (mivo::TryStrToFloat(reply, number)) mivo::FloatToStr(number);
    mivo::ReadableErrorLine(reply);
    mivo::TraceOfScan(reply, reply, reply);
    return 0;
}
