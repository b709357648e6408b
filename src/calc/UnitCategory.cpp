#include "calc/UnitCategory.h"

UnitCategory UnitCategory::build(const QString& name, const QString& unitList,
                                 std::span<const double> unitFactors)
{
    UnitCategory category;
    category.name = name;
    // Every name is followed by "$": the text after the last one is empty.
    category.units = unitList.split(u'$');
    if (!category.units.isEmpty() && category.units.constLast().isEmpty())
        category.units.removeLast();

    const qsizetype n = category.units.size();
    category.factors = QList<double>(n * n, 1.0);
    if (qsizetype(unitFactors.size()) != n)
        return category; // no table (Temperature): the diagonal is what counts
    for (qsizetype i = 0; i < n; ++i) {
        for (qsizetype j = i + 1; j < n; ++j) {
            const double f = unitFactors[std::size_t(j)] / unitFactors[std::size_t(i)];
            category.factors[i * n + j] = f;
            category.factors[j * n + i] = 1.0 / f;
        }
    }
    return category;
}
