// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/i18n/QtTranslations.h"

#include "core/i18n/LocaleLcid.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

#include <cstring>

namespace vantrel {

QString MissingQtTexts::translate(const char* context, const char* sourceText,
                                  const char* /*disambiguation*/, int /*n*/) const {
    if (context && sourceText && std::strcmp(context, "QAbstractFileIconProvider") == 0 &&
        std::strcmp(sourceText, "Folder") == 0)
        return m_folderTypeName;
    return {};
}

QtTranslations::~QtTranslations() {
    remove();
}

bool QtTranslations::apply(std::optional<std::int32_t> lcid, const QString& folderTypeName) {
    remove();
    const bool installed = installCatalogue(lcid);
    // Installed last, so asked first; it answers only what it knows.
    m_missingTexts.setFolderTypeName(folderTypeName);
    QCoreApplication::installTranslator(&m_missingTexts);
    return installed;
}

bool QtTranslations::installCatalogue(std::optional<std::int32_t> lcid) {
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
    QCoreApplication::removeTranslator(&m_missingTexts);
    if (m_installedLocale.isEmpty())
        return;
    QCoreApplication::removeTranslator(&m_translator);
    m_installedLocale.clear();
}

} // namespace vantrel
