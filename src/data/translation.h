#pragma once

#include <QCoreApplication>

namespace velmora {

// The user's language (the desktop's: LANGUAGE, LC_MESSAGES, LANG): the program's own
// translation and, with it, Qt's of its dialogs, buttons and command-line help, so that nothing
// mixes two languages. English, the program's own text, needs neither. Every program of the
// package loads them the same way: a built one from translations/ beside itself first.
void loadTranslations(QCoreApplication* app);

} // namespace velmora
