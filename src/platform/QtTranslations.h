#pragma once
// Qt's own texts (the file dialogs, the standard buttons of message boxes and
// dialogs) in the user's language, from the translations Qt ships. The
// program's own texts are not translated.
#include <QLocale>

namespace zamt {

// Replaces the translation installed before; false when Qt has none for the
// locale (English texts then).
bool installQtTranslations(const QLocale& locale = QLocale::system());

} // namespace zamt
