// The application's translations: translations/quorvane_<language>.ts, compiled to .qm files
// and embedded under :/i18n. The one for the user's language is installed before any QML is
// loaded, so qsTr() in QML and QtTranslator in C++ find it; without one the English keys show.
#pragma once

#include <QLocale>
#include <QString>
#include <QTranslator>

namespace quorvane::qt {

class AppTranslations {
public:
    // Installs the translation that best matches the locale's languages, if one is shipped.
    explicit AppTranslations(const QLocale& locale = QLocale::system());
    ~AppTranslations();
    AppTranslations(const AppTranslations&) = delete;
    AppTranslations& operator=(const AppTranslations&) = delete;

    bool installed() const { return installed_; }
    // The language of the installed translation ("de", "fr"); empty when none is installed.
    QString language() const { return installed_ ? translator_.language() : QString(); }

private:
    QTranslator translator_;
    bool installed_ = false;
};

} // namespace quorvane::qt
