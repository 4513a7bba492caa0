#include "lesson/controls.h"

#include <algorithm>

bool IsLessonControl(std::string_view word)
{
    return std::any_of(kLessonControls.begin(), kLessonControls.end(),
                       [word](const LessonControl& control) { return control.word == word; });
}

bool IsLessonPanel(std::string_view word)
{
    return std::find(kLessonPanels.begin(), kLessonPanels.end(), word) != kLessonPanels.end();
}
