#include "data/translation.h"

#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace velmora {

void loadTranslations(QCoreApplication* app)
{
    const QLocale language;
    auto* own = new QTranslator(app);
    for (const QString& folder :
         {QCoreApplication::applicationDirPath() + QStringLiteral("/translations"),
          QStringLiteral(VELMORA_TRANSLATIONS)})
        if (own->load(language, QStringLiteral("velmora"), QStringLiteral("_"), folder)) {
            QCoreApplication::installTranslator(own);
            auto* qt = new QTranslator(app);
            if (qt->load(language, QStringLiteral("qt"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
                QCoreApplication::installTranslator(qt);
            return;
        }
}

} // namespace velmora
