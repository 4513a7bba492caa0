#pragma once

// Marks a text for translation without translating it: lupdate finds the
// macro by its name in any source, and a window translates the text at run
// time. Qt defines it the same way, so either definition may come first.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif
