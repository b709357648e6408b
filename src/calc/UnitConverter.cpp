#include "calc/UnitConverter.h"

#include "calc/NumberText.h"

namespace {
constexpr double kFiveNinths = 0.5555555555555556;
} // namespace

UnitConverter::UnitConverter()
{
    for (const UnitTables::Entry& e : UnitTables::entries()) {
        m_categories.append(UnitCategory::build(QString::fromUtf16(e.name), QString::fromUtf16(e.units),
                                                e.factors));
        if (m_categories.constLast().name == QStringView(UnitTables::temperatureName))
            m_temperatureIndex = int(m_categories.size() - 1);
    }
}

const UnitCategory* UnitConverter::currentCategory() const
{
    if (m_categoryIndex < 0 || m_categoryIndex >= m_categories.size())
        return nullptr;
    return &m_categories.at(m_categoryIndex);
}

void UnitConverter::selectCategory(const QString& name)
{
    for (int i = 0; i < m_categories.size(); ++i) {
        if (m_categories.at(i).name == name) {
            selectCategory(i);
            return;
        }
    }
}

void UnitConverter::selectCategory(int index)
{
    if (index < 0 || index >= m_categories.size())
        return;
    m_categoryIndex = index;
    m_fromIndex = 0;
    m_toIndex = 0;
    convert();
}

void UnitConverter::setFromIndex(int index)
{
    const UnitCategory* category = currentCategory();
    if (!category || index < 0 || index >= category->size())
        return;
    m_fromIndex = index;
    convert();
}

void UnitConverter::setToIndex(int index)
{
    const UnitCategory* category = currentCategory();
    if (!category || index < 0 || index >= category->size())
        return;
    m_toIndex = index;
    convert();
}

bool UnitConverter::setFromText(const QString& text)
{
    const std::optional<double> value = NumberText::read(text);
    if (!value)
        return false;
    m_fromValue = *value;
    return true;
}

double UnitConverter::convertTemperature(int from, int to, double x)
{
    switch (from * 5 + to) {
    // from Reaumur
    case 0 * 5 + 1: return x * 1.25;
    case 0 * 5 + 2: return x * 2.25 + 32;
    case 0 * 5 + 3: return x * 1.25 + 273.15;
    case 0 * 5 + 4: return x * 2.25 + 491.67;
    // from Celsius
    case 1 * 5 + 0: return x * 0.8;
    case 1 * 5 + 2: return x * 1.8 + 32;
    case 1 * 5 + 3: return x + 273.15;
    case 1 * 5 + 4: return x * 1.8 + 491.67;
    // from Fahrenheit
    case 2 * 5 + 0: return (x - 32) * kFiveNinths * 0.8;
    case 2 * 5 + 1: return (x - 32) * kFiveNinths;
    case 2 * 5 + 3: return (x - 32) * kFiveNinths + 273.15;
    case 2 * 5 + 4: return x + 459.67;
    // from Kelvin
    case 3 * 5 + 0: return (x - 273.15) * 0.8;
    case 3 * 5 + 1: return x - 273.15;
    case 3 * 5 + 2: return (x - 273.15) * 1.8 + 32;
    case 3 * 5 + 4: return (x - 273.15) * 1.8 + 491.67;
    // from Rankine
    case 4 * 5 + 0: return (x - 459.67 - 32) * kFiveNinths * 0.8;
    case 4 * 5 + 1: return (x - 459.67 - 32) * kFiveNinths;
    case 4 * 5 + 2: return x - 459.67;
    case 4 * 5 + 3: return (x - 459.67 - 32) * kFiveNinths + 273.15;
    default: return x;
    }
}

void UnitConverter::convert()
{
    const UnitCategory* category = currentCategory();
    if (!category || m_fromIndex < 0 || m_toIndex < 0)
        return;
    if (m_fromIndex == m_toIndex || m_categoryIndex != m_temperatureIndex)
        m_toValue = category->factor(m_fromIndex, m_toIndex) * m_fromValue;
    else
        m_toValue = convertTemperature(m_fromIndex, m_toIndex, m_fromValue);
}
