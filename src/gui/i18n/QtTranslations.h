// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QTranslator>

#include <cstdint>
#include <optional>

namespace vantrel {

// Qt's own texts (the buttons of message boxes, the file and colour dialogs)
// in the interface language, from the catalogue Qt ships for it. Choosing
// another language replaces the catalogue; a language Qt has none for leaves
// Qt's English.
class QtTranslations {
  public:
    QtTranslations() = default;
    QtTranslations(const QtTranslations&) = delete;
    QtTranslations& operator=(const QtTranslations&) = delete;
    ~QtTranslations();

    // For the language written for lcid (language.xml's "value"). Returns
    // whether a catalogue was found and installed.
    bool apply(std::optional<std::int32_t> lcid);
    // The locale whose catalogue is installed, e.g. "zh_CN"; empty for none.
    [[nodiscard]] const QString& installedLocale() const { return m_installedLocale; }

  private:
    void remove();

    QTranslator m_translator;
    QString m_installedLocale;
};

} // namespace vantrel
