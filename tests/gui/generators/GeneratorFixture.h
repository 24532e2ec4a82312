// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/i18n/LanguageFile.h"
#include "core/session/EditingSession.h"
#include "core/settings/SettingsStore.h"
#include "gui/dialogs/ScriptedDialogs.h"
#include "gui/dialogs/StandardDialog.h"
#include "gui/generators/GeneratorHost.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace vantrel::testing {

// A generator window's surroundings: the bundled language file in English, a
// session over definitions of a function, an outer-text and GPRS types, a
// host whose caption restorations are counted, and dialogs answered by script.
class GeneratorFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        StandardDialog::setAnswerer(&dialogs);
        const QString languagePath =
            QDir(QStringLiteral(VANTREL_DATA_DIR)).filePath("language.xml");
        language.load(languagePath.toStdString(), settings, 0x0409);
        ASSERT_FALSE(session.loadDefinitionsText(R"(<seems>
            <seem ID="0032_0001" size="120" type="function" tip="Functions"/>
            <seem ID="0061_0001" size="34" type="outertext" tip="Outer"/>
            <seem ID="0a21_0001" size="26" type="gprs" tip="GPRS"/>
            <seem ID="0a21_0004" size="4" type="gprs" tip="GPRS"/>
            <seem ID="0a21_0002" size="2" type="gprs" tip="GPRS"/>
        </seems>)",
                                                 "generators.xml"));
    }

    // The open file, of the type its length gives.
    void openDocument(const std::string& type, std::vector<std::uint8_t> bytes) {
        const std::string path = work.filePath(QStringLiteral("open.seem")).toStdString();
        ASSERT_TRUE(session.openBytes(path, std::move(bytes)).opened);
        ASSERT_EQ(session.document().typeName(), type);
    }

    GeneratorHost host() {
        return {session, [this] { ++captionRestored; }};
    }

    QString str(UiString n) const { return QString::fromStdString(language.strings().get(n)); }
    QString workFile(const QString& name) const { return work.filePath(name); }

    static QByteArray readAll(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    static void writeAll(const QString& path, const QByteArray& bytes) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    void lockWorkFolder(bool locked) {
        ::chmod(work.path().toLocal8Bit().constData(), locked ? 0555 : 0755);
    }

    // A read-only mark on the target refuses the save, even for root.
    static void lockFile(const QString& path, bool locked) {
        ::chmod(path.toLocal8Bit().constData(), locked ? 0444 : 0644);
    }

    QTemporaryDir work;
    MemorySettingsStore settings;
    LanguageFile language;
    EditingSession session{language, settings};
    ScriptedDialogs dialogs;
    int captionRestored = 0;
};

} // namespace vantrel::testing
