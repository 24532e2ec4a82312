// SPDX-License-Identifier: GPL-3.0-or-later
// The main window with a definitions document of every kind of type, for the
// tests of opening and saving files.
#pragma once

#include "MainWindowFixture.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QToolBar>

namespace vantrel::testing {

inline constexpr const char* kOpenSaveDefinitions = R"(<seems>
  <f ID="fn" size="120" tip="Functions" type="function"><k ID="Sound" offset="1A" bit="0" tip="t"/></f>
  <s ID="first" size="40" tip="Styles" type="style"/>
  <s ID="second" size="41" tip="Never" type="function"/>
  <r ID="ring" size="64" tip="Rings" type="ringtone"/>
  <v ID="vol" size="24" tip="Volume" type="volume" alert="Careful"/>
  <big ID="big" size="5000" tip="Big" type="style"/>
  <o ID="outer" size="34" tip="Outer" type="outertext"/>
</seems>)";

class MainWindowOpenSave : public MainWindowFixture {
  protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        writeAppFile(QStringLiteral("seem_en.xml"), kOpenSaveDefinitions);
        start();
        ASSERT_TRUE(loaded);
    }

    QString bytesFile(const QString& name, int length, char fill = '\x5A') {
        return writeSeem(name, QByteArray(length, fill));
    }

    QString mainCaption() const { return probe().programName(); }

    // Another program writes the file; the window looks when it is activated again.
    void changeOnDisk(const QString& path, const QByteArray& bytes) {
        writeSeem(QFileInfo(path).fileName(), bytes);
        QEvent activated(QEvent::WindowActivate);
        QCoreApplication::sendEvent(mainWindow.get(), &activated);
    }
    QToolBar* changeBar() const { return mainWindow->findChild<QToolBar*>("changeBar"); }
    bool barShown() const { return changeBar() && !changeBar()->isHidden(); }
    QString cell(int index) const {
        return QString::fromStdString(probe().session().document().grid().text(index));
    }
};

} // namespace vantrel::testing
