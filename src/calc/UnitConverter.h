#pragma once

#include "calc/UnitCategory.h"

#include <QList>
#include <QString>

// The unit converter's state: the categories, the selected category and
// units, and the two values. The window shows the values with
// NumberText::format and hands the "From" text to setFromText().
class UnitConverter
{
public:
    // Builds every category from the built-in tables. No category is
    // selected yet.
    UnitConverter();

    const QList<UnitCategory>& categories() const { return m_categories; }

    // Selects the first category whose name equals the text (none if no
    // name matches), sets both units to the category's first one and
    // converts.
    void selectCategory(const QString& name);
    void selectCategory(int index);
    void setFromIndex(int index);
    void setToIndex(int index);

    // Reads the "From" text into the from value; a text that is not a number
    // leaves the previous value and returns false (the window then shows
    // "Please enter a number." and writes the previous number back).
    bool setFromText(const QString& text);
    void setFromValue(double value) { m_fromValue = value; }

    // Converts the from value into the to value with the current units.
    void convert();

    int categoryIndex() const { return m_categoryIndex; }
    const UnitCategory* currentCategory() const;
    int fromIndex() const { return m_fromIndex; }
    int toIndex() const { return m_toIndex; }
    double fromValue() const { return m_fromValue; }
    double toValue() const { return m_toValue; }

    // The affine Temperature conversion between two different units,
    // numbered 0 Reaumur, 1 Celsius, 2 Fahrenheit, 3 Kelvin, 4 Rankine.
    static double convertTemperature(int from, int to, double x);

private:
    QList<UnitCategory> m_categories;
    int m_categoryIndex = -1;
    int m_temperatureIndex = -1;
    int m_fromIndex = -1;
    int m_toIndex = -1;
    double m_fromValue = 1.0;
    double m_toValue = 1.0;
};
