#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <span>

// One quantity of the unit converter: its caption, its units and the square
// table of factors, factors[from * N + to] = how many "to" units make one
// "from" unit.
struct UnitCategory
{
    QString name;
    QStringList units;
    QList<double> factors;

    qsizetype size() const { return units.size(); }
    double factor(qsizetype from, qsizetype to) const { return factors.at(from * units.size() + to); }

    // Builds a category from its unit list (each name followed by "$") and
    // the factor of each unit relative to the first one. The diagonal is 1,
    // the upper triangle is f(to) / f(from), and every lower cell is the
    // reciprocal of its mirror. Without factors (Temperature) every cell is 1.
    static UnitCategory build(const QString& name, const QString& unitList,
                              std::span<const double> unitFactors);
};

// The built-in tables, in the order of the tree.
namespace UnitTables {

struct Entry
{
    const char16_t* name;
    const char16_t* units;            // each name followed by "$"
    std::span<const double> factors;  // empty for Temperature
};

std::span<const Entry> entries();

// The name of the category converted by formulas instead of factors.
inline constexpr char16_t temperatureName[] = u"Temperature";

} // namespace UnitTables
