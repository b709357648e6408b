// Feeds arbitrary formulas to the evaluator: every input must end as a number
// or as a failure with result 0, without a crash or a hang.
#include "calc/ExpressionEvaluator.h"

#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString formula = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    ExpressionEvaluator evaluator(formula);
    evaluator.bindVariable(QStringLiteral("a1"), 30.0);
    evaluator.bindVariable(QStringLiteral("a2"), 45.0);
    evaluator.evaluate();
    if (evaluator.failed() && evaluator.result() != 0.0)
        std::abort();
    return 0;
}
