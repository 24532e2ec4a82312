// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/i18n/QtTranslations.h"

#include "core/i18n/LocaleLcid.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

namespace vantrel {

QtTranslations::~QtTranslations() {
    remove();
}

bool QtTranslations::apply(std::optional<std::int32_t> lcid) {
    remove();
    const auto name = lcid ? localeNameForLcid(*lcid) : std::nullopt;
    if (!name) {
        QLocale::setDefault(QLocale::system());
        return false;
    }
    const QLocale locale(QString::fromLatin1(name->data(), static_cast<qsizetype>(name->size())));
    // Dialogs also format sizes and dates for the chosen language.
    QLocale::setDefault(locale);
    if (!m_translator.load(locale, QStringLiteral("qt"), QStringLiteral("_"),
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return false;
    QCoreApplication::installTranslator(&m_translator);
    m_installedLocale = locale.name();
    return true;
}

void QtTranslations::remove() {
    if (m_installedLocale.isEmpty())
        return;
    QCoreApplication::removeTranslator(&m_translator);
    m_installedLocale.clear();
}

} // namespace vantrel
