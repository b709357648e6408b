#include "diary/DiaryWindows.h"

#include "diary/CWorkDiary.h"

QWidget* makeDiaryWindow(const WindowContext& context)
{
    return new CWorkDiary(context.programDir, context.platform, context.shell);
}
