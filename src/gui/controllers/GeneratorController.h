// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

#include <string>

class QMenu;
class QWidget;

namespace vantrel {

class LanguageFile;
class SeemDocument;
class WindowCaption;
struct GeneratorHost;

// The Tools menu's text generators: the outer-screen text and the GPRS date
// text windows, also opened for a file of their type.
class GeneratorController : public QObject {
    Q_OBJECT

  public:
    // The generator windows open over owner.
    GeneratorController(SeemDocument& document, const LanguageFile& language,
                        WindowCaption& caption, QWidget& owner);

    void fillMenu(QMenu* menu);
    // Opens the generator for a file of typeName ("outertext" or "gprs").
    void openFor(const std::string& typeName);

    void showOuterText();
    void showGprsText();

  private:
    [[nodiscard]] GeneratorHost host() const;

    SeemDocument& m_document;
    const LanguageFile& m_language;
    WindowCaption& m_caption;
    QWidget& m_owner;
};

} // namespace vantrel
