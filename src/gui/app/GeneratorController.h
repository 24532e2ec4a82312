// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

#include <string>

class QMenu;

namespace vantrel {

class MainWindow;
struct GeneratorHost;

// The Tools menu's text generators: the outer-screen text and the GPRS date
// text windows, also opened for a file of their type.
class GeneratorController : public QObject {
    Q_OBJECT

  public:
    explicit GeneratorController(MainWindow& window);

    void fillMenu(QMenu* menu);
    // Opens the generator for a file of typeName ("outertext" or "gprs").
    void openFor(const std::string& typeName);

    void showOuterText();
    void showGprsText();

  private:
    [[nodiscard]] GeneratorHost host() const;

    MainWindow& m_window;
};

} // namespace vantrel
