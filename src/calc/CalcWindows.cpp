#include "calc/CalcWindows.h"

#include "calc/CCalculatorDlg.h"
#include "calc/CMetrologyDlg.h"

QWidget* makeCalculatorWindow(const WindowContext& context)
{
    return new CCalculatorDlg(context.parent);
}

QWidget* makeMetrologyWindow(const WindowContext& context)
{
    return new CMetrologyDlg(context.parent);
}
