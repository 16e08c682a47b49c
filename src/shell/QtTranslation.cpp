#include "QtTranslation.h"

#include <QCoreApplication>
#include <QHash>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace zentrel::shell {

namespace {

// The standard buttons of Qt's dialogs (Cancel of the file dialog, Yes and No ...) take their
// texts from a context the system's Slovenian translation of Qt does not have.
class StandardButtonTexts : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char *context, const char *source, const char *, int) const override {
        static const QHash<QByteArray, QString> texts{
            {"OK", QStringLiteral("V redu")},
            {"Save", QStringLiteral("Shrani")},
            {"Save All", QStringLiteral("Shrani vse")},
            {"Open", QStringLiteral("Odpri")},
            {"&Yes", QStringLiteral("&Da")},
            {"Yes to &All", QStringLiteral("Da za &vse")},
            {"&No", QStringLiteral("&Ne")},
            {"N&o to All", QStringLiteral("N&e za vse")},
            {"Abort", QStringLiteral("Prekini")},
            {"Retry", QStringLiteral("Poskusi znova")},
            {"Ignore", QStringLiteral("Prezri")},
            {"Close", QStringLiteral("Zapri")},
            {"Cancel", QStringLiteral("Prekliči")},
            {"Discard", QStringLiteral("Zavrzi")},
            {"Help", QStringLiteral("Pomoč")},
            {"Apply", QStringLiteral("Uporabi")},
            {"Reset", QStringLiteral("Ponastavi")},
            {"Restore Defaults", QStringLiteral("Obnovi privzete")},
        };
        if (qstrcmp(context, "QPlatformTheme") != 0)
            return QString();
        return texts.value(QByteArray(source));
    }
};

} // namespace

bool InstallQtTranslation() {
    static StandardButtonTexts buttons;
    static bool buttonsInstalled = QCoreApplication::installTranslator(&buttons);
    Q_UNUSED(buttonsInstalled)
    static QTranslator translator; // installed for the whole run
    if (!translator.isEmpty())
        return true;
    return translator.load(QLocale(QLocale::Slovenian), QStringLiteral("qt"), QStringLiteral("_"),
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
           QCoreApplication::installTranslator(&translator);
}

} // namespace zentrel::shell
