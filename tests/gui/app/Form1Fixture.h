// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/settings/SettingsStore.h"
#include "gui/app/Form1.h"
#include "gui/dialogs/CommDlg.h"
#include "gui/dialogs/ScriptedDialogs.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

namespace vantrel::testing {

// A main window started on a private copy of the bundled data, with settings
// in memory and every dialog answered by script.
class Form1Fixture : public ::testing::Test {
  protected:
    void SetUp() override {
        CommDlg::setAnswerer(&dialogs);
        const QDir data(QStringLiteral(VANTREL_DATA_DIR));
        for (const QString& name : data.entryList(QDir::Files))
            QFile::copy(data.filePath(name), appDir.filePath(name));
    }

    Form1& start(const QString& commandLine = QString()) {
        Form1Environment environment{appDir.path(), &settings, [this] { return systemLcid; }};
        environment.readFile = readFile;
        form = std::make_unique<Form1>(std::move(environment));
        loaded = form->Form_Load(commandLine);
        return *form;
    }

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
        form->show();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }

    // A private, writable copy of a bundled sample file.
    QString sample(const char* name) {
        const QString copy = work.filePath(QString::fromLatin1(name));
        QFile::remove(copy);
        QFile::copy(QStringLiteral(VANTREL_DATA_DIR "/samples/") + QString::fromLatin1(name), copy);
        QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner);
        return copy;
    }

    QAction* action(const char* name) const {
        return form->findChild<QAction*>(QString::fromLatin1(name));
    }

    QString str(int n) const { return QString::fromStdString(form->strings().get(n)); }

    bool saidCritical(int stringNumber) const {
        for (const auto& message : dialogs.messages) {
            if (message.icon == MessageIcon::Critical && message.text.contains(str(stringNumber)))
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
    std::unique_ptr<Form1> form;
    bool loaded = false;
};

} // namespace vantrel::testing
