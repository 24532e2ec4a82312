// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QTranslator>

#include <cstdint>
#include <optional>

namespace vantrel {

// The few texts of Qt's own that its catalogues leave untranslated, taken
// from language.xml instead.
class MissingQtTexts : public QTranslator {
  public:
    void setFolderTypeName(QString name) { m_folderTypeName = std::move(name); }
    [[nodiscard]] bool isEmpty() const override { return m_folderTypeName.isEmpty(); }
    [[nodiscard]] QString translate(const char* context, const char* sourceText,
                                    const char* disambiguation, int n) const override;

  private:
    QString m_folderTypeName; // the file dialog's type of a folder
};

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

    // For the language written for lcid (language.xml's "value"), with the
    // interface's own name for a folder. Returns whether a catalogue was
    // found and installed.
    bool apply(std::optional<std::int32_t> lcid, const QString& folderTypeName);
    // The locale whose catalogue is installed, e.g. "zh_CN"; empty for none.
    [[nodiscard]] const QString& installedLocale() const { return m_installedLocale; }

  private:
    bool installCatalogue(std::optional<std::int32_t> lcid);
    void remove();

    QTranslator m_translator;
    MissingQtTexts m_missingTexts;
    QString m_installedLocale;
};

} // namespace vantrel
