// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/i18n/BuiltinStrings.h"
#include "core/settings/SettingsStore.h"
#include "gui/controllers/ComparisonController.h"
#include "gui/controllers/FileController.h"
#include "gui/controllers/LanguageController.h"
#include "gui/controllers/ShellController.h"
#include "gui/dialogs/ScriptedDialogs.h"
#include "gui/dialogs/StandardDialog.h"
#include "gui/window/MainWindow.h"
#include "gui/window/MainWindowProbe.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <memory>
#include <string_view>

namespace vantrel::testing {

// A main window started on a private copy of the bundled data, with settings
// in memory and every dialog answered by script.
class MainWindowFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        StandardDialog::setAnswerer(&dialogs);
        const QDir data(QStringLiteral(VANTREL_DATA_DIR));
        for (const QString& name : data.entryList(QDir::Files))
            QFile::copy(data.filePath(name), appDir.filePath(name));
    }

    MainWindow& start(const QString& commandLine = QString()) {
        MainWindowEnvironment environment{appDir.path(), &settings, [this] { return systemLcid; }};
        environment.readFile = readFile;
        mainWindow = std::make_unique<MainWindow>(std::move(environment));
        loaded = mainWindow->start(commandLine);
        return *mainWindow;
    }

    // The started window as the tests read it.
    [[nodiscard]] MainWindowProbe probe() const { return MainWindowProbe(*mainWindow); }

    QString appFile(const QString& name) const { return appDir.filePath(name); }

    void writeAppFile(const QString& name, const QByteArray& content) {
        QFile file(appFile(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(content);
    }

    QString writeSeem(const QString& name, const QByteArray& bytes) {
        const QString path = work.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
        return path;
    }

    static QByteArray readAll(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // Shows the window and waits until it is the active one, as a user sees it.
    void showActive() {
        mainWindow->show();
        mainWindow->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(mainWindow.get()));
    }

    // A private, writable copy of a bundled sample file.
    QString sample(const char* name) {
        const QString copy = work.filePath(QString::fromLatin1(name));
        QFile::remove(copy);
        QFile::copy(QStringLiteral(VANTREL_DATA_DIR "/samples/") + QString::fromLatin1(name), copy);
        QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner);
        return copy;
    }

    // Types digits into a cell through the session, as the grid does; none
    // leaves the cell without a byte.
    void typeInto(int cell, std::string_view digits) {
        EditingSession& session = probe().session();
        session.focusCell(cell);
        if (digits.empty()) {
            session.deleteForward();
            session.deleteForward();
        }
        for (char digit : digits)
            session.typeCharacter(digit);
    }

    // The window's controllers, found among its children: the window keeps them
    // to itself, and only the tests reach past its menus to them.
    FileController& fileController() const { return controller<FileController>(); }
    ComparisonController& comparisonController() const {
        return controller<ComparisonController>();
    }
    LanguageController& languageController() const { return controller<LanguageController>(); }

    template <class Controller> Controller& controller() const {
        return *mainWindow->findChild<Controller*>(QString(), Qt::FindDirectChildrenOnly);
    }

    QAction* action(const char* name) const {
        return mainWindow->findChild<QAction*>(QString::fromLatin1(name));
    }

    QString str(UiString id) const { return QString::fromStdString(probe().strings().get(id)); }

    bool saidCritical(UiString id) const {
        for (const auto& message : dialogs.messages) {
            if (message.icon == MessageIcon::Critical && message.text.contains(str(id)))
                return true;
        }
        return false;
    }

    QTemporaryDir appDir;
    QTemporaryDir work;
    MemorySettingsStore settings;
    ScriptedDialogs dialogs;
    std::optional<std::int32_t> systemLcid = 0x0409;
    std::function<SeemFileRead(const std::string& path)> readFile; // empty: read the disk
    std::unique_ptr<MainWindow> mainWindow;
    bool loaded = false;
};

// The fixture's window started on the bundled data, without the tip window.
class StartedMainWindowFixture : public MainWindowFixture {
  protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        settings.setValue("ShowTip", "0");
        start();
        ASSERT_TRUE(loaded);
    }
};

// How many bits two files' bytes differ in, over the shorter one.
inline int differingBits(const QByteArray& a, const QByteArray& b) {
    int bits = 0;
    for (qsizetype i = 0; i < std::min(a.size(), b.size()); ++i)
        bits += std::popcount(static_cast<unsigned>(static_cast<quint8>(a[i] ^ b[i])));
    return bits;
}

} // namespace vantrel::testing
