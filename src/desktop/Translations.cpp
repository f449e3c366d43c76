#include "desktop/Translations.h"

#include "core/Translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace vesperon {

Translations::Translations(const QLocale& language)
{
    // Built into the program; Qt's own come with Qt. Either may be missing: English then.
    if (vesperon_.load(language, QStringLiteral("vesperon"), QStringLiteral("_"), QStringLiteral(":/i18n")))
        (void)qt_.load(language, QStringLiteral("qtbase"), QStringLiteral("_"),
            QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    setTranslator([this](const char* context, const char* source, const char* comment, int n) {
        QString text = vesperon_.translate(context, source, comment, n);
        if (text.isEmpty())
            text = qt_.translate(context, source, comment, n);
        if (text.isEmpty())
            text = QString::fromUtf8(source);
        if (n != -1)
            text.replace(QLatin1String("%n"), QString::number(n));
        return text.toStdString();
    });
}

Translations::~Translations() { setTranslator({}); }

void Translations::install()
{
    QCoreApplication::installTranslator(&qt_);
    QCoreApplication::installTranslator(&vesperon_);
}

} // namespace vesperon
