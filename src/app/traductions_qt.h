#pragma once

class QCoreApplication;
class QLocale;
class QTranslator;

namespace orvane {

// Qt's own texts (the colour and file dialogs, the edits' context menu) in the user's
// language, from the toolkit's translations; Orvane's captions are French anyway. Returns
// the installed translator, owned by the application, or nullptr when the language has none.
QTranslator* installer_traductions_qt(QCoreApplication& application, const QLocale& langue);

}  // namespace orvane
