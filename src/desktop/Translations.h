#pragma once

#include <QLocale>
#include <QTranslator>

namespace vesperon {

// Every text in the user's language: Vesperon's translations and Qt's own (key names, standard
// buttons), for the language the session names (LANGUAGE, LC_ALL, LC_MESSAGES, LANG), English
// where there is none. Made first thing, before any text is written; the Qt-free logic's texts go
// through it at once, and Qt's tr() once install() has put it in the application.
class Translations {
public:
    explicit Translations(const QLocale& language = QLocale::system());
    ~Translations();
    Translations(const Translations&) = delete;
    Translations& operator=(const Translations&) = delete;

    void install();
    // The language the texts are in ("de"); empty for English.
    QString language() const { return vesperon_.language(); }

private:
    QTranslator vesperon_;
    QTranslator qt_;
};

} // namespace vesperon
